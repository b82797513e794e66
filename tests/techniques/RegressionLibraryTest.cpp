// Runs every case of the technique regression library (tests/data/techniques.txt): the routine
// of the case's technique is called once on the case's board, and what it changed must be
// exactly the expected effects, or nothing at all.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <set>

#include "CandidateFixtures.h"
#include "engine/StepLog.h"
#include "files/SolveLog.h"
#include "techniques/UnitQueries.h"

namespace {
struct RegressionCase {
    int lineNumber = 0;
    int technique = 0;
    std::string board;
    std::vector<std::string> removals;
    std::string expected;  // effects text, or "none"
};

std::vector<RegressionCase> ReadCases(const std::string& path) {
    std::vector<RegressionCase> cases;
    std::ifstream input(path);
    std::string line;
    for (int number = 1; std::getline(input, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        RegressionCase item;
        item.lineNumber = number;
        std::istringstream fields(line);
        fields >> item.technique >> item.board;
        std::string token;
        while (fields >> token && token != ":") item.removals.push_back(token);
        while (fields >> token) item.expected += (item.expected.empty() ? "" : " ") + token;
        cases.push_back(item);
    }
    return cases;
}

// Applies "rRcC-SSS": the cell must be empty and hold every candidate named.
::testing::AssertionResult ApplyRemoval(SudokuBoard& board, const std::string& token) {
    int row = 0, column = 0, consumed = 0;
    if (std::sscanf(token.c_str(), "r%dc%d-%n", &row, &column, &consumed) != 2 || consumed == 0 ||
        row < 1 || row > board.size || column < 1 || column > board.size)
        return ::testing::AssertionFailure() << "bad removal " << token;
    BoardCell& cell = board.Cell(column - 1, row - 1);
    for (char symbol : token.substr(consumed)) {
        const int v = SymbolValue(symbol);
        if (v < 1 || v > board.size || !cell.IsEmpty() || !(cell.candidates & bitOf(v)))
            return ::testing::AssertionFailure() << "removal " << token << " removes nothing";
        board.RemoveCandidates(CellIndex(column - 1, row - 1), bitOf(v));
    }
    return ::testing::AssertionSuccess();
}

// The step log names exactly the changed cells, and the values its description names are the
// placed ones, the removed ones, or (for hidden subsets) the ones the cells keep.
void ExpectLogTellsTheSameStory(const SudokuBoard& board, const StepDisplay& display,
                                const std::string& effects) {
    StepLogEntry entry;
    FillStepLogEntry(display, entry);
    std::set<std::string> logged, changed;
    std::vector<const BoardCell*> loggedCells;
    for (int i = 0; i < std::min(entry.cellNbr, kStepLogCellCapacity); ++i) {
        const int column = entry.cellColumn[i], row = entry.cellRow[i];
        logged.insert("r" + std::to_string(row) + "c" + std::to_string(column));
        if (column >= 1 && column <= board.size && row >= 1 && row <= board.size)
            loggedCells.push_back(&board.Cell(column - 1, row - 1));
    }
    std::set<char> placed, removed;
    std::istringstream words(effects);
    for (std::string word; words >> word;) {
        const std::size_t mark = word.find_first_of("-=");
        if (mark == std::string::npos) continue;
        changed.insert(word.substr(0, mark));
        for (char symbol : word.substr(mark + 1))
            (word[mark] == '=' ? placed : removed).insert(symbol);
    }
    if (changed.size() <= static_cast<std::size_t>(kStepLogCellCapacity)) {
        EXPECT_EQ(logged, changed);
    }
    const std::string text = DescribeStep(entry, "");
    std::set<char> named;
    for (int v : {entry.value1, entry.value2, entry.value3, entry.value4})
        if (v > 0 && v <= kMaxSize) named.insert(kValueSymbols[v]);
    if (text.starts_with("Given ")) {
        EXPECT_EQ(named, placed) << text;
    } else if (text.find("other than") != std::string::npos) {
        std::set<char> kept;
        for (const BoardCell* cell : loggedCells)
            for (int v = 1; v <= board.size; ++v)
                if (cell->candidates & bitOf(v)) kept.insert(kValueSymbols[v]);
        EXPECT_EQ(named, kept) << text;
    } else if (!text.starts_with("Common")) {
        for (char symbol : removed) EXPECT_TRUE(named.count(symbol)) << text;
    }
}

// What the hint marks draw holds together: a frame for every pattern but single colours, whose
// cells carry colour classes instead; chains whose links point back into their own branch, with
// the agreed nodes on exactly the changed cells.
void ExpectMarksHoldTogether(const SudokuBoard& board, const StepDisplay& display) {
    const bool colours =
        display.technique == SingleColoursType1 || display.technique == SingleColoursType2;
    EXPECT_EQ(display.patternCellNbr == 0, colours);
    EXPECT_EQ(display.page == NoHintPage, colours);
    for (int i = 0; i < display.patternCellNbr; ++i) {
        EXPECT_LT(display.patternCells[i].column, board.size);
        EXPECT_LT(display.patternCells[i].row, board.size);
    }
    if (colours) {
        EXPECT_GE(display.colouredNbr, 3);
        for (int i = 0; i < display.changeNbr; ++i) {
            const int colour = display.colour[display.changes[i].column][display.changes[i].row];
            EXPECT_EQ(colour, display.falseColour);  // 0 for type I: the cell sees both colours
        }
    }
    std::set<int> agreed, changedCells;
    for (int i = 0; i < display.changeNbr; ++i)
        changedCells.insert(CellIndex(display.changes[i].column, display.changes[i].row));
    for (int i = 0; i < display.chainNodeNbr; ++i) {
        const ChainMark& node = display.chain[i];
        if (node.role == ChainRoot) {
            EXPECT_EQ(node.parent, -1);
            continue;
        }
        ASSERT_GE(node.parent, 0);
        ASSERT_LT(node.parent, i);
        EXPECT_EQ(display.chain[node.parent].branch, node.branch);
        if (node.role == ChainAgreed) agreed.insert(CellIndex(node.column, node.row));
    }
    if (display.technique == ForcedChains) {
        EXPECT_EQ(agreed, changedCells);
        EXPECT_EQ(display.chain[0].role, ChainRoot);
    }
}

TEST(RegressionLibrary, EveryCaseGivesItsExpectedStep) {
    const std::vector<RegressionCase> cases =
        ReadCases(std::string(RARUDUZ_TEST_DATA) + "/techniques.txt");
    ASSERT_GE(cases.size(), 40u);
    HeadlessPlatform platform;
    for (const RegressionCase& item : cases) {
        SCOPED_TRACE("techniques.txt line " + std::to_string(item.lineNumber));
        // Types II come from the routine of type I.
        const OrderedRoutine* routine = RoutineOf(item.technique);
        ASSERT_NE(routine, nullptr) << "no routine for technique " << item.technique;
        ASSERT_TRUE(item.board.size() == 81 || item.board.size() == 256);
        ASSERT_FALSE(item.expected.empty()) << "no expected effects";
        auto board = MakeBoard(platform, item.board);
        for (const std::string& removal : item.removals) ASSERT_TRUE(ApplyRemoval(*board, removal));

        SolveStep step;
        const std::string effects = RunRoutine(routine->find, *board, step);
        if (item.expected == "none") {
            EXPECT_EQ(effects, "");
            continue;
        }
        EXPECT_EQ(step.technique, item.technique);
        EXPECT_EQ(effects, item.expected);
        auto display = std::make_unique<StepDisplay>();
        ShowStep(step, *display);
        ExpectLogTellsTheSameStory(*board, *display, effects);
        ExpectMarksHoldTogether(*board, *display);
        for (int x = 0; x < board->size; ++x)
            for (int y = 0; y < board->size; ++y)
                EXPECT_EQ(board->Cell(x, y).candidateNbr, BitCount(board->Cell(x, y).candidates));
    }
}
}  // namespace
