#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <thread>

#include "cli/CliCommands.h"
#include "cli/Interruption.h"
#include "cli/OrderedWorkers.h"
#include "engine/SudokuBoard.h"

bool CliArguments::TakeFlag(const std::string& flag) {
    for (auto it = arguments_.begin(); it != arguments_.end(); ++it)
        if (*it == flag) {
            arguments_.erase(it);
            return true;
        }
    return false;
}

std::optional<std::string> CliArguments::TakeValue(const std::string& option) {
    for (auto it = arguments_.begin(); it != arguments_.end(); ++it) {
        if (*it == option) {
            if (it + 1 == arguments_.end()) {
                error_ = "option " + option + " needs a value";
                arguments_.erase(it);
                return std::nullopt;
            }
            std::string value = *(it + 1);
            arguments_.erase(it, it + 2);
            return value;
        }
        const std::string prefix = option + "=";
        if (it->rfind(prefix, 0) == 0) {
            std::string value = it->substr(prefix.size());
            arguments_.erase(it);
            return value;
        }
    }
    return std::nullopt;
}

int CliArguments::TakeInteger(const std::string& option, int low, int high, int fallback) {
    const std::optional<std::string> text = TakeValue(option);
    if (!text) return fallback;
    int value = 0;
    const char* end = text->data() + text->size();
    const auto [next, status] = std::from_chars(text->data(), end, value);
    if (status != std::errc() || next != end || value < low || value > high) {
        error_ = "option " + option + " takes a whole number from " + std::to_string(low) + " to " +
                 std::to_string(high) + ", not '" + *text + "'";
        return fallback;
    }
    return value;
}

std::vector<std::string> CliArguments::TakeFiles() {
    for (const std::string& argument : arguments_)
        if (argument.size() > 1 && argument[0] == '-' && error_.empty())
            error_ = "unknown option '" + argument + "'";
    return arguments_;
}

std::string BoardLine(const BoardData& data, const CellGrid& grid) {
    return GridText(data.size, grid);
}

int UsageError(const std::string& message) {
    std::cerr << "raruduz-cli: " << message << "\nTry 'raruduz-cli --help'.\n";
    return kExitUsage;
}

HeadlessPlatform MakeCliPlatform() {
    HeadlessPlatform platform;
    platform.echoToStandardError = true;
    platform.onPump = EndRunIfInterrupted;
    return platform;
}

int RunOverInputBoards(CliArguments& arguments, const BoardCommand& run, CtrlC ctrlC) {
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());
    HeadlessPlatform platform = MakeCliPlatform();
    auto board = std::make_unique<SudokuBoard>(platform);
    // Until the input is read, no solve has begun that a Ctrl-C could stop.
    bool stopsArmed = ctrlC != CtrlC::StopsSolve;
    const bool read = VisitInputBoards(files, platform, [&](const InputBoard& input) {
        if (!stopsArmed) StopSolvesOnInterrupt(platform);
        stopsArmed = true;
        run(*board, input);
    });
    return read ? kExitDone : kExitUsage;
}

int TakeJobs(CliArguments& arguments) {
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return arguments.TakeInteger("--jobs", 1, kMaxJobs, std::clamp(cores, 1, kMaxJobs));
}

namespace {
// One board's output on a worker: standard output and messages, in the order written.
struct OutputPiece {
    bool toStandardError = false;
    std::string text;
};
using BoardOutput = std::vector<OutputPiece>;

// What a worker's printer wrote so far, and the messages and trace lines between.
class WorkerOutput {
public:
    std::ostringstream out;

    void AddStandardError(const std::string& text) {
        TakeOut();
        pieces_.push_back({true, text});
    }
    BoardOutput Take() {
        TakeOut();
        return std::move(pieces_);
    }

private:
    void TakeOut() {
        if (out.tellp() <= 0) return;
        pieces_.push_back({false, out.str()});
        out.str({});
    }
    BoardOutput pieces_;
};

void WriteBoardOutput(const BoardOutput& output) {
    for (const OutputPiece& piece : output)
        if (piece.toStandardError)
            std::fwrite(piece.text.data(), 1, piece.text.size(), stderr);
        else
            std::cout << piece.text;
}
}  // namespace

int RunOverInputBoardsWithJobs(CliArguments& arguments, const BoardPrinterMaker& make,
                               CtrlC ctrlC) {
    const int jobs = TakeJobs(arguments);
    if (jobs == 1 || !arguments.error().empty()) {
        const BoardPrinter print = make();
        return RunOverInputBoards(
            arguments,
            [&print](SudokuBoard& board, const InputBoard& input) {
                print(board, input, std::cout);
            },
            ctrlC);
    }
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());
    HeadlessPlatform platform = MakeCliPlatform();
    auto makeWork = [&make, ctrlC](HeadlessPlatform& worker) {
        auto output = std::make_shared<WorkerOutput>();
        auto board = std::make_shared<SudokuBoard>(worker);
        worker.messageSink = [output](const std::string& line) { output->AddStandardError(line); };
        worker.traceSink = [output](std::string_view line) {
            output->AddStandardError(std::string(line));
        };
        if (ctrlC == CtrlC::StopsSolve) StopWorkerSolvesOnInterrupt(worker);
        return [print = make(), output, board](const InputBoard& input) {
            print(*board, input, output->out);
            return output->Take();
        };
    };
    OrderedWorkers<BoardOutput> workers(jobs, platform, makeWork, WriteBoardOutput);
    bool stopsArmed = ctrlC != CtrlC::StopsSolve;
    const bool read = VisitInputBoards(files, platform, [&](const InputBoard& input) {
        if (!stopsArmed) StopSolvesOnInterrupt(platform);
        stopsArmed = true;
        workers.Add(input);
    });
    workers.Finish();
    return read ? kExitDone : kExitUsage;
}
