#include "files/BoardImport.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

#include "files/TextLineFile.h"

namespace {
// As stored by every earlier version, "?" twice.
constexpr std::string_view kCommentCharacters = "?,;:=%\xA3\xF9)?\xB5<>(}{\xE7\xE0!\xE8&\xE9#$[]";

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

// Every character as a board symbol: digits, "." and letters (upper-cased); 0 for the others.
constexpr std::array<char, 256> kBoardSymbols = [] {
    std::array<char, 256> symbols{};
    for (int c = 0; c < 256; ++c) {
        const char upper =
            c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
        if (IsDigit(upper) || IsLetter(upper) || upper == '.') symbols[c] = upper;
    }
    return symbols;
}();

// The value of each symbol on a digit board: 0 empty, -2 no meaning. A table, because the tests
// of a symbol's kind would branch at random along a board's text.
constexpr std::array<std::int8_t, 256> kDigitBoardValues = [] {
    std::array<std::int8_t, 256> values{};
    for (int c = 0; c < 256; ++c) {
        const char symbol = static_cast<char>(c);
        const int v = SymbolValue(symbol);
        values[c] = static_cast<std::int8_t>(symbol == '0' || symbol == '.' || symbol == 'X' ? 0
                                             : v > 0                                         ? v
                                                                                             : -2);
    }
    return values;
}();

int DigitBoardValue(char c) {
    return kDigitBoardValues[static_cast<unsigned char>(c)];
}
}  // namespace

bool IsCommentLine(std::string_view line) {
    return !line.empty() && kCommentCharacters.find(line.front()) != std::string_view::npos;
}

bool ParseBoardText(std::string_view symbols, int assignType, BoardData& record) {
    const int cellNbr = static_cast<int>(symbols.size());
    if (cellNbr != 81 && cellNbr != 256) return false;
    const int size = cellNbr == 81 ? 9 : 16;

    int digitNbr = 0;
    int letterNbr = 0;
    for (char c : symbols) {
        digitNbr += IsDigit(c);
        letterNbr += c >= 'A' && c <= 'Y';
    }
    const bool letterBoard = digitNbr == 0 && letterNbr > 10;

    // A letter board numbers its letters "A".."X" in alphabetical order.
    std::array<int, 26> letterValue{};
    std::string letters;
    if (letterBoard) {
        for (char c : symbols) {
            if (c == 'Y' || c == 'Z') return false;
            if (IsLetter(c)) letterValue[c - 'A'] = 1;
        }
        for (int i = 0; i < 26; ++i)
            if (letterValue[i]) {
                letters += static_cast<char>('A' + i);
                letterValue[i] = static_cast<int>(letters.size());
            }
    }

    record.name = kImportedBoardName;
    record.description.clear();
    record.level = 0;
    record.size = size;
    record.boxSize = size == 9 ? 3 : 4;
    record.score = 0;
    int clueNbr = 0;
    // Row by row, as the symbols come.
    for (int y = 0, p = 0; y < size; ++y)
        for (int x = 0; x < size; ++x, ++p) {
            const char c = symbols[p];
            const int v =
                letterBoard ? (IsLetter(c) ? letterValue[c - 'A'] : 0) : DigitBoardValue(c);
            if (v < 0 || v > size) return false;
            // Without branches: clues and empty cells alternate at random too.
            const int clue = v != 0;
            static_assert(Empty == 0 && Clue == 1);
            record.Cell(x, y) = {v - 1 + clue, clue, fullMask(size), size};
            clueNbr += clue;
        }
    record.clueNbr = clueNbr;
    record.givenNbr = 0;
    record.emptyNbr = cellNbr - clueNbr;
    record.isWordoku = letterBoard;
    record.wordokuAssignType = assignType;
    record.wordokuLocationKind = letterBoard ? 1 : -1;
    record.wordokuLocationNbr = letterBoard ? 2 : -1;
    record.wordokuString = letterBoard ? letters : kDigitBoardWordokuString;
    record.wordokuStringCopy = record.wordokuString;
    return true;
}

