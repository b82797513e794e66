#include "files/SessionFile.h"

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

#include "files/AtomicFile.h"

namespace {
constexpr std::string_view kFirstLine = "Raruduz session 1";
// Larger than any session; a bigger file is not one of ours.
constexpr std::uintmax_t kMaximumFileSize = 64 * 1024;

// Texts stay on one line: backslash, line feed and carriage return are escaped.
std::string Escape(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else
            escaped += c;
    }
    return escaped;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            plain += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\':
                plain += '\\';
                break;
            case 'n':
                plain += '\n';
                break;
            case 'r':
                plain += '\r';
                break;
            default:
                return std::nullopt;
        }
    }
    return plain;
}

std::string GridText(const CellGrid& grid, int size) {
    std::string text;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) text += ValueSymbol(grid[CellIndex(x, y)].value);
    return text;
}

std::string TypeText(const CellGrid& grid, int size) {
    std::string text;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) text += static_cast<char>('0' + grid[CellIndex(x, y)].type);
    return text;
}

// Values of a grid text; '.' is empty. False for a wrong length or a symbol out of range.
bool ReadGrid(std::string_view text, int size, CellGrid& grid) {
    if (text.size() != static_cast<std::size_t>(size * size)) return false;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const char symbol = text[static_cast<std::size_t>(y * size + x)];
            const int value = symbol == '.' ? -1 : SymbolValue(symbol);
            if (symbol != '.' && (value < 1 || value > size)) return false;
            grid[CellIndex(x, y)].value = value;
        }
    }
    return true;
}

std::optional<std::int32_t> Number(std::string_view text, std::int32_t low, std::int32_t high) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}
}  // namespace

std::string FormatSession(const SessionBoard& session) {
    const BoardData& board = session.board;
    const bool unique = session.uniqueSolutionKnown != 0;
    std::ostringstream out;
    out << kFirstLine << '\n'
        << "size " << board.size << '\n'
        << "entryMode " << session.entryMode << '\n'
        << "viewMode " << session.viewMode << '\n'
        << "name " << Escape(board.name) << '\n'
        << "description " << Escape(board.description) << '\n'
        << "level " << board.level << '\n'
        << "score " << board.score << '\n'
        << "values " << GridText(board.cells, board.size) << '\n'
        << "types " << TypeText(board.cells, board.size) << '\n'
        << "solutionKnown " << session.solutionKnown << '\n'
        << "mistakeCheck " << session.mistakeCheckEnabled << '\n'
        << "solution " << GridText(board.solution, board.size) << '\n'
        << "uniqueSolution " << (unique ? GridText(session.uniqueSolution, board.size) : "-")
        << '\n'
        << "isWordoku " << board.isWordoku << '\n'
        << "wordokuAssignType " << board.wordokuAssignType << '\n'
        << "wordokuLocation " << board.wordokuLocationKind << ' ' << board.wordokuLocationNbr
        << '\n'
        << "wordokuString " << Escape(board.wordokuString) << '\n'
        << "wordokuStringCopy " << Escape(board.wordokuStringCopy) << '\n';
    return out.str();
}

