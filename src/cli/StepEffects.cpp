#include "cli/StepEffects.h"

#include "engine/SudokuBoard.h"

namespace {
bool ArePeers(const BoardData& data, int column1, int row1, int column2, int row2) {
    const int n = data.boxSize;
    return column1 == column2 || row1 == row2 ||
           (column1 / n == column2 / n && row1 / n == row2 / n);
}
}  // namespace

std::vector<CellEffect> CollectStepEffects(const BoardData& data, const CellGrid& before,
                                           const CellGrid& after) {
    std::vector<CellEffect> placements;
    for (int y = 0; y < data.size; ++y)
        for (int x = 0; x < data.size; ++x) {
            const int value = after[CellIndex(x, y)].value;
            if (value >= 1 && value != before[CellIndex(x, y)].value)
                placements.push_back({x, y, value, 0});
        }
    std::vector<CellEffect> effects;
    std::size_t nextPlacement = 0;
    for (int y = 0; y < data.size; ++y)
        for (int x = 0; x < data.size; ++x) {
            if (nextPlacement < placements.size() && placements[nextPlacement].column == x &&
                placements[nextPlacement].row == y) {
                effects.push_back(placements[nextPlacement++]);
                continue;
            }
            const BoardCell& now = after[CellIndex(x, y)];
            if (!now.IsEmpty()) continue;
            std::uint32_t removed = before[CellIndex(x, y)].candidates & ~now.candidates;
            for (const CellEffect& placement : placements)
                if (ArePeers(data, x, y, placement.column, placement.row))
                    removed &= ~bitOf(placement.placedValue);
            if (removed != 0) effects.push_back({x, y, -1, removed});
        }
    return effects;
}

std::string EffectText(const CellEffect& effect) {
    std::string text = "r";
    text += std::to_string(effect.row + 1);
    text += 'c';
    text += std::to_string(effect.column + 1);
    if (effect.placedValue >= 1) {
        text += '=';
        text += ValueSymbol(effect.placedValue);
        return text;
    }
    text += '-';
    for (int v = 1; v <= kMaxSize; ++v)
        if (effect.removed & bitOf(v)) text += kValueSymbols[v];
    return text;
}

std::string StepEffectsText(const std::vector<CellEffect>& effects) {
    std::string text;
    for (const CellEffect& effect : effects) {
        if (!text.empty()) text += ' ';
        text += EffectText(effect);
    }
    return text;
}

bool AgreesWithSolution(const CellEffect& effect, const CellGrid& solution, CellEffect& wrong) {
    const int expected = solution[CellIndex(effect.column, effect.row)].value;
    wrong = effect;
    if (effect.placedValue >= 1) return effect.placedValue == expected;
    wrong.removed = effect.removed & bitOf(expected);
    return wrong.removed == 0;
}