bool ScanSymbolRuns(std::string_view text, const std::function<void(std::string_view run)>& onRun,
                    RunControl* control) {
    constexpr std::size_t kProgressStep = 256 * 1024;
    // A run that overshoots 256 never ends on a board again, so only its length is kept.
    std::array<char, 256> symbols{};
    int symbolNbr = 0;
    std::size_t nextProgress = kProgressStep;
    TextLineReader reader(text);
    std::string_view line;
    while (reader.ReadLine(line)) {
        if (control) {
            // The line lies inside text: its offset tells how far the scan has come.
            const auto scanned = static_cast<std::size_t>(line.data() - text.data());
            if (scanned >= nextProgress) {
                nextProgress = scanned + kProgressStep;
                if (control->progress)
                    control->progress(static_cast<int>(scanned * 100 / text.size()));
            }
            if (control->stopRequested) return false;
        }
        if (IsCommentLine(line)) continue;
        for (const char character : line) {
            const char c = kBoardSymbols[static_cast<unsigned char>(character)];
            if (c == 0) continue;
            if (symbolNbr < 256) symbols[symbolNbr] = c;
            if (symbolNbr <= 256) ++symbolNbr;
        }
        if (symbolNbr != 81 && symbolNbr != 256) continue;
        onRun(std::string_view(symbols.data(), symbolNbr));
        symbolNbr = 0;
    }
    return true;
}

BoardScan ScanBoardText(std::string_view text, int assignType,
                        const std::function<void(const BoardData&)>& onBoard) {
    BoardScan scan;
    BoardData record;
    ScanSymbolRuns(text, [&](std::string_view run) {
        if (ParseBoardText(run, assignType, record)) {
            ++scan.boardNbr;
            onBoard(record);
        } else {
            ++scan.skippedNbr;
        }
    });
    return scan;
}

bool BoardList::Add(std::string_view run) {
    BoardData record;
    if (!ParseBoardText(run, assignType_, record)) return false;
    symbols_ += run;
    ends_.push_back(symbols_.size());
    longest_ = std::max(longest_, static_cast<int>(run.size()));
    return true;
}

std::string_view BoardList::Run(int index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(symbols_).substr(begin, ends_[index] - begin);
}

void BoardList::Record(int index, BoardData& record) const {
    ParseBoardText(Run(index), assignType_, record);
}

std::string BoardList::ListLine(int index) const {
    BoardData record;
    Record(index, record);
    return BoardListLine(record);
}

BoardList BoardList::Subset(const std::vector<int>& indexes) const {
    BoardList subset(assignType_);
    for (int index : indexes)
        if (index >= 0 && index < Count()) subset.Add(Run(index));
    return subset;
}

void ReportSkippedBoards(Platform& platform, int skippedNbr) {
    if (skippedNbr <= 0) return;
    char text[128];
    std::snprintf(text, sizeof text,
                  "%d Board%s Skipped ... Symbols Out of Range for the Board Size !!!", skippedNbr,
                  skippedNbr > 1 ? "s" : "");
    platform.ShowMessage(text);
}

int ReadBoardFile(Platform& platform, const std::filesystem::path& path, BoardList& boards,
                  RunControl* control) {
    boards = BoardList(boards.AssignType());
    TextLineFile file(platform);
    if (!file.OpenForRead(path, true)) {
        platform.ShowMessage("Unable to Read Sudoku File " + path.string() + "... ");
        return 0;
    }
    int skippedNbr = 0;
    const bool complete = ScanSymbolRuns(
        file.Text(), [&](std::string_view run) { skippedNbr += !boards.Add(run); }, control);
    file.Close();
    if (!complete) {
        boards = BoardList(boards.AssignType());
        return 0;
    }
    ReportSkippedBoards(platform, skippedNbr);
    return boards.Count();
}

int ImportClipboard(Platform& platform, BoardList& boards, RunControl* control) {
    boards = BoardList(boards.AssignType());
    const std::string text = platform.ClipboardText();
    if (text.find('\0') != std::string::npos) {
        platform.ShowMessage(kClipboardNotTextMessage);
        return 0;
    }
    const std::filesystem::path path = platform.ProgramFolder() / kClipboardFileName;
    TextLineFile file(platform);
    // A clipboard that cannot be saved is not read: the old "Clipboard.txt" is not its text.
    if (!file.OpenForWrite(path, true)) return 0;
    if (!file.WriteText(text) || !file.WriteLine("") || !file.Close()) return 0;
    return ReadBoardFile(platform, path, boards, control);
}

std::string BoardListLine(const BoardData& record) {
    std::string line;
    line.reserve(record.size * record.size);
    for (int y = 0; y < record.size; ++y)
        for (int x = 0; x < record.size; ++x) {
            const int v = record.Cell(x, y).value;
            if (v < 1 || v > kMaxSize)
                line += '.';
            else if (record.isWordoku && v <= static_cast<int>(record.wordokuString.size()))
                line += record.wordokuString[v - 1];
            else
                line += kValueSymbols[v];
        }
    return line;
}
