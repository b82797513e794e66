#pragma once
// The commands of raruduz-cli and what they share: option parsing, board input, board output.

#include <cstdio>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/BoardTypes.h"
#include "platform/HeadlessPlatform.h"

class SudokuBoard;

// Exit statuses of every command.
inline constexpr int kExitDone = 0;
inline constexpr int kExitCheckFailed = 1;
inline constexpr int kExitUsage = 2;

// The arguments after the command name, consumed as options are recognised.
class CliArguments {
public:
    explicit CliArguments(std::vector<std::string> arguments) : arguments_(std::move(arguments)) {}

    // True (and removed) when the flag is present.
    bool TakeFlag(const std::string& flag);
    // The value after "--name" (removed), or nothing. Missing value: error() is set.
    std::optional<std::string> TakeValue(const std::string& option);
    // The integer after "--name" within [low, high]; fallback when absent. Bad: error() is set.
    int TakeInteger(const std::string& option, int low, int high, int fallback);
    // After all options were taken: what is left must be file names (or "-"). An unknown
    // option sets error().
    std::vector<std::string> TakeFiles();

    const std::string& error() const { return error_; }

private:
    std::vector<std::string> arguments_;
    std::string error_;
};

// A board read from the input, with its 1-based number across all inputs.
struct InputBoard {
    int index = 0;
    BoardData data;
};

using InputBoardVisitor = std::function<void(const InputBoard&)>;

// Reads every board of the files (standard input for none or "-"). Returns false after writing
// the reason to standard error when an input cannot be read or holds no board.
bool ReadInputBoards(const std::vector<std::string>& files, HeadlessPlatform& platform,
                     std::vector<InputBoard>& boards);
// The same checks, all made before the first board is handed to visit; then the boards are
// handed over one at a time and none is kept, so a whole collection costs no more than its text.
bool VisitInputBoards(const std::vector<std::string>& files, HeadlessPlatform& platform,
                      const InputBoardVisitor& visit);

// One line of N x N symbols in reading order.
std::string BoardLine(const BoardData& data, const CellGrid& grid);

// Prints "raruduz-cli: MESSAGE" and the hint to --help on standard error; returns kExitUsage.
int UsageError(const std::string& message);

// A platform for one run: messages go to standard error, settings stay in memory, a Ctrl-C
// ends the run at the next message pump.
HeadlessPlatform MakeCliPlatform();

// What a command does with each board of its input, on the run's one board.
using BoardCommand = std::function<void(SudokuBoard& board, const InputBoard& input)>;
// What Ctrl-C does while a command runs over its input.
enum class CtrlC { EndsRun, StopsSolve };

// The shape of every command that reads boards: once the command has taken its options, the
// arguments left must be inputs; a platform and a board are made for the run and every board of
// the input is handed to run in turn. Returns kExitUsage for bad usage or input, else kExitDone.
int RunOverInputBoards(CliArguments& arguments, const BoardCommand& run,
                       CtrlC ctrlC = CtrlC::EndsRun);

// What a command that offers --jobs does with each board: the same, its lines written to out.
using BoardPrinter =
    std::function<void(SudokuBoard& board, const InputBoard& input, std::ostream& out)>;
// Makes one printer per thread, so that whatever a printer keeps from board to board is its own.
using BoardPrinterMaker = std::function<BoardPrinter()>;

// The most worker threads --jobs takes.
inline constexpr int kMaxJobs = 64;
// --jobs N: 1 to kMaxJobs, by default the number of cores. A bad value sets error().
int TakeJobs(CliArguments& arguments);

// RunOverInputBoards with --jobs: with more than one job the boards are spread over worker
// threads, each with its own platform and board, and their output and messages come out in
// input order, as one thread writes them.
int RunOverInputBoardsWithJobs(CliArguments& arguments, const BoardPrinterMaker& make,
                               CtrlC ctrlC = CtrlC::EndsRun);

struct CliCommand {
    const char* name;
    const char* usage;  // the text of "raruduz-cli COMMAND --help"
    int (*run)(CliArguments& arguments);
};

int RunSolve(CliArguments& arguments);
int RunSolutions(CliArguments& arguments);
int RunExport(CliArguments& arguments);
int RunLibrary(CliArguments& arguments);
int RunBatch(CliArguments& arguments);
int RunRate(CliArguments& arguments);
int RunLog(CliArguments& arguments);
int RunSteps(CliArguments& arguments);
int RunCheck(CliArguments& arguments);
int RunGenerate(CliArguments& arguments);
int RunSpecial(CliArguments& arguments);
int RunWordoku(CliArguments& arguments);
