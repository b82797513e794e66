// raruduz-cli check: the hint driver's steps from the clues, each compared with the board's
// unique solution, so that a technique that places or removes something false is caught.

#include <atomic>
#include <memory>
#include <ostream>

#include "cli/CliCommands.h"
#include "cli/Stepping.h"
#include "engine/SudokuBoard.h"

namespace {
enum class Verdict { Sound, Unsound, NotUnique, Invalid };
const char* const kVerdictNames[] = {"OK", "UNSOUND", "NOT-UNIQUE", "INVALID"};

// The first clue, in reading order, whose value an earlier clue of its row, column or block
// already holds: "clues repeat V in row R" (or "column C", "block B"). False when there is none.
bool FindRepeatedClue(const BoardData& input, std::string& detail) {
    std::uint32_t rows[kMaxSize] = {}, columns[kMaxSize] = {}, blocks[kMaxSize] = {};
    for (int y = 0; y < input.size; ++y)
        for (int x = 0; x < input.size; ++x) {
            const int v = input.Cell(x, y).value;
            if (v < 1 || v > input.size) continue;
            const int block = x / input.boxSize + y / input.boxSize * input.boxSize;
            const struct {
                const char* name;
                std::uint32_t& seen;
                int number;
            } units[] = {
                {"row", rows[y], y}, {"column", columns[x], x}, {"block", blocks[block], block}};
            const std::uint32_t bit = bitOf(v);
            for (const auto& unit : units)
                if (unit.seen & bit) {
                    detail = std::string("clues repeat ") + ValueSymbol(v) + " in " + unit.name +
                             " " + std::to_string(unit.number + 1);
                    return true;
                }
            for (const auto& unit : units) unit.seen |= bit;
        }
    return false;
}

// Steps through the board as `steps` does. Returns the verdict and its detail text.
Verdict CheckBoard(SudokuBoard& board, SolveStep& step, const BoardData& input, bool withGuess,
                   std::string& detail) {
    if (FindRepeatedClue(input, detail)) return Verdict::Invalid;
    board.LoadRecord(input);
    board.SolveBruteForce(StopAtSecondSolution);
    if (board.solutionNbr != 1) {
        detail = board.solutionNbr == 0 ? "0 solutions" : "2 or more solutions";
        return Verdict::NotUnique;
    }
    const CellGrid solution = board.solution;
    // The unique solution is the one the guess would take: only the clues need to come back.
    if (withGuess)
        board.ClearGivens();
    else
        PrepareStepping(board, input, false);
    Verdict verdict = Verdict::Sound;
    const int stepNbr = StepToEnd(
        board, step,
        [&](int number, const SolveStep& done, const std::vector<CellEffect>& effects) {
            for (const CellEffect& effect : effects) {
                CellEffect wrong;
                if (AgreesWithSolution(effect, solution, wrong)) continue;
                const int technique = IsValidTechniqueId(done.technique) ? done.technique : 0;
                detail = "step " + std::to_string(number) + " (" + std::to_string(technique) + " " +
                         kTechniques[technique].name + ") " + EffectText(wrong);
                verdict = Verdict::Unsound;
                return false;
            }
            return true;
        });
    if (verdict == Verdict::Unsound) return verdict;
    detail = std::to_string(stepNbr) + " steps, " + (board.emptyNbr == 0 ? "Solved" : "Stuck");
    return Verdict::Sound;
}
}  // namespace

int RunCheck(CliArguments& arguments) {
    const bool withGuess = arguments.TakeFlag("--with-guess");
    std::atomic<bool> anyFailed = false;
    const int status = RunOverInputBoardsWithJobs(arguments, [&anyFailed, withGuess] {
        return [&anyFailed, withGuess, step = std::make_shared<SolveStep>()](
                   SudokuBoard& board, const InputBoard& input, std::ostream& out) {
            std::string detail;
            const Verdict verdict = CheckBoard(board, *step, input.data, withGuess, detail);
            if (verdict == Verdict::Unsound || verdict == Verdict::Invalid) anyFailed = true;
            out << input.index << '\t' << kVerdictNames[static_cast<int>(verdict)] << '\t' << detail
                << '\n';
        };
    });
    return status == kExitDone && anyFailed ? kExitCheckFailed : status;
}
