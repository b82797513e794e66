#include "shell/HintDataTexts.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "shell/BoardPicture.h"
#include "shell/SidePanels.h"
#include "techniques/TechniqueTable.h"

namespace {
using Source = HintFieldSource;

constexpr HintPageLayout Layout(HintListKind list, std::initializer_list<HintField> fields) {
    HintPageLayout layout;
    layout.list = list;
    for (const HintField& field : fields) layout.fields[layout.fieldNbr++] = field;
    return layout;
}

// Subsets list what each cell lost, since that differs from cell to cell.
constexpr std::pair<HintPage, HintPageLayout> kLayouts[] = {
    {PlacementPage, Layout(HintListKind::None, {{"Given Solved: ", Source::Values},
                                                {"Given Location: ", Source::Heading},
                                                {"Row: ", Source::PlacedRow},
                                                {"Column: ", Source::PlacedColumn}})},
    {PointingPairPage,
     Layout(HintListKind::Cells, {{"Pointing Pair Location: ", Source::PatternCells},
                                  {"Removable Candidate:", Source::Values}})},
    {BoxLineReductionPage,
     Layout(HintListKind::RemovedValues, {{"Box Line Reduction Location: ", Source::PatternCells},
                                          {"Removable Candidate:", Source::Values}})},
    {NakedPairPage,
     Layout(HintListKind::RemovedValues, {{"Naked Pair Location: ", Source::PatternCells},
                                          {"Naked Pair Candidates:", Source::Values}})},
    {HiddenPairPage,
     Layout(HintListKind::RemovedValues, {{"Hidden Pair Location: ", Source::PatternCells},
                                          {"Hidden Pair Candidates:", Source::ValuesJoined}})},
    {NakedTriplePage,
     Layout(HintListKind::RemovedValues, {{"Naked Triple Location: ", Source::PatternCells},
                                          {"Naked Triple Candidates:", Source::Values}})},
    {HiddenTriplePage,
     Layout(HintListKind::RemovedValues, {{"Hidden Triple Location: ", Source::PatternCells},
                                          {"Hidden Triple Candidates:", Source::Values}})},
    {NakedQuadPage,
     Layout(HintListKind::RemovedValues, {{"Naked Quad Location: ", Source::PatternCells},
                                          {"Naked Quad Candidates:", Source::Values}})},
    {UniqueRectangleType1Page,
     Layout(HintListKind::Cells, {{"Unique Rectangle Location: ", Source::PatternCells},
                                  {"Candidates to Remove: ", Source::Values}})},
    {UniqueRectangleType2Page,
     Layout(HintListKind::Cells, {{"Unique Rectangle Location: ", Source::PatternCells},
                                  {"Candidate to Remove: ", Source::Values}})},
    {XWingsPage, Layout(HintListKind::Cells, {{"X Wings Location: ", Source::PatternCells},
                                              {"Removed Candidate:", Source::Values}})},
    {YWingsPage, Layout(HintListKind::Cells, {{"Y Wings Location: ", Source::PatternCells},
                                              {"Key Candidates: ", Source::KeyValues},
                                              {"Removed Candidate:", Source::Values}})},
    {ForcedChainsPage, Layout(HintListKind::AgreedAndRemoved,
                              {{"Forced Chains Starting Cell: ", Source::PatternCells}})},
    {BruteForceGuessPage,
     Layout(HintListKind::Cells, {{"Brute Force Guess Location: ", Source::PatternCells}})},
};

constexpr HintPageLayout kNoLayout{};

// Writes values the way the board view draws them.
class Symbols {
public:
    Symbols(int viewMode, std::string_view letters) : viewMode_(viewMode), letters_(letters) {}

