#include "techniques/StepEffects.h"

#include <algorithm>

#include "techniques/UnitQueries.h"

std::vector<CellEffect> StepEffects(const StepDisplay& display, const BoardData& data,
                                    const CellGrid& before, ImpliedRemovals implied) {
    std::array<std::uint32_t, kGridCells> removed{};
    for (int i = 0; i < std::clamp(display.changeNbr, 0, kDisplayChangeCapacity); ++i) {
        const StepChange& change = display.changes[i];
        removed[CellIndex(change.column, change.row)] |= change.removedMask;
    }
    const int placed = display.placedValue >= 1
                           ? CellIndex(display.placedCell.column, display.placedCell.row)
                           : -1;
    if (placed >= 0) {
        const std::uint32_t bit = bitOf(display.placedValue);
        for (const int peer : PeersOf(data.size, placed))
            if (implied == ImpliedRemovals::Omitted)
                removed[peer] &= ~bit;
            else if (before[peer].IsEmpty())
                removed[peer] |= before[peer].candidates & bit;
    }
    std::vector<CellEffect> effects;
    for (int y = 0; y < data.size; ++y)
        for (int x = 0; x < data.size; ++x) {
            const int index = CellIndex(x, y);
            if (index == placed)
                effects.push_back({x, y, display.placedValue, 0});
            else if (removed[index] != 0)
                effects.push_back({x, y, -1, removed[index]});
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
