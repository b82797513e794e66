#pragma once
// The wording of the "Special Board Generation" dialog: its drop-down items, the result list's
// column titles, its note and the messages of reading a result row back.

#include <array>

#include "engine/BoardLevel.h"
#include "techniques/TechniqueCatalogue.h"

// Item of "Technique Included: " for a technique: its catalogue name, but for the naked single,
// which this list has always named in another order.
constexpr const char* SpecialTechniqueText(int techniqueId) {
    return techniqueId == NakedSingle ? "Naked Single in a Row, a Box or a Column"
                                      : kTechniques[techniqueId].name;
}

// The choices of "Number of Generation Attempts: ", as listed; the number shown is the limit.
inline constexpr std::array<const char*, 26> kSpecialAttemptTexts = {
    "   1000", "   2000", "   3000", "   4000", "   5000", "  10000", "  15000",
    "  20000", "  25000", "  30000", "  40000", "  50000", "  60000", "  70000",
    "  80000", "  90000", " 100000", " 200000", " 300000", " 400000", " 500000",
    " 600000", " 700000", " 800000", " 900000", "1000000"};

// Items of "Minimum Level: " and "Maximum Level: ", indexed by BoardLevel: the level names, with
// "Unspecified" for the level that bounds nothing.
inline constexpr std::array<const char*, kBoardLevelCount> kSpecialLevelTexts = [] {
    std::array<const char*, kBoardLevelCount> texts = kBoardLevelNames;
    texts[UnknownLevel] = "Unspecified";
    return texts;
}();

// Column titles of the result list, in order.
inline constexpr std::array<const char*, 7> kSpecialResultColumns = {
    " Ndx ",         " Attempt Ndx ", " Clues Nbr ", " Tech. Occur. ",
    " Board Level ", " Board Score ", " Board "};

inline constexpr char kSpecialCriteriaNote[] =
    "Note: Some combinaisons of criteria may be irrelevant and no board will be generated ";
inline constexpr char kSpecialImportReadError[] = "Error Getting Board Data !!! End of Job ...";
inline constexpr char kSpecialExportReadError[] =
    "Error Getting Board Data !!! Unable to Export Board to File ....";