    std::string Value(int value) const {
        return std::string(1, SymbolText(viewMode_, value, letters_));
    }
    template <typename Values>
    std::string List(const Values& values, int count, const char* separator) const {
        std::string text;
        for (int i = 0; i < count; ++i) {
            if (i > 0) text += separator;
            text += Value(values[i]);
        }
        return text;
    }
    std::string Mask(std::int32_t mask) const {
        std::array<int, kMaxSize> values{};
        int count = 0;
        for (int value = 1; value <= kMaxSize; ++value)
            if (static_cast<std::uint32_t>(mask) & bitOf(value)) values[count++] = value;
        return List(values, count, ", ");
    }

private:
    int viewMode_;
    std::string_view letters_;
};

std::string CellText(const StepCell& cell) {
    return "r" + std::to_string(cell.row + 1) + "c" + std::to_string(cell.column + 1);
}

std::string FieldText(const HintField& field, const StepDisplay& display, const Symbols& symbols) {
    switch (field.source) {
        case Source::Heading:
            return {};
        case Source::PatternCells: {
            std::string text;
            const int count = std::clamp(display.patternCellNbr, 0,
                                         static_cast<int>(display.patternCells.size()));
            for (int i = 0; i < count; ++i) {
                if (i > 0) text += ", ";
                text += CellText(display.patternCells[i]);
            }
            return text;
        }
        case Source::Values:
            return symbols.List(display.values, std::clamp(display.valueNbr, 0, 4), ", ");
        case Source::ValuesJoined:
            return symbols.List(display.values, std::clamp(display.valueNbr, 0, 4), " and ");
        case Source::KeyValues:
            return symbols.List(display.keyValues, std::clamp(display.keyValueNbr, 0, 2), ", ");
        case Source::PlacedRow:
            return std::to_string(display.placedCell.row + 1);
        case Source::PlacedColumn:
            return std::to_string(display.placedCell.column + 1);
    }
    return {};
}

std::vector<std::string> ListRow(int index, const StepChange& change, HintListKind kind,
                                 const Symbols& symbols) {
    std::vector<std::string> row = {std::to_string(index + 1), std::to_string(change.row + 1),
                                    std::to_string(change.column + 1)};
    if (kind == HintListKind::AgreedAndRemoved) row.push_back(symbols.Value(change.settledValue));
    if (kind != HintListKind::Cells) row.push_back(symbols.Mask(change.removedMask));
    return row;
}
}  // namespace

const HintPageLayout& HintPageLayoutOf(int page) {
    for (const auto& [known, layout] : kLayouts)
        if (known == page) return layout;
    return kNoLayout;
}

std::vector<std::string> HintListHeaders(HintListKind kind) {
    if (kind == HintListKind::None) return {};
    std::vector<std::string> headers = {"Ndx", "Row", "Col"};
    if (kind == HintListKind::AgreedAndRemoved) headers.emplace_back("Common Cand.");
    if (kind != HintListKind::Cells) headers.emplace_back("Cand. Removed");
    return headers;
}

bool HintListIsCut(const StepDisplay& display) {
    return display.page == ForcedChainsPage && display.changeNbr > kHintListLimit;
}

HintDataTexts HintDataOf(const StepDisplay& display, std::string technique, int viewMode,
                         std::string_view letters) {
    HintDataTexts texts;
    texts.technique = std::move(technique);
    const HintPageLayout& layout = HintPageLayoutOf(display.page);
    if (layout.fieldNbr == 0) return texts;
    texts.page = display.page;
    const Symbols symbols(viewMode, letters);
    for (int i = 0; i < layout.fieldNbr; ++i)
        texts.fields.push_back(FieldText(layout.fields[i], display, symbols));
    if (layout.list == HintListKind::None) return texts;
    const int changes = std::clamp(display.changeNbr, 0, kDisplayChangeCapacity);
    texts.updatedNbr = std::to_string(changes);
    const int listed =
        display.page == ForcedChainsPage ? std::min(changes, kHintListLimit) : changes;
    for (int i = 0; i < listed; ++i)
        texts.rows.push_back(ListRow(i, display.changes[i], layout.list, symbols));
    return texts;
}

HintDataTexts HintDataOf(const CRaruduzDoc& document) {
    std::string technique = HintTechniqueText(document);
    if (!document.view.hintShown) {
        HintDataTexts texts;
        texts.technique = std::move(technique);
        return texts;
    }
    StepDisplay display;
    ShowStep(document.step, display);
    return HintDataOf(display, std::move(technique), document.settings.viewMode,
                      DisplayLetters(document));
}
