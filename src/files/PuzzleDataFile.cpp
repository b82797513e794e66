#include "files/PuzzleDataFile.h"

#include <algorithm>
#include <unordered_map>

#include "files/Archive.h"
#include "files/AtomicFile.h"
#include "files/DataFileLock.h"
#include "files/TextLineFile.h"

namespace {
std::filesystem::path DamagedCopyPath(const std::filesystem::path& file) {
    return std::filesystem::path(file).concat(".bak");
}

// The smallest record a file can hold: two empty texts, level, size and 81 cells.
constexpr std::size_t kSmallestRecordBytes = 1 + 1 + 4 + 4 + 81 * 8;
// Encoded records are handed to the file in pieces of about this size.
constexpr std::size_t kEncodePiece = 1 << 16;

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

std::string FromFileText(std::string text) {
    return text == kEmptyTextMark ? std::string() : text;
}

bool ReadRecord(ArchiveReader& archive, std::int32_t version, PuzzleRecord& record) {
    std::int32_t level = 0;
    std::int32_t size = 0;
    if (!archive.ReadText(record.name) || !archive.ReadText(record.description) ||
        !archive.ReadNumber(level) || !archive.ReadNumber(size))
        return false;
    if (size != 9 && size != 16) return false;
    record.level = InRange(level, 0, 6) ? level : 0;
    record.size = size;
    record.cells.resize(static_cast<std::size_t>(size * size));
    for (StoredCell& cell : record.cells) {
        std::int32_t value = 0;
        std::int32_t type = 0;
        if (!archive.ReadNumber(value) || !archive.ReadNumber(type)) return false;
        if ((value != -1 && !InRange(value, 1, size)) || !InRange(type, Empty, Mistake))
            return false;
        cell = {static_cast<std::int8_t>(value), static_cast<std::int8_t>(type)};
    }
    record.isWordoku = 0;
    record.wordokuAssignType = 0;
    record.wordokuLocationKind = -1;
    record.wordokuLocationNbr = -1;
    record.wordokuString.clear();
    record.wordokuStringCopy.clear();
    if (version >= 11) {
        if (!archive.ReadNumber(record.isWordoku)) return false;
        if (!InRange(record.isWordoku, 0, 1)) record.isWordoku = 0;
    }
    if (version != kPuzzleDataVersion) return true;
    if (!archive.ReadNumber(record.wordokuAssignType) ||
        !archive.ReadNumber(record.wordokuLocationKind) ||
        !archive.ReadNumber(record.wordokuLocationNbr) || !archive.ReadText(record.wordokuString) ||
        !archive.ReadText(record.wordokuStringCopy))
        return false;
    record.wordokuString = FromFileText(std::move(record.wordokuString));
    record.wordokuStringCopy = FromFileText(std::move(record.wordokuStringCopy));
    return true;
}

void WriteRecord(ArchiveWriter& archive, const PuzzleRecord& record) {
    archive.WriteText(record.name);
    archive.WriteText(record.description);
    archive.WriteNumber(record.level);
    archive.WriteNumber(record.size);
    for (const StoredCell& cell : record.cells) {
        archive.WriteNumber(cell.value);
        archive.WriteNumber(cell.type);
    }
    archive.WriteNumber(record.isWordoku);
    archive.WriteNumber(record.wordokuAssignType);
    archive.WriteNumber(record.wordokuLocationKind);
    archive.WriteNumber(record.wordokuLocationNbr);
    archive.WriteText(record.wordokuString.empty() ? kEmptyTextMark : record.wordokuString);
    archive.WriteText(record.wordokuStringCopy.empty() ? kEmptyTextMark : record.wordokuStringCopy);
}

// Encodes the file and hands the bytes to sink in pieces, so that a large collection is never
// held twice in memory. Stops at the first piece that sink refuses.
bool Encode(std::vector<PuzzleRecord>& records, const PuzzleRecord* appended, auto&& sink) {
    ArchiveWriter archive;
    archive.WriteText(kPuzzleDataMagic);
    archive.WriteNumber(kPuzzleDataVersion);
    archive.WriteNumber(static_cast<std::int32_t>(records.size() + (appended ? 1 : 0)));
    for (PuzzleRecord& record : records) {
        if (record.wordokuString.empty()) record.wordokuString = kEmptyTextMark;
        if (record.wordokuStringCopy.empty()) record.wordokuStringCopy = kEmptyTextMark;
        WriteRecord(archive, record);
        if (archive.Bytes().size() >= kEncodePiece) {
            if (!sink(archive.Bytes())) return false;
            archive.Clear();
        }
    }
    if (appended) WriteRecord(archive, *appended);
    return sink(archive.Bytes());
}

enum class DataFileState { Missing, Read, Unreadable, Damaged };

DataFileState LoadDataFile(const std::filesystem::path& file, std::vector<PuzzleRecord>& records,
                           FileError& error) {
    records.clear();
    std::error_code code;
    if (!std::filesystem::exists(file, code) && !code) return DataFileState::Missing;
    std::string bytes;
    if (std::filesystem::is_directory(file, code)) {
        error = FileError::AccessDenied;
        return DataFileState::Unreadable;
    }
    if (!ReadWholeFile(file, bytes, error)) return DataFileState::Unreadable;
    return ParsePuzzleData(bytes, records) ? DataFileState::Read : DataFileState::Damaged;
}

// A copy of the damaged file beside it, so that replacing it loses nothing without a trace.
bool KeepDamagedCopy(Platform& platform, const std::filesystem::path& file) {
    std::string bytes;
    FileError error = FileError::None;
    if (ReadWholeFile(file, bytes, error) &&
        WriteFileAtomically(DamagedCopyPath(file), bytes, error))
        return true;
    platform.ShowMessage(std::string("Unable to Write File ... ") + FileErrorText(error));
    return false;
}

bool ReportLoad(Platform& platform, DataFileState state, FileError error) {
    if (state == DataFileState::Unreadable)
        platform.ShowMessage(std::string("Unable to Open File ... ") + FileErrorText(error));
    else if (state == DataFileState::Damaged)
        platform.ShowMessage("Invalid Puzzle Data File ...");
    return state == DataFileState::Missing || state == DataFileState::Read;
}
}  // namespace

