#pragma once
// What a shown hint adds to the board picture: framed cells, elimination lines, chain links and
// circled candidates, and the candidates the step removed (drawn struck through). Built once
// when a Hint is taken; the view reads it on every paint while the hint is shown.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/BoardTypes.h"
#include "shell/BoardGeometry.h"
#include "shell/PictureShapes.h"
#include "techniques/StepDisplay.h"

// Fixed colours of the hint marks.
inline constexpr Colour kHintFrameColour = 0x00FFFF;    // yellow
inline constexpr Colour kEliminationColour = 0x0000FF;  // red
inline constexpr Colour kChainColourA = 0x4DB135;       // red 53, green 177, blue 77
inline constexpr Colour kChainColourB = 0x8031B5;       // red 181, green 49, blue 128
inline constexpr Colour kChainRed = 0x0000FF;
inline constexpr Colour kChainGreen = 0x00FF00;
inline constexpr Colour kChainYellow = 0x00FFFF;

struct HintFrame {
    CellPosition cell;
    Colour colour = kHintFrameColour;
};

struct MarkedCandidate {
    CellPosition cell;
    int value = 0;
};

struct ChainLink {
    MarkedCandidate from;
    MarkedCandidate to;
    Colour colour = kChainRed;
};

struct CircledCandidate {
    MarkedCandidate candidate;
    Colour colour = kChainRed;
};

struct HintMarks {
    std::vector<HintFrame> frames;
    // Screen columns crossed by a vertical elimination line, and screen rows by a horizontal one.
    std::vector<int> eliminationColumns;
    std::vector<int> eliminationRows;
    std::vector<ChainLink> chainLinks;
    std::vector<CircledCandidate> circles;
    // The candidates the step removed, by CellIndex.
    std::array<std::uint32_t, kGridCells> removed{};
};

// The marks of an applied step, read from what the step shows and from the board after it.
void BuildHintMarks(const StepDisplay& display, const BoardData& board, HintMarks& marks);
