#pragma once
// What the "Assign Wordoku Letters" dialog does apart from its widgets: the solution preview in
// digits or letters, the location row and letter row, the three location lists, the letters box
// with its checks, and the assignment OK hands back.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/WordokuLetters.h"
#include "files/WordokuSetup.h"

class Platform;

inline constexpr char kMaximumLengthMessage[] = "Maximum Length Reached !!! ";
inline constexpr char kDuplicateCharacterMessage[] = "Duplicate Character Found !!! ";
inline constexpr char kInvalidCharacterMessage[] = "Invalid Character Entered !!!!";

// The letters a user assigned, as the board keeps them.
struct WordokuAssignment {
    std::string letters;  // in the reading order of the location
    std::string copy;     // in value order: character k - 1 is the letter of value k
    std::int32_t kind = RowLocation;
    std::int32_t number = 0;  // 1..N, 0 for "None"
};

class AssignWordokuLettersModel {
public:
    // Starts from the board's letters, location kind and number; the options' kind and number
    // where the board has none. A kind that is not row, column or block starts as row, a number
    // outside 1..N as "None".
    AssignWordokuLettersModel(const SudokuBoard& board, const WordokuOptions& options,
                              Platform& platform);

    int size() const { return board_.size; }
    // The solution's value at (x, y) in digits or in the preview's letters; "." where unknown.
    char PreviewSymbol(int x, int y) const;
    bool previewInLetters() const { return previewInLetters_; }
    void ShowPreviewInLetters(bool letters) { previewInLetters_ = letters; }

    std::int32_t kind() const { return kind_; }
    std::int32_t number() const { return number_; }
    // Another kind's list starts at "None".
    void ChooseKind(std::int32_t kind);
    // 0 ("None") .. N.
    void ChooseNumber(std::int32_t number);
    // The solution's values along the chosen location; 1..N when none is chosen.
    std::array<int, kMaxSize> LocationRow() const { return LocationOrder(board_, kind_, number_); }
    // The letters typed so far, "." for each one missing.
    std::string LetterRow() const;

    const std::string& letters() const { return letters_; }
    // The letters box was changed to `typed` (UTF-8). Trimmed and upper-cased it becomes the
    // letters, unless it is longer than N, repeats a character or holds one that is not A-Z:
    // then the message is shown and the letters stay as they were. Returns what the box shows.
    const std::string& EditLetters(std::string_view typed);
    // OK and "&Apply" are offered for exactly N letters.
    bool CanApply() const { return static_cast<int>(letters_.size()) == board_.size; }
    // The letters placed on the location; the preview then shows them.
    void Apply();
    WordokuAssignment Result() const;

private:
    std::string CopyString() const;

    const SudokuBoard& board_;
    Platform& platform_;
    std::int32_t kind_ = RowLocation;
    std::int32_t number_ = 0;
    std::string letters_;
    std::string previewLetters_;  // in value order
    bool previewInLetters_ = false;
};