std::filesystem::path PuzzleDataFilePath(Platform& platform) {
    return platform.ProgramFolder() / kPuzzleDataFileName;
}

bool ParsePuzzleData(std::string_view bytes, std::vector<PuzzleRecord>& records) {
    ArchiveReader archive(bytes);
    std::string magic;
    std::int32_t version = 0;
    std::int32_t count = 0;
    if (!archive.ReadText(magic) || magic != kPuzzleDataMagic || !archive.ReadNumber(version) ||
        !archive.ReadNumber(count))
        return false;
    if (count < 0 || static_cast<std::size_t>(count) > archive.Remaining() / kSmallestRecordBytes)
        return false;
    std::vector<PuzzleRecord> read(static_cast<std::size_t>(count));
    for (PuzzleRecord& record : read)
        if (!ReadRecord(archive, version, record)) return false;
    // Records beyond the count would be dropped by the next write: the file is damaged.
    if (archive.Remaining() != 0) return false;
    records = std::move(read);
    return true;
}

std::string EncodePuzzleData(std::vector<PuzzleRecord>& records, const PuzzleRecord* appended) {
    std::string bytes;
    Encode(records, appended, [&bytes](std::string_view piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

int ReadDataFile(Platform& platform, const std::filesystem::path& file,
                 std::vector<PuzzleRecord>& records) {
    FileError error = FileError::None;
    const DataFileState state = LoadDataFile(file, records, error);
    if (!ReportLoad(platform, state, error)) records.clear();
    return static_cast<int>(records.size());
}

bool WriteDataFile(Platform& platform, const std::filesystem::path& file,
                   std::vector<PuzzleRecord>& records, const PuzzleRecord* current, bool append) {
    AtomicFile output;
    FileError error = FileError::None;
    const bool written =
        output.Open(file, error) &&
        Encode(records, append ? current : nullptr,
               [&output, &error](std::string_view piece) { return output.Write(piece, error); }) &&
        output.Commit(error);
    if (written) return true;
    platform.ShowMessage(std::string("Unable to Write File ... ") + FileErrorText(error));
    return false;
}

int FindRecordByName(const std::vector<PuzzleRecord>& records, std::string_view name) {
    const auto found =
        std::find_if(records.begin(), records.end(),
                     [name](const PuzzleRecord& record) { return record.name == name; });
    return found == records.end() ? -1 : static_cast<int>(found - records.begin());
}

std::string ReplaceDamagedFileQuestion(const std::filesystem::path& file) {
    return "Raruduz Data File " + file.string() +
           " is Damaged and its Boards could not be Read !!! \nReplace it Anyway ? (the Damaged "
           "File is kept as " +
           DamagedCopyPath(file).filename().string() + ") ";
}

bool UpdateDataFile(Platform& platform, const std::filesystem::path& file,
                    std::vector<PuzzleRecord> boards, std::vector<PuzzleRecord>* records,
                    DamagedDataFile damaged) {
    DataFileLock lock;
    FileError error = FileError::None;
    if (!lock.Acquire(file, error)) {
        platform.ShowMessage(std::string("Unable to Write File ... ") + FileErrorText(error));
        return false;
    }
    std::vector<PuzzleRecord> current;
    const DataFileState state = LoadDataFile(file, current, error);
    if (state == DataFileState::Damaged && damaged == DamagedDataFile::AskToReplace) {
        if (!platform.AskOkCancel(ReplaceDamagedFileQuestion(file), true) ||
            !KeepDamagedCopy(platform, file))
            return false;
    } else if (!ReportLoad(platform, state, error)) {
        return false;
    }
    // The first record of each name, so that a large collection is not scanned per board.
    std::unordered_map<std::string, std::size_t> byName;
    byName.reserve(current.size() + boards.size());
    for (std::size_t k = 0; k < current.size(); ++k) byName.try_emplace(current[k].name, k);
    for (PuzzleRecord& board : boards) {
        const auto [entry, added] = byName.try_emplace(board.name, current.size());
        if (added) {
            current.push_back(std::move(board));
            continue;
        }
        PuzzleRecord& record = current[entry->second];
        record.description = std::move(board.description);
        record.level = board.level;
        record.size = board.size;
        record.cells = std::move(board.cells);
    }
    if (!WriteDataFile(platform, file, current, nullptr, false)) return false;
    if (records) *records = std::move(current);
    return true;
}
