// raruduz-cli batch: the batch report over every board of a file.

#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/CliCommands.h"
#include "cli/OrderedWorkers.h"
#include "engine/SudokuBoard.h"
#include "files/BatchRun.h"

namespace {
// One board of the run on a worker thread: its part of the report and the messages it caused.
struct WorkerBatchBoard {
    BatchBoardResult result;
    std::vector<std::string> messages;
};
}  // namespace

int RunBatch(CliArguments& arguments) {
    const std::optional<std::string> out = arguments.TakeValue("--out");
    const int jobs = TakeJobs(arguments);
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());
    if (files.size() != 1) return UsageError("batch takes exactly one FILE");

    HeadlessPlatform platform = MakeCliPlatform();
    const std::filesystem::path report =
        out ? std::filesystem::path(*out) : BatchReportPath(platform);
    // Boards go through one at a time: a large collection costs no more than its text.
    BatchRun run(platform);
    bool started = false;
    bool failed = false;
    const auto start = [&] {
        if (!started) {
            started = true;
            failed = !run.Start(report);
        }
    };
    bool read = false;
    if (jobs == 1) {
        read = VisitInputBoards(files, platform, [&](const InputBoard& board) {
            start();
            if (!failed) failed = !run.Add(board.data);
        });
    } else {
        auto makeWork = [](HeadlessPlatform& worker) {
            auto messages = std::make_shared<std::vector<std::string>>();
            auto board = std::make_shared<SudokuBoard>(worker);
            auto statistics = std::make_shared<SolveStatistics>();
            worker.messageSink = [messages](const std::string& line) { messages->push_back(line); };
            return [messages, board, statistics](const InputBoard& input) {
                WorkerBatchBoard done{SolveBatchBoard(*board, *statistics, input.data), {}};
                done.messages.swap(*messages);
                return done;
            };
        };
        OrderedWorkers<WorkerBatchBoard> workers(
            jobs, platform, makeWork, [&](WorkerBatchBoard& done) {
                for (const std::string& line : done.messages)
                    std::fwrite(line.data(), 1, line.size(), stderr);
                if (!failed) failed = !run.AddSolved(done.result);
            });
        read = VisitInputBoards(files, platform, [&](const InputBoard& board) {
            start();
            workers.Add(board);
        });
        workers.Finish();
    }
    if (!read || failed || !run.Finish()) return kExitUsage;
    std::cout << report.string() << '\n';
    return kExitDone;
}
