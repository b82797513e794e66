#pragma once
// What the "Hint Data" page shows for the hint on screen: the technique line, the detail page of
// the step's family with its fields, and the list of the cells the step changed. The make-up of
// every detail page is one table here, which the window builds its pages from.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "shell/RaruduzDoc.h"
#include "techniques/StepDisplay.h"

inline constexpr char kHintTechniqueLabel[] = "Solving Technique: ";
inline constexpr char kUpdatedNbrLabel[] = "Number of Cells Updated:";
inline constexpr char kUpdatedListLabel[] = "Cells Updated: ";

// The forced chains list shows at most this many cells; a longer one makes the board exceptional
// enough that its maker wants to see it.
inline constexpr int kHintListLimit = 32;
inline constexpr char kHintListCutMessage[] =
    "Exceptional Board : More than 32 Cells Updated by Forced Chains !!! \nPlease Export this "
    "Board to a Text File and Send it to Duvere ...";

// Where a field's text comes from in the step's display.
enum class HintFieldSource {
    Heading,       // a label over the fields that follow; no text of its own
    PatternCells,  // "r1c2, r1c5"
    Values,        // "3, 7"
    ValuesJoined,  // "3 and 7"
    KeyValues,     // a Y-wing's pivot values
    PlacedRow,     // counted from 1
    PlacedColumn,  // counted from 1
};

// The columns of a page's "Cells Updated: " list after "Ndx", "Row" and "Col".
enum class HintListKind {
    None,             // the singles' page has no list
    Cells,            // nothing more
    RemovedValues,    // "Cand. Removed"
    AgreedAndRemoved  // "Common Cand.", "Cand. Removed"
};

struct HintField {
    const char* label = nullptr;
    HintFieldSource source = HintFieldSource::Heading;
};

struct HintPageLayout {
    std::array<HintField, 4> fields{};
    int fieldNbr = 0;
    HintListKind list = HintListKind::None;
};

inline constexpr int kHintPageCount = BruteForceGuessPage + 1;

// The layout of a HintPage; NoHintPage and unknown pages have no fields and no list.
const HintPageLayout& HintPageLayoutOf(int page);
// The headers of a list of that kind; none for HintListKind::None.
std::vector<std::string> HintListHeaders(HintListKind kind);

struct HintDataTexts {
    std::string technique;            // the step's technique, or two spaces without a hint
    int page = NoHintPage;            // the detail page shown alone; NoHintPage shows none
    std::vector<std::string> fields;  // one per field of the page's layout
    std::string updatedNbr;           // every cell the step changed, listed or not
    std::vector<std::vector<std::string>> rows;  // one per listed cell, as the headers say
};

// The page for the hint on screen, values written as the display writes them.
HintDataTexts HintDataOf(const CRaruduzDoc& document);
// The page for a shown step: `viewMode` and `letters` as SymbolText takes them.
HintDataTexts HintDataOf(const StepDisplay& display, std::string technique, int viewMode,
                         std::string_view letters);
// True when the step's page cannot list every cell the step changed.
bool HintListIsCut(const StepDisplay& display);
