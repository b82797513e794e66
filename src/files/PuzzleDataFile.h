#pragma once
// "BoardData.sbd": the collection of named boards, read whole and written whole. Layout: the
// magic text, the version, the record count, then per record its name, description, level,
// size, the value and type of every cell row by row, and the Wordoku fields.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/PuzzleRecord.h"
#include "platform/Platform.h"

inline constexpr char kPuzzleDataFileName[] = "BoardData.sbd";
inline constexpr char kPuzzleDataMagic[] = "Duvere - SudokuSolver - Puzzle Data File";
inline constexpr int kPuzzleDataVersion = 12;
// Stands for an empty Wordoku text in the file.
inline constexpr char kEmptyTextMark[] = "None";

// "BoardData.sbd" in the program folder.
std::filesystem::path PuzzleDataFilePath(Platform& platform);

// Decodes a whole file. False, with records left as they were, for a file whose structure is
// damaged: wrong magic, negative or impossible count, short data, bytes after the last record,
// a size other than 9 or 16, a cell value or type out of range. Attributes out of range do not
// lose the collection: a level reads as 0, a display flag as 0, the Wordoku attributes are kept.
bool ParsePuzzleData(std::string_view bytes, std::vector<PuzzleRecord>& records);
// Encodes records and, when given, one more record at the end. Empty Wordoku texts of records
// become "None", in records too.
std::string EncodePuzzleData(std::vector<PuzzleRecord>& records, const PuzzleRecord* appended);

// Replaces records by the file's. A missing file gives 0 boards silently; an unreadable one
// shows "Unable to Open File ... " and the cause, a damaged one "Invalid Puzzle Data File ...";
// both give 0 and the file is never changed.
int ReadDataFile(Platform& platform, const std::filesystem::path& file,
                 std::vector<PuzzleRecord>& records);
// Writes records, then current when appending, replacing the file atomically. A failure is
// reported and leaves the old file as it was.
bool WriteDataFile(Platform& platform, const std::filesystem::path& file,
                   std::vector<PuzzleRecord>& records, const PuzzleRecord* current, bool append);

// The first record with exactly that name (case-sensitive), or -1.
int FindRecordByName(const std::vector<PuzzleRecord>& records, std::string_view name);

// What a change does to a file whose boards cannot be read.
enum class DamagedDataFile {
    Keep,          // reported and left as it is; the change is not made
    AskToReplace,  // on the user's OK, kept beside it as "NAME.bak" and replaced by the change
};

// The question asked before a damaged file is replaced.
std::string ReplaceDamagedFileQuestion(const std::filesystem::path& file);

// One change to the file, made under its lock on what the file holds at that moment: each board
// replaces the description, level and cells of the first record of its name, or is appended
// when there is none. A failed write is reported and keeps the old file; a damaged file is
// treated as damaged says. On success, records (when given) holds the file's records as written.
bool UpdateDataFile(Platform& platform, const std::filesystem::path& file,
                    std::vector<PuzzleRecord> boards, std::vector<PuzzleRecord>* records = nullptr,
                    DamagedDataFile damaged = DamagedDataFile::Keep);
