// raruduz-cli: the workbench's engine without a window.

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/Interruption.h"
#include "cli/StandardOutput.h"

namespace {
// Every command, in the order --help lists them.
const CliCommand kCommands[] = {
    {"solve",
     "solve [--method brute|human|progressive] [--limit 1|2|50] [--with-guess] [--jobs N] "
     "[FILE ...]",
     RunSolve},
    {"solutions", "solutions [--limit 50] [FILE ...]", RunSolutions},
    {"export", "export --layout 0..3 [--content clues|all] [FILE ...]", RunExport},
    {"library",
     "library [--file PATH] list | show NAME | add --name NAME [--description D] [--level L] FILE"
     "\n  (several boards in FILE are stored as \"NAME #1\", \"NAME #2\", ...)",
     RunLibrary},
    {"batch", "batch [--out PATH] [--jobs N] FILE", RunBatch},
    {"rate", "rate [--jobs N] [FILE ...]", RunRate},
    {"steps", "steps [--with-guess] [--jobs N] [FILE ...]", RunSteps},
    {"check", "check [--with-guess] [--jobs N] [FILE ...]", RunCheck},
    {"log", "log [--jobs N] [FILE ...]", RunLog},
    {"generate", "generate --level 0..6 [--style 0|1] [--size 9|16] [--count K] [--seed S]",
     RunGenerate},
    {"special",
     "special --technique ID [--count K] [--attempts A] [--min-level 0..6] [--max-level 0..6] "
     "[--min-occurrence M] [--size 9|16] [--seed S]",
     RunSpecial},
    {"wordoku", "wordoku --word WORD --location row|column|block --number K [FILE ...]",
     RunWordoku},
};

void PrintHelp() {
    std::cout << "Usage: raruduz-cli COMMAND [OPTIONS] [FILE ...]\n"
                 "Boards are read from each FILE, or from standard input when there is none or "
                 "FILE is '-'.\n\nCommands:\n";
    for (const CliCommand& command : kCommands) std::cout << "  " << command.usage << "\n";
    std::cout << "\n--jobs N spreads the boards over N worker threads, 1 to " << kMaxJobs
              << " (default: the number of cores);\noutput and messages stay in input order.\n"
                 "\n'raruduz-cli COMMAND --help' describes one command.\n";
}

int RunCommand(int argc, char** argv) {
    if (argc < 2) return UsageError("no command given");
    const std::string name = argv[1];
    if (name == "--help" || name == "-h") {
        PrintHelp();
        return kExitDone;
    }
    for (const CliCommand& command : kCommands) {
        if (name != command.name) continue;
        CliArguments arguments(std::vector<std::string>(argv + 2, argv + argc));
        if (arguments.TakeFlag("--help")) {
            std::cout << "Usage: raruduz-cli " << command.usage << "\n";
            return kExitDone;
        }
        return command.run(arguments);
    }
    return UsageError("unknown command '" + name + "'");
}
}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    UseLineFlushingStandardOutput();
    InstallInterruptHandler();
    const int status = RunCommand(argc, argv);
    std::cout.flush();
    EndRunIfInterrupted();
    return status;
}
