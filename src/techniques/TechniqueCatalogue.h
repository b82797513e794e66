#pragma once
// The catalogue of techniques: identifiers, names, statistics labels, weights and the order in
// which the solve drivers try them. Everything that names or weighs a technique reads it here.

#include <array>
#include <cstdint>

enum TechniqueId : std::int32_t {
    UnknownTechnique = 0,
    SingleInBox = 1,
    SingleInRow = 2,
    SingleInColumn = 3,
    HiddenSingleInBox = 4,
    HiddenSingleInRow = 5,
    HiddenSingleInColumn = 6,
    NakedSingle = 7,
    PointingPairInRow = 8,
    PointingPairInColumn = 9,
    BoxLineReductionInRow = 10,
    BoxLineReductionInColumn = 11,
    NakedPairInBox = 12,
    NakedPairInRow = 13,
    NakedPairInColumn = 14,
    HiddenPairInBox = 15,
    HiddenPairInRow = 16,
    HiddenPairInColumn = 17,
    NakedTripleInBox = 18,
    NakedTripleInRow = 19,
    NakedTripleInColumn = 20,
    HiddenTripleInBox = 21,
    HiddenTripleInRow = 22,
    HiddenTripleInColumn = 23,
    NakedQuadInBox = 24,
    NakedQuadInRow = 25,
    NakedQuadInColumn = 26,
    UniqueRectangleType1 = 27,
    UniqueRectangleType2 = 28,
    UniqueRectangleType3 = 29,
    UniqueRectangleType4 = 30,
    SingleColoursType1 = 31,
    SingleColoursType2 = 32,
    XWings = 33,
    YWings = 34,
    ForcedChains = 35,
    BruteForceGuess = 36,
};

inline constexpr int kTechniqueIdCount = 37;  // ids 0..36
// The board's technique-name table has room for 50 names; 0..36 are used.
inline constexpr int kTechniqueNameCapacity = 50;

struct TechniqueInfo {
    TechniqueId id;
    const char* name;             // shown wherever a step is named
    const char* statisticsLabel;  // printed in front of ": %d call%s" in the batch report
    std::int32_t weight;          // added to the score sum per step
};

// Indexed by TechniqueId.
inline constexpr std::array<TechniqueInfo, kTechniqueIdCount> kTechniques = {{
    {UnknownTechnique, "Unknown", "Unknown", 0},
    {SingleInBox, "Single in a Box", "Single in a Box", 1},
    {SingleInRow, "Single in a Row", "Single in a Row", 1},
    {SingleInColumn, "Single in a Column", "Single in a Column", 1},
    {HiddenSingleInBox, "Hidden Single in a Box", "Hidden Single in a Box", 3},
    {HiddenSingleInRow, "Hidden Single in a Row", "Hidden Single in a Row", 3},
    {HiddenSingleInColumn, "Hidden Single in a Column", "Hidden Single in a Column", 3},
    {NakedSingle, "Naked Single in a Box, a Row or a Column", "Naked Single (Box, Row and Col)", 1},
    {PointingPairInRow, "Pointing Pair Reduction in a Row", "Pointing Pair Reduction in a Row", 6},
    {PointingPairInColumn, "Pointing Pair Reduction in a Column",
     "Pointing Pair Reduction in a Column", 6},
    {BoxLineReductionInRow, "Box Line Reduction in a Row", "Box Line Reduction in a Row", 6},
    {BoxLineReductionInColumn, "Box Line Reduction in a Col", "Box Line Reduction in a Column", 6},
    {NakedPairInBox, "Naked Pair in a Box", "Naked Pair in a Box", 4},
    {NakedPairInRow, "Naked Pair in a Row", "Naked Pair in a Row", 4},
    {NakedPairInColumn, "Naked Pair in a Column", "Naked Pair in a Column", 4},
    {HiddenPairInBox, "Hidden Pair in a Box", "Hidden Pair in a Box", 5},
    {HiddenPairInRow, "Hidden Pair in a Row", "Hidden Pair in a Row", 5},
    {HiddenPairInColumn, "Hidden Pair in a Column", "Hidden Pair in a Column", 5},
    {NakedTripleInBox, "Naked Triple in a Box", "Naked Triple in a Box", 6},
    {NakedTripleInRow, "Naked Triple in a Row", "Naked Triple in a Row", 6},
    {NakedTripleInColumn, "Naked Triple in a Column", "Naked Triple in a Column", 6},
    {HiddenTripleInBox, "Hidden Triple in a Box", "Hidden Triple in a Box", 7},
    {HiddenTripleInRow, "Hidden Triple in a Row", "Hidden Triple in a Row", 7},
    {HiddenTripleInColumn, "Hidden Triple in a Column", "Hidden Triple in a Column", 7},
    {NakedQuadInBox, "Naked Quad in a Box", "Naked Quad in a Box", 8},
    {NakedQuadInRow, "Naked Quad in a Row", "Naked Quad in a Row", 8},
    {NakedQuadInColumn, "Naked Quad in a Column", "Naked Quad in a Column", 8},
    {UniqueRectangleType1, "Unique Rectangle Type I", "Unique Rectangle Type I", 10},
    {UniqueRectangleType2, "Unique Rectangle Type II", "Unique Rectangle Type II", 10},
    {UniqueRectangleType3, "Unique Rectangle Type III", "Unique Rectangle Type III", 12},
    {UniqueRectangleType4, "Unique Rectangle Type IV", "Unique Rectangle Type IV", 12},
    {SingleColoursType1, "Single Colours Type I", "Single Colours Type I", 24},
    {SingleColoursType2, "Single Colours Type II", "Single Colours Type II", 24},
    {XWings, "X-Wings", "X Wings", 12},
    {YWings, "Y-Wings", "Y Wings", 12},
    {ForcedChains, "Forced Chains", "Forced Chains", 16},
    {BruteForceGuess, "Brute Force Guess", "Brute Force Guess", 16},
}};

// The order in which the batch report lists the techniques.
inline constexpr std::array<TechniqueId, 36> kStatisticsReportOrder = {
    SingleInBox,          SingleInRow,          SingleInColumn,        HiddenSingleInBox,
    HiddenSingleInRow,    HiddenSingleInColumn, NakedSingle,           PointingPairInRow,
    PointingPairInColumn, BoxLineReductionInRow, BoxLineReductionInColumn, NakedPairInRow,
    NakedPairInColumn,    NakedPairInBox,       HiddenPairInRow,       HiddenPairInColumn,
    HiddenPairInBox,      NakedTripleInRow,     NakedTripleInColumn,   NakedTripleInBox,
    HiddenTripleInBox,    HiddenTripleInRow,    HiddenTripleInColumn,  NakedQuadInBox,
    NakedQuadInRow,       NakedQuadInColumn,    UniqueRectangleType1,  UniqueRectangleType2,
    UniqueRectangleType3, UniqueRectangleType4, XWings,                YWings,
    ForcedChains,         SingleColoursType1,   SingleColoursType2,    BruteForceGuess,
};

constexpr bool IsValidTechniqueId(int id) { return id >= 0 && id < kTechniqueIdCount; }
