#include "shell/AssignWordokuLettersModel.h"

#include <vector>

#include "platform/Platform.h"

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The characters of UTF-8 text, each as its bytes; a byte that starts no whole sequence counts as
// a character of its own, so that any input gets an answer.
std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> characters;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead >= 0xF0 && lead <= 0xF7   ? 4
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xC0 && lead <= 0xDF ? 2
                                                            : 1;
        if (i + length > text.size()) length = 1;
        for (std::size_t k = 1; k < length; ++k)
            if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) length = 1;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

bool HasRepeat(const std::vector<std::string_view>& characters) {
    for (std::size_t i = 0; i < characters.size(); ++i)
        for (std::size_t j = i + 1; j < characters.size(); ++j)
            if (characters[i] == characters[j]) return true;
    return false;
}

bool AllLetters(const std::vector<std::string_view>& characters) {
    for (std::string_view c : characters)
        if (c.size() != 1 || c[0] < 'A' || c[0] > 'Z') return false;
    return true;
}
}  // namespace

AssignWordokuLettersModel::AssignWordokuLettersModel(const SudokuBoard& board,
                                                     const WordokuOptions& options,
                                                     Platform& platform)
    : board_(board), platform_(platform) {
    const std::int32_t kind =
        board.wordokuLocationKind == -1 ? options.locationKind : board.wordokuLocationKind;
    kind_ = kind >= RowLocation && kind <= BlockLocation ? kind : RowLocation;
    const std::int32_t number =
        board.wordokuLocationNbr == -1 ? options.locationNbr : board.wordokuLocationNbr;
    number_ = number >= 1 && number <= board.size ? number : 0;
    const std::string start = UpperCaseLetters(Trimmed(board.wordokuString));
    const std::vector<std::string_view> characters = Characters(start);
    if (static_cast<int>(characters.size()) <= board.size && !HasRepeat(characters) &&
        AllLetters(characters))
        letters_ = start;
    previewLetters_.assign(board.letterTable.begin() + 1,
                           board.letterTable.begin() + 1 + board.size);
}

char AssignWordokuLettersModel::PreviewSymbol(int x, int y) const {
    const int v = KnownSolutionValue(board_, x, y);
    if (v < 1) return '.';
    return previewInLetters_ ? previewLetters_[v - 1] : kValueSymbols[v];
}

void AssignWordokuLettersModel::ChooseKind(std::int32_t kind) {
    if (kind < RowLocation || kind > BlockLocation || kind == kind_) return;
    kind_ = kind;
    number_ = 0;
}

void AssignWordokuLettersModel::ChooseNumber(std::int32_t number) {
    if (number >= 0 && number <= board_.size) number_ = number;
}

std::string AssignWordokuLettersModel::LetterRow() const {
    std::string row = letters_;
    row.resize(board_.size, '.');
    return row;
}

const std::string& AssignWordokuLettersModel::EditLetters(std::string_view typed) {
    const std::string text = UpperCaseLetters(Trimmed(typed));
    const std::vector<std::string_view> characters = Characters(text);
    if (static_cast<int>(characters.size()) > board_.size)
        platform_.ShowMessage(kMaximumLengthMessage);
    else if (HasRepeat(characters))
        platform_.ShowMessage(kDuplicateCharacterMessage);
    else if (!AllLetters(characters))
        platform_.ShowMessage(kInvalidCharacterMessage);
    else
        letters_ = text;
    return letters_;
}

std::string AssignWordokuLettersModel::CopyString() const {
    return LettersInValueOrder(LocationRow(), board_.size, letters_);
}

void AssignWordokuLettersModel::Apply() {
    if (!CanApply()) return;
    previewLetters_ = CopyString();
    previewInLetters_ = true;
}

WordokuAssignment AssignWordokuLettersModel::Result() const {
    return {letters_, CopyString(), kind_, number_};
}
