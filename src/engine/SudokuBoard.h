#pragma once
// The board: cells, candidates and counts, the puzzle's attributes, its solution grid, the state
// of the exhaustive solver, the technique tables and the board's own solve statistics.
//
// Coordinates are (column, row), 0-based, column first; callers keep them in 0..size-1 and values
// in 1..size (-1 where a value may be empty) unless an operation says it checks them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/BoardTypes.h"
#include "engine/ChangeStamps.h"
#include "engine/RunControl.h"
#include "engine/SolveStatistics.h"
#include "engine/SolveStatus.h"
#include "engine/UnitMasks.h"
#include "platform/Platform.h"
#include "techniques/TechniqueCatalogue.h"

// The view's entry mode, passed to SetValue.
enum EntryMode : std::int32_t { SolveMode = 0, SetMode = 1, BruteForceSolvingMode = 2 };

inline constexpr int kStoredSolutionCapacity = 50;

// How far the exhaustive solver counts.
enum BruteForceMode : std::int32_t {
    StopAtFirstSolution = 1,   // whether a solution exists
    CountToFifty = 2,          // the solutions to list, up to kStoredSolutionCapacity
    StopAtSecondSolution = 3,  // whether the solution is unique
};

inline constexpr std::array<char, kMaxSize + 1> kNoLetters = [] {
    std::array<char, kMaxSize + 1> letters{};
    letters.fill('.');
    return letters;
}();

class SudokuBoard : public BoardData {
public:
    // Reads the brute-force-guess permission from the settings; the destructor writes it back.
    explicit SudokuBoard(Platform& platform);
    virtual ~SudokuBoard();
    SudokuBoard(const SudokuBoard&) = delete;
    SudokuBoard& operator=(const SudokuBoard&) = delete;

    Platform& platform() const { return *platform_; }
    BoardData& data() { return *this; }
    const BoardData& data() const { return *this; }

    // --- Board model -------------------------------------------------------------------------
    // source may be null; a description "None" is stored empty. Always returns 1.
    int Initialise(int size, int level, std::string_view name, std::string_view description,
                   const BoardData* source, int cluesOnly, int isWordoku);
    int Recount();
    int RecomputeCandidates();
    // The cell's value was just written: it leaves the peers' candidates. 0 and no change when
    // the cell is empty.
    int PlaceAndPropagate(int x, int y);
    // Gives v back to the peers of (x, y) after the caller emptied that cell.
    int RestoreCandidate(int x, int y, int v);
    int CopyGrid(const CellGrid& from, CellGrid& to) const;
    int ClearGivens();
    // The record as it is: its cells, Wordoku fields and score, level 0, no name.
    int LoadRecord(const BoardData& record);

    int BoxIndex(int x, int y) const { return UnitTableFor(size).box[CellIndex(x, y)]; }
    // A box's walk starts at its top left cell.
    void BoxOrigin(int box, int& firstColumn, int& firstRow) const {
        const int first = UnitTableFor(size).cellIndex[BoxUnit][box][0];
        firstColumn = ColumnOfIndex(first);
        firstRow = RowOfIndex(first);
    }
    int IsValueInBox(int firstColumn, int firstRow, int v) const;
    int IsValueInColumn(int x, int v) const;
    int IsValueInRow(int y, int v) const;
    // The values 1..max in the cell's candidate set, ascending, at most max of them.
    int CandidateList(int x, int y, int* list, int max) const;
    static int MaskToList(std::uint32_t set, int* list, int max);

    // --- Writes of the solvers ------------------------------------------------------------------
    // They keep Masks() and Changes() true to the cells. Every solve and hint starts with
    // RebuildMasks, so that code outside them may write cells directly.
    // Value v in the empty cell as a solver places it: type Given, then propagation.
    void Place(int x, int y, int v);
    // Value v in the empty cell, type Given, the candidates left as they are.
    void Fill(int x, int y, int v);
    // Clears the bits of mask from the cell's candidates, keeping the count right. Returns the
    // bits that were actually cleared.
    std::uint32_t RemoveCandidates(int index, std::uint32_t mask);
    void RebuildMasks();
    const UnitMasks& Masks() const { return masks_; }
    ChangeStamps& Changes() { return changes_; }

    // --- Entry --------------------------------------------------------------------------------
    // Any mode and value are accepted: out-of-range values are refused with a message.
    int SetValue(int mode, int x, int y, int v);

    // --- Exhaustive solver ---------------------------------------------------------------------
    // A stop requested through control ends the search; more than one solution leaves
    // solutionNbr above 1, for the caller to list them.
    SolveStatus SolveBruteForce(BruteForceMode mode, RunControl* control = nullptr);

    // --- Rating and mistake checking ----------------------------------------------------------
    void LevelFromScore();
    int RateBoard();
    // control reaches the exhaustive solve. Afterwards solutionNbr holds that solve's count: above
    // 1, the caller lists the solutions.
    int PrepareShowMistakes(RunControl* control = nullptr);

    std::array<std::int32_t, kMaxSize> boxColumnStart{};
    std::array<std::int32_t, kMaxSize> boxRowStart{};
    // 1 while the exhaustive solver runs; a stop goes through the solve's RunControl.
    std::int32_t bruteForceRunning = 0;
    std::int32_t solutionKnown = 0;
    std::int32_t mistakeCheckEnabled = 0;
    // The board's one solution, once a counting run that was not stopped proved there is only
    // one. Cleared by Initialise and by every other exhaustive run.
    std::int32_t uniqueSolutionKnown = 0;
    CellGrid uniqueSolution{};
    CellGrid firstSolution{};
    std::int32_t solutionNbr = 0;
    std::int32_t solutionLimit = 1;
    std::array<std::string_view, kTechniqueNameCapacity> techniqueName{};
    std::array<std::int32_t, kTechniqueIdCount> techniqueWeight{};
    SolveStatistics statistics;
    std::array<CellGrid, kStoredSolutionCapacity> solutions{};
    std::int32_t allowBruteForceTech = 1;
    // The letter of each value in Wordoku display, entry v for value v ("." until SetLetterString
    // fills it).
    std::array<char, kMaxSize + 1> letterTable = kNoLetters;

private:
    Platform* platform_;
    // Rating wants the counts and the score alone; kept from board to board rather than a new
    // record, step log included, for each rating.
    SolveStatistics ratingStatistics_;
    UnitMasks masks_;
    ChangeStamps changes_;
};

// The text drawn for value v: in Wordoku display its letter of the board's letter table, otherwise
// its board-text symbol; "." for an empty cell.
inline char SymbolText(const SudokuBoard& board, int wordokuDisplay, int v) {
    if (v < 1 || v > board.size) return '.';
    return wordokuDisplay ? board.letterTable[v] : ValueSymbol(v);
}
