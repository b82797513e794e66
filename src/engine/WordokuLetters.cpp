#include "engine/WordokuLetters.h"

#include <algorithm>

namespace {
constexpr int kAlphabetSize = 26;

bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}
}  // namespace

int KnownSolutionValue(const SudokuBoard& board, int x, int y) {
    const auto inRange = [&board](int v) { return v >= 1 && v <= board.size; };
    const int v = board.solution[CellIndex(x, y)].value;
    if ((board.solutionKnown || board.mistakeCheckEnabled) && inRange(v)) return v;
    const int unique = board.uniqueSolution[CellIndex(x, y)].value;
    return board.uniqueSolutionKnown && inRange(unique) ? unique : -1;
}

int WordokuLetterValue(const BoardData& board, int code) {
    const char letter = static_cast<char>((code & 0xFF) + 64);
    int value = 0;
    const int limit = std::min<int>(board.size, static_cast<int>(board.wordokuStringCopy.size()));
    for (int i = 0; i < limit; ++i)
        if (board.wordokuStringCopy[i] == letter) value = i + 1;
    return value;
}

std::uint32_t WordokuSeed(Platform& platform) {
    return static_cast<std::uint32_t>(platform.CalendarSeconds()) * 2654435761u ^
           platform.TickCount();
}

std::string UpperCaseLetters(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool IsLetterString(std::string_view text, int n) {
    if (static_cast<int>(text.size()) != n) return false;
    std::uint32_t seen = 0;
    for (char c : text) {
        if (!IsLetter(c)) return false;
        const std::uint32_t bit = 1u << (c - 'A');
        if (seen & bit) return false;
        seen |= bit;
    }
    return true;
}

void AssignRandomLetters(BoardData& board, WordokuRandom& random) {
    std::array<bool, kAlphabetSize> used{};
    board.wordokuString.clear();
    while (static_cast<int>(board.wordokuString.size()) < board.size) {
        const int r = random.Below(kAlphabetSize);
        if (used[r]) continue;
        used[r] = true;
        board.wordokuString += static_cast<char>('A' + r);
    }
    board.wordokuStringCopy = board.wordokuString;
    board.wordokuAssignType = RandomLetters;
}

std::array<int, kMaxSize> LocationOrder(const SudokuBoard& board, int kind, int number) {
    const int n = board.size;
    std::array<int, kMaxSize> order{};
    for (int j = 0; j < n; ++j) order[j] = j + 1;
    if (kind < RowLocation || kind > BlockLocation || number < 1 || number > n) return order;

    const int index = number - 1;
    std::array<int, kMaxSize> values{};
    std::uint32_t seen = 0;
    for (int j = 0; j < n; ++j) {
        int x = index, y = j;
        if (kind == RowLocation) {
            x = j;
            y = index;
        } else if (kind == BlockLocation) {
            x = (index % board.boxSize) * board.boxSize + j % board.boxSize;
            y = (index / board.boxSize) * board.boxSize + j / board.boxSize;
        }
        const int v = KnownSolutionValue(board, x, y);
        if (v < 1 || (seen & bitOf(v))) return order;
        seen |= bitOf(v);
        values[j] = v;
    }
    return values;
}

std::string LettersInValueOrder(const std::array<int, kMaxSize>& location, int n,
                                std::string_view letters) {
    std::string copy;
    for (int v = 1; v <= n; ++v)
        for (int j = 0; j < n && j < static_cast<int>(letters.size()); ++j)
            if (location[j] == v) copy += letters[j];
    return copy;
}

void PlaceWord(SudokuBoard& board, std::string_view word) {
    board.wordokuString = UpperCaseLetters(word);
    board.wordokuStringCopy = LettersInValueOrder(
        LocationOrder(board, board.wordokuLocationKind, board.wordokuLocationNbr), board.size,
        board.wordokuString);
    board.wordokuAssignType = RandomWord;
}

int SetLetterString(SudokuBoard& board, std::string_view text, WordokuRandom& random) {
    // Letters repeated, missing or outside A-Z would show two values alike or one no typed
    // letter can reach: such a board gets letters that work, and keeps them.
    const bool usable = IsLetterString(text, board.size);
    const std::string letters = usable ? std::string(text) : [&] {
        AssignRandomLetters(board, random);
        return board.wordokuStringCopy;
    }();
    board.letterTable = kNoLetters;
    for (int v = 1; v <= board.size; ++v) board.letterTable[v] = letters[v - 1];
    return usable ? 1 : 0;
}
