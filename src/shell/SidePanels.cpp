#include "shell/SidePanels.h"

#include <algorithm>

#include "engine/BoardLevel.h"
#include "engine/WordokuLetters.h"

SidePage PageToShow(const CRaruduzDoc& document) {
    const SolveStatistics& statistics = document.board().statistics;
    if (statistics.newData && statistics.stepNbr >= 1) return SidePage::SolveData;
    return document.view.hintShown ? SidePage::HintData : SidePage::BoardStat;
}

BoardStatTexts BoardStatOf(const SudokuBoard& board) {
    BoardStatTexts texts;
    texts.name = board.name;
    texts.description = board.description;
    texts.level = LevelName(board.level);
    texts.score = std::to_string(board.score);
    texts.progress = std::clamp(board.score, 0, kScoreBarMaximum);
    texts.clues = std::to_string(board.clueNbr);
    texts.givens = std::to_string(board.givenNbr);
    texts.empties = std::to_string(board.emptyNbr);
    const bool solved =
        board.clueNbr + board.givenNbr == board.size * board.size && board.emptyNbr == 0;
    texts.solved = solved ? "Solved" : " ";
    return texts;
}

std::string HintTechniqueText(const CRaruduzDoc& document) {
    const int technique = document.step.technique;
    if (!document.view.hintShown || !IsValidTechniqueId(technique)) return "  ";
    return std::string(document.board().techniqueName[technique]);
}

std::string_view DisplayLetters(const CRaruduzDoc& document) {
    if (document.settings.viewMode != 1) return {};
    // The letters typed ones are resolved through; digits until the board has a sound set.
    const SudokuBoard& board = document.board();
    return IsLetterString(board.wordokuStringCopy, board.size) ? board.wordokuStringCopy
                                                               : std::string_view();
}
