#pragma once
// The record in which a technique reports the one step it applied. The driver owns one and hands
// it to every routine; a routine writes `technique` and its own section only, so the other
// sections keep whatever earlier steps left there. Lists are sized for 16 x 16 boards so that
// every cell a step changes is recorded.

#include <array>
#include <cstdint>

#include "techniques/TechniqueCatalogue.h"

struct StepCell {
    std::int32_t column = 0;
    std::int32_t row = 0;
};

struct StepRemoval {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t mask = 0;  // every candidate this step removed from the cell
};

// A line or box of 16 cells: a step removes from at most 15 of them.
inline constexpr int kUnitRemovalCapacity = 16;
// Cells of a box that lie on one line: up to 4 on 16 x 16.
inline constexpr int kLineCellCapacity = 4;
// Removals that can touch any cell of the board.
inline constexpr int kBoardRemovalCapacity = 256;

struct SolveStep {
    // Head: singles and hidden singles.
    std::int32_t technique = UnknownTechnique;
    std::int32_t value = 0;
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t unitBox = 0;
    std::int32_t unitFirstColumn = 0;
    std::int32_t unitFirstRow = 0;

    struct BoxLineReductionSection {
        std::int32_t value = 0;
        std::array<StepCell, kLineCellCapacity> lineCells{};
        std::int32_t lineCellCount = 0;
        std::array<StepRemoval, kUnitRemovalCapacity> removals{};
        std::int32_t removalCount = 0;
    } boxLine;

    struct HiddenPairSection {
        std::int32_t valueA = 0;
        std::int32_t valueB = 0;
        std::array<StepCell, 2> cells{};
        std::array<std::int32_t, 2> removedMasks{};
    } hiddenPair;

    struct NakedPairSection {
        std::int32_t valueA = 0;
        std::int32_t valueB = 0;
        std::array<StepCell, 2> cells{};
        std::array<StepRemoval, kUnitRemovalCapacity> removals{};
        std::int32_t removalCount = 0;
    } nakedPair;

    struct PointingPairSection {
        std::int32_t value = 0;
        std::array<StepCell, kLineCellCapacity> pointingCells{};
        std::int32_t pointingCellCount = 0;  // those of the box that acts
        std::array<StepRemoval, kUnitRemovalCapacity> removals{};
        std::int32_t removalCount = 0;
    } pointingPair;

    // Naked triple, hidden triple and naked quad share one shape.
    template <int SubsetSize>
    struct SubsetSection {
        std::array<std::int32_t, SubsetSize> values{};
        std::array<StepCell, SubsetSize> cells{};
        std::array<StepRemoval, kUnitRemovalCapacity> removals{};
        std::int32_t removalCount = 0;
    };
    SubsetSection<3> nakedTriple;
    SubsetSection<3> hiddenTriple;
    SubsetSection<4> nakedQuad;

    struct XWingsSection {
        std::int32_t value = 0;
        std::array<StepCell, 4> corners{};
        std::array<StepRemoval, 32> removals{};
        std::int32_t removalCount = 0;
    } xWings;

    struct YWingsSection {
        std::int32_t pivotColumn = 0;
        std::int32_t wing1Column = 0;
        std::int32_t wing2Column = 0;
        std::int32_t pivotRow = 0;
        std::int32_t wing1Row = 0;
        std::int32_t wing2Row = 0;
        std::int32_t valueA = 0;
        std::int32_t valueB = 0;
        std::int32_t valueZ = 0;
        std::array<StepRemoval, 4> removals{};
        std::int32_t removalCount = 0;
    } yWings;

    struct UniqueRectangleSection {
        std::int32_t valueA = 0;
        std::int32_t valueB = 0;
        std::array<StepCell, 4> corners{};
        std::int32_t targetColumn = 0;
        std::int32_t targetRow = 0;
        std::int32_t pairMask = 0;
        std::int32_t extraValue = 0;
        std::array<StepCell, 4> roofCorners{};
        std::array<StepRemoval, kUnitRemovalCapacity> removals{};
        std::int32_t removalCount = 0;
    } uniqueRectangle;

    struct SingleColoursSection {
        std::int32_t value = 0;
        std::int32_t colourTechnique = 0;
        std::int32_t falseColour = 0;
        std::array<std::array<std::int32_t, 16>, 16> colour{};  // [column][row]: 0, 1 or 2
        std::array<StepRemoval, kBoardRemovalCapacity> removals{};
        std::int32_t removalCount = 0;
    } singleColours;

    struct ChainNode {
        std::int32_t column = -1;
        std::int32_t row = -1;
        std::int32_t value = 0;
        std::int32_t excludedValue = 0;
        std::int32_t parent = 0;
    };
    struct ChainResult {
        std::int32_t column = 0;
        std::int32_t row = 0;
        std::int32_t parentA = 0;
        std::int32_t parentB = 0;
        std::int32_t value = 0;
        std::int32_t excludedMask = 0;
    };
    static constexpr int kChainCapacity = 100;
    struct ForcedChainsSection {
        std::int32_t chainNodeCount = -1;
        std::array<ChainNode, kChainCapacity> chainA{};
        std::array<ChainNode, kChainCapacity> chainB{};
        std::int32_t startColumn = 0;
        std::int32_t startRow = 0;
        std::array<ChainResult, kBoardRemovalCapacity> results{};
        std::int32_t resultCount = 0;
    } forcedChains;

    struct BruteForceGuessSection {
        std::int32_t column = 0;
        std::int32_t row = 0;
        std::int32_t value = 0;
        std::int32_t bivalueScore = 0;
        std::int32_t peerCount = 0;
        std::array<StepRemoval, 45> peers{};
        std::int32_t peerListCount = 0;
    } bruteForceGuess;
};
