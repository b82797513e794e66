#include "files/PuzzleDataFile.h"

#include <algorithm>

#include "files/Archive.h"
#include "files/AtomicFile.h"
#include "files/TextLineFile.h"

namespace {
// The smallest record a file can hold: two empty texts, level, size and 81 cells.
constexpr std::size_t kSmallestRecordBytes = 1 + 1 + 4 + 4 + 81 * 8;

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

std::string FromFileText(std::string text) {
    return text == kEmptyTextMark ? std::string() : text;
}

bool ReadRecord(ArchiveReader& archive, std::int32_t version, BoardData& record) {
    std::int32_t level = 0;
    std::int32_t size = 0;
    if (!archive.ReadText(record.name) || !archive.ReadText(record.description) ||
        !archive.ReadNumber(level) || !archive.ReadNumber(size))
        return false;
    if (!InRange(level, 0, 6) || (size != 9 && size != 16)) return false;
    record.level = level;
    record.size = size;
    record.boxSize = size == 9 ? 3 : 4;
    record.clueNbr = record.givenNbr = record.emptyNbr = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            BoardCell& cell = record.Cell(x, y);
            if (!archive.ReadNumber(cell.value) || !archive.ReadNumber(cell.type)) return false;
            if ((cell.value != -1 && !InRange(cell.value, 1, size)) ||
                !InRange(cell.type, Empty, Mistake))
                return false;
            cell.candidates = fullMask(size);
            cell.candidateNbr = size;
            if (cell.type == Clue)
                ++record.clueNbr;
            else if (cell.value == -1)
                ++record.emptyNbr;
            else
                ++record.givenNbr;
        }
    record.isWordoku = 0;
    record.wordokuAssignType = 0;
    record.wordokuLocationKind = -1;
    record.wordokuLocationNbr = -1;
    record.wordokuString.clear();
    record.wordokuStringCopy.clear();
    if (version >= 11 &&
        (!archive.ReadNumber(record.isWordoku) || !InRange(record.isWordoku, 0, 1)))
        return false;
    if (version != kPuzzleDataVersion) return true;
    if (!archive.ReadNumber(record.wordokuAssignType) ||
        !archive.ReadNumber(record.wordokuLocationKind) ||
        !archive.ReadNumber(record.wordokuLocationNbr) || !archive.ReadText(record.wordokuString) ||
        !archive.ReadText(record.wordokuStringCopy))
        return false;
    if (!InRange(record.wordokuAssignType, 0, 2) || !InRange(record.wordokuLocationKind, -1, 3) ||
        !InRange(record.wordokuLocationNbr, -1, kMaxSize))
        return false;
    record.wordokuString = FromFileText(std::move(record.wordokuString));
    record.wordokuStringCopy = FromFileText(std::move(record.wordokuStringCopy));
    return true;
}

void WriteRecord(ArchiveWriter& archive, const BoardData& record) {
    archive.WriteText(record.name);
    archive.WriteText(record.description);
    archive.WriteNumber(record.level);
    archive.WriteNumber(record.size);
    for (int y = 0; y < record.size; ++y)
        for (int x = 0; x < record.size; ++x) {
            archive.WriteNumber(record.Cell(x, y).value);
            archive.WriteNumber(record.Cell(x, y).type);
        }
    archive.WriteNumber(record.isWordoku);
    archive.WriteNumber(record.wordokuAssignType);
    archive.WriteNumber(record.wordokuLocationKind);
    archive.WriteNumber(record.wordokuLocationNbr);
    archive.WriteText(record.wordokuString.empty() ? kEmptyTextMark : record.wordokuString);
    archive.WriteText(record.wordokuStringCopy.empty() ? kEmptyTextMark : record.wordokuStringCopy);
}
}  // namespace

std::filesystem::path PuzzleDataFilePath(Platform& platform) {
    return platform.ProgramFolder() / kPuzzleDataFileName;
}

bool ParsePuzzleData(std::string_view bytes, std::vector<BoardData>& records) {
    ArchiveReader archive(bytes);
    std::string magic;
    std::int32_t version = 0;
    std::int32_t count = 0;
    if (!archive.ReadText(magic) || magic != kPuzzleDataMagic || !archive.ReadNumber(version) ||
        !archive.ReadNumber(count))
        return false;
    if (count < 0 || static_cast<std::size_t>(count) > archive.Remaining() / kSmallestRecordBytes)
        return false;
    // Grown as records arrive, so a large count in a short file costs nothing.
    std::vector<BoardData> read;
    BoardData record;
    for (std::int32_t k = 0; k < count; ++k) {
        if (!ReadRecord(archive, version, record)) return false;
        read.push_back(record);
    }
    records = std::move(read);
    return true;
}

std::string EncodePuzzleData(std::vector<BoardData>& records, const BoardData* appended) {
    ArchiveWriter archive;
    archive.WriteText(kPuzzleDataMagic);
    archive.WriteNumber(kPuzzleDataVersion);
    archive.WriteNumber(static_cast<std::int32_t>(records.size() + (appended ? 1 : 0)));
    for (BoardData& record : records) {
        if (record.wordokuString.empty()) record.wordokuString = kEmptyTextMark;
        if (record.wordokuStringCopy.empty()) record.wordokuStringCopy = kEmptyTextMark;
        WriteRecord(archive, record);
    }
    if (appended) WriteRecord(archive, *appended);
    return archive.Bytes();
}

int ReadDataFile(Platform& platform, const std::filesystem::path& file,
                 std::vector<BoardData>& records) {
    records.clear();
    std::error_code code;
    if (!std::filesystem::exists(file, code)) return 0;
    std::string bytes;
    FileError error = FileError::None;
    if (!ReadWholeFile(file, bytes, error) || !ParsePuzzleData(bytes, records)) {
        platform.ShowMessage("Invalid Puzzle Data File ...");
        records.clear();
        return 0;
    }
    return static_cast<int>(records.size());
}

bool WriteDataFile(Platform& platform, const std::filesystem::path& file,
                   std::vector<BoardData>& records, const BoardData* current, bool append) {
    const std::string bytes = EncodePuzzleData(records, append ? current : nullptr);
    FileError error = FileError::None;
    if (WriteFileAtomically(file, bytes, error)) return true;
    platform.ShowMessage(std::string("Unable to Write File ... ") + FileErrorText(error));
    return false;
}

int FindRecordByName(const std::vector<BoardData>& records, std::string_view name) {
    const auto found =
        std::find_if(records.begin(), records.end(),
                     [name](const BoardData& record) { return record.name == name; });
    return found == records.end() ? -1 : static_cast<int>(found - records.begin());
}
