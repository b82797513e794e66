#include "generation/SpecialGeneration.h"

#include <algorithm>
#include <memory>

#include "engine/BoardLevel.h"
#include "engine/HumanLikeSolving.h"
#include "engine/SudokuBoard.h"

namespace {
constexpr char kSpecialBoardName[] = "SpcGen";

std::int32_t SortValue(const SpecialResultRow& row, SpecialSortKey key) {
    switch (key) {
        case SortByOccurrence:
            return row.occurrence;
        case SortByScore:
            return row.score;
        case SortByClues:
            return row.clueNbr;
        case SortByIndex:
            break;
    }
    return row.index;
}

}  // namespace

void SortSpecialResults(std::vector<SpecialResultRow>& rows, SpecialSortKey key, bool descending) {
    std::stable_sort(rows.begin(), rows.end(),
                     [key, descending](const SpecialResultRow& a, const SpecialResultRow& b) {
                         return descending ? SortValue(a, key) > SortValue(b, key)
                                           : SortValue(a, key) < SortValue(b, key);
                     });
}

int ReadSpecialResultBoard(std::string_view text, int size, BoardData& target) {
    if (text.empty()) return 0;
    text = text.substr(0, kSpecialBoardTextLimit);
    size = size == 16 ? 16 : 9;
    target.size = size;
    target.boxSize = size == 9 ? 3 : 4;
    int clues = 0;
    for (int position = 0; position < size * size; ++position) {
        const int symbolValue =
            position < static_cast<int>(text.size()) ? SymbolValue(text[position]) : 0;
        const int value = symbolValue <= size ? symbolValue : 0;
        BoardCell& cell = target.Cell(position % size, position / size);
        if (value > 0) {
            cell = BoardCell{value, Clue, 0, 0};
            ++clues;
        } else {
            cell = BoardCell{-1, Empty, fullMask(size), size};
        }
    }
    target.name = "Default";
    target.description.clear();
    target.level = UnknownLevel;
    target.clueNbr = clues;
    target.givenNbr = 0;
    target.emptyNbr = size * size - clues;
    return 1;
}

std::string SpecialClosingMessage(int found) {
    return std::to_string(found) + " Board" + (found > 1 ? "s " : " ") + "Generated ...";
}

bool SpecialGeneration::Prepare(int size) {
    size_ = size == 16 ? 16 : 9;
    if (generator_.prepare(size_)) return true;
    platform_.ShowMessage(kSpecialPrepareFailedMessage);
    return false;
}

int SpecialGeneration::Run(const SpecialCriteria& criteria, RunControl* control) {
    rows_.clear();
    const int technique =
        IsValidTechniqueId(criteria.techniqueId) ? criteria.techniqueId : UnknownTechnique;
    const auto board = std::make_unique<SudokuBoard>(platform_);
    int style = NonSymmetricalStyle;
    int found = 0;
    const std::int32_t lowScore = BandOfLevel(criteria.minimumLevel).lowScore;
    const std::int32_t highScore = BandOfLevel(criteria.maximumLevel).highScore;
    const int attemptLimit = control ? control->attemptLimit : 0;
    for (int attempt = 1; found < criteria.boardsWanted && !(control && control->stopRequested);
         ++attempt) {
        platform_.PumpMessages();
        if (control) {
            control->attemptNbr = attempt;
            if (control->progress) control->progress(attempt);
        }
        generator_.generate(size_, style);
        board->Initialise(size_, UnknownLevel, kSpecialBoardName, kSpecialBoardName, nullptr, 0, 0);
        LoadGeneratedGrid(generator_, *board);
        ResetStatistics(statistics_);
        board->ClearGivens();
        // Only boards with one solution count as attempts of their style.
        if (board->SolveBruteForce(StopAtSecondSolution) == SolutionFound &&
            board->solutionNbr <= 1) {
            board->ClearGivens();
            if (SolveHumanLikeWithoutLog(*board, statistics_) == SolutionFound) {
                const int count = statistics_.callNbr[technique];
                if (count > 0 && count >= criteria.minimumOccurrence && board->score >= lowScore &&
                    board->score < highScore) {
                    ++found;
                    board->ClearGivens();
                    rows_.push_back({found, attempt, board->clueNbr, count,
                                     LevelName(LevelForScore(board->score)), board->score,
                                     GridText(board->size, board->cells)});
                    SortSpecialResults(rows_, sortKey, sortDescending);
                }
            }
            board->ClearGivens();
            style = style == NonSymmetricalStyle ? SymmetricalStyle : NonSymmetricalStyle;
        }
        if (attempt == attemptLimit) break;
    }
    return found;
}