std::optional<SessionBoard> ParseSession(std::string_view text) {
    std::map<std::string, std::string, std::less<>> fields;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // a cut-off last line
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (first) {
            if (line != kFirstLine) return std::nullopt;
            first = false;
            continue;
        }
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos) return std::nullopt;
        if (!fields.emplace(std::string(line.substr(0, space)), line.substr(space + 1)).second)
            return std::nullopt;
    }
    auto field = [&fields](std::string_view key) -> const std::string* {
        const auto found = fields.find(key);
        return found == fields.end() ? nullptr : &found->second;
    };
    auto number = [&field](std::string_view key, std::int32_t low, std::int32_t high) {
        const std::string* value = field(key);
        return value ? Number(*value, low, high) : std::nullopt;
    };

    SessionBoard session;
    BoardData& board = session.board;
    const auto size = number("size", 9, 16);
    if (!size || (*size != 9 && *size != 16)) return std::nullopt;
    board.size = *size;
    board.boxSize = *size == 16 ? 4 : 3;
    const auto entryMode = number("entryMode", 0, 1);
    const auto viewMode = number("viewMode", 0, 1);
    const auto level = number("level", 0, 6);
    const auto score = number("score", 0, 1 << 30);
    const auto solutionKnown = number("solutionKnown", 0, 1);
    const auto mistakeCheck = number("mistakeCheck", 0, 1);
    const auto isWordoku = number("isWordoku", 0, 1);
    const auto assignType = number("wordokuAssignType", 0, 2);
    const std::string* name = field("name");
    const std::string* description = field("description");
    const std::string* values = field("values");
    const std::string* types = field("types");
    const std::string* solution = field("solution");
    const std::string* unique = field("uniqueSolution");
    const std::string* location = field("wordokuLocation");
    const std::string* letters = field("wordokuString");
    const std::string* letterCopy = field("wordokuStringCopy");
    if (!entryMode || !viewMode || !level || !score || !solutionKnown || !mistakeCheck ||
        !isWordoku || !assignType || !name || !description || !values || !types || !solution ||
        !unique || !location || !letters || !letterCopy || fields.size() != 18)
        return std::nullopt;

    const std::optional<std::string> plainName = Unescape(*name);
    const std::optional<std::string> plainDescription = Unescape(*description);
    const std::optional<std::string> plainLetters = Unescape(*letters);
    const std::optional<std::string> plainCopy = Unescape(*letterCopy);
    if (!plainName || !plainDescription || !plainLetters || !plainCopy) return std::nullopt;
    if (!ReadGrid(*values, board.size, board.cells) ||
        !ReadGrid(*solution, board.size, board.solution))
        return std::nullopt;
    if (types->size() != values->size()) return std::nullopt;
    for (int y = 0; y < board.size; ++y) {
        for (int x = 0; x < board.size; ++x) {
            BoardCell& cell = board.Cell(x, y);
            const int type = (*types)[static_cast<std::size_t>(y * board.size + x)] - '0';
            if (type < Empty || type > Mistake || (type == Empty) != (cell.value == -1))
                return std::nullopt;
            cell.type = static_cast<CellType>(type);
        }
    }
    session.uniqueSolutionKnown = *unique != "-";
    if (session.uniqueSolutionKnown && !ReadGrid(*unique, board.size, session.uniqueSolution))
        return std::nullopt;
    const std::size_t split = location->find(' ');
    if (split == std::string::npos) return std::nullopt;
    const auto kind = Number(std::string_view(*location).substr(0, split), -1, 3);
    const auto where = Number(std::string_view(*location).substr(split + 1), -1, board.size);
    if (!kind || !where) return std::nullopt;

    board.name = *plainName;
    board.description = *plainDescription;
    board.level = *level;
    board.score = *score;
    board.isWordoku = *isWordoku;
    board.wordokuAssignType = *assignType;
    board.wordokuLocationKind = *kind;
    board.wordokuLocationNbr = *where;
    board.wordokuString = *plainLetters;
    board.wordokuStringCopy = *plainCopy;
    session.entryMode = *entryMode;
    session.viewMode = *viewMode;
    session.solutionKnown = *solutionKnown;
    session.mistakeCheckEnabled = *mistakeCheck;
    return session;
}

SessionRead ReadSessionFile(const std::filesystem::path& path, SessionBoard& session) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return SessionRead::Missing;
    if (!std::filesystem::is_regular_file(path, error) ||
        std::filesystem::file_size(path, error) > kMaximumFileSize || error)
        return SessionRead::Damaged;
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) return SessionRead::Damaged;
    std::optional<SessionBoard> read = ParseSession(text);
    if (!read) return SessionRead::Damaged;
    session = std::move(*read);
    return SessionRead::Read;
}

bool WriteSessionFile(const std::filesystem::path& path, const SessionBoard& session,
                      FileError& error) {
    return WriteFileAtomically(path, FormatSession(session), error);
}
