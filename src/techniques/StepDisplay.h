#pragma once
// What one applied step shows, in one flat record that every reader draws from: the step log and
// its descriptions, the step effects of the command line, the hint marks and the Hint Data pages.
// Each technique family fills it from its own section of the SolveStep, next to its finder, so no
// reader has to know which section a technique writes.
//
// The record, field by field (coordinates 0-based; a count says how many entries of its list are
// used, later entries hold nothing meaningful):
// - technique: the TechniqueId of the step.
// - page: the family's Hint Data page; NoHintPage for the families that have none.
// - values, valueNbr: the values the step names, in the order its description names them: the
//   value placed, the candidate removed, the subset's values, a rectangle's pair. None for a
//   forced chain.
// - keyValues, keyValueNbr: the pivot's two values of a Y-wing, which the step does not remove.
// - patternCells, patternCellNbr: the cells that define the pattern and get the hint's frame: the
//   solved cell of a single, the pointing or line cells, the subset's cells, the corners of a
//   rectangle or an X-wing, pivot and wings of a Y-wing, the start of a forced chain, the guessed
//   cell. Single colours mark their cells with colour classes instead.
// - singleUnitKind, singleUnit: for the singles that look at placed values only, the unit whose
//   other cells the hint's elimination lines cross (a UnitKind); -1 for every other step.
// - placedValue, placedCell: the value the step writes into a cell (a single, a guess), or 0.
// - changes, changeNbr: every cell whose candidates the technique reduced, in the order the
//   technique met them, with the candidates it removed there; for a forced chain also the value
//   both branches agree on (settledValue, 0 for other steps). The two cells of a hidden pair are
//   both listed, even one that had nothing to lose. A placement's own consequence, its value
//   cleared from the cell's peers, is the board's doing and is not listed.
// - logsPlacement: the step log lists the placed cell instead of the changes (the singles).
// - colour, colouredNbr: single colours: the class of each cell ([column][row]: 0 none, 1 or 2)
//   and how many cells are coloured; falseColour, for type II, the class found false.
// - chain, chainNodeNbr: forced chains: the nodes of both branches, branch A first, each with the
//   value it forces in its cell, the value it rules out there, the index in `chain` of the node
//   that forced it (-1 for a branch's root) and its role: the root, a forced value, or a value
//   both branches agree on (the step's result).

#include <array>
#include <cstdint>

#include "engine/BoardTypes.h"
#include "techniques/SolveStep.h"

// The Hint Data page of a step's family.
enum HintPage : std::int32_t {
    NoHintPage = 0,
    PlacementPage,
    PointingPairPage,
    BoxLineReductionPage,
    NakedPairPage,
    HiddenPairPage,
    NakedTriplePage,
    HiddenTriplePage,
    NakedQuadPage,
    UniqueRectangleType1Page,
    UniqueRectangleType2Page,
    XWingsPage,
    YWingsPage,
    ForcedChainsPage,
    BruteForceGuessPage,
};

enum ChainRole : std::int32_t { ChainRoot = 0, ChainForced = 1, ChainAgreed = 2 };

struct StepChange {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t removedMask = 0;
    std::int32_t settledValue = 0;
};

struct ChainMark {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t value = 0;
    std::int32_t excludedValue = 0;
    std::int32_t parent = -1;
    std::int32_t branch = 0;  // 0 for A, 1 for B
    std::int32_t role = ChainRoot;
};

inline constexpr int kDisplayChangeCapacity = kGridCells;
inline constexpr int kDisplayChainCapacity = 2 * SolveStep::kChainCapacity;

struct StepDisplay {
    std::int32_t technique = UnknownTechnique;
    std::int32_t page = NoHintPage;
    std::int32_t valueNbr = 0;
    std::array<std::int32_t, 4> values{};
    std::int32_t keyValueNbr = 0;
    std::array<std::int32_t, 2> keyValues{};
    std::int32_t patternCellNbr = 0;
    std::array<StepCell, 4> patternCells{};
    std::int32_t singleUnitKind = -1;
    std::int32_t singleUnit = 0;
    std::int32_t placedValue = 0;
    StepCell placedCell{};
    std::int32_t changeNbr = 0;
    std::array<StepChange, kDisplayChangeCapacity> changes{};
    std::int32_t logsPlacement = 0;
    std::int32_t colouredNbr = 0;
    std::int32_t falseColour = 0;
    std::array<std::array<std::int32_t, 16>, 16> colour{};
    std::int32_t chainNodeNbr = 0;
    std::array<ChainMark, kDisplayChainCapacity> chain{};

    // Starts the record of a step: every count and marker back to nothing.
    void Begin(std::int32_t stepTechnique, std::int32_t stepPage);
    void AddValue(std::int32_t v) { values[valueNbr++] = v; }
    void AddPatternCell(StepCell cell) { patternCells[patternCellNbr++] = cell; }
    void AddChange(std::int32_t column, std::int32_t row, std::int32_t removedMask,
                   std::int32_t settledValue = 0) {
        changes[changeNbr++] = {column, row, removedMask, settledValue};
    }
    // The first count entries of a removal list, as far as the list reaches.
    template <std::size_t Capacity>
    void AddChanges(const std::array<StepRemoval, Capacity>& removals, int count);
};

template <std::size_t Capacity>
void StepDisplay::AddChanges(const std::array<StepRemoval, Capacity>& removals, int count) {
    const int listed = count < 0 ? 0 : count > static_cast<int>(Capacity) ? Capacity : count;
    for (int i = 0; i < listed; ++i)
        AddChange(removals[i].column, removals[i].row, removals[i].mask);
}

// How the step log describes a step of one technique: "%s" stands for the step's values, then
// for the plural suffix; the description ends with every listed cell, the first two joined by
// " & ", or the first alone.
enum class CellListing { All, FirstTwo, FirstOnly };
struct StepDescription {
    const char* text;
    int valueCount;
    CellListing cells;
};
