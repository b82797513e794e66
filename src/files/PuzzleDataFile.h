#pragma once
// "BoardData.sbd": the collection of named boards, read whole and written whole. Layout: the
// magic text, the version, the record count, then per record its name, description, level,
// size, the value and type of every cell row by row, and the Wordoku fields.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BoardTypes.h"
#include "platform/Platform.h"

inline constexpr char kPuzzleDataFileName[] = "BoardData.sbd";
inline constexpr char kPuzzleDataMagic[] = "Duvere - SudokuSolver - Puzzle Data File";
inline constexpr int kPuzzleDataVersion = 12;
// Stands for an empty Wordoku text in the file.
inline constexpr char kEmptyTextMark[] = "None";

// "BoardData.sbd" in the program folder.
std::filesystem::path PuzzleDataFilePath(Platform& platform);

// Decodes a whole file. False, with records left as they were, for anything that is not a
// complete file: wrong magic, negative or impossible count, short data, values out of range.
bool ParsePuzzleData(std::string_view bytes, std::vector<BoardData>& records);
// Encodes records and, when given, one more record at the end. Empty Wordoku texts of records
// become "None", in records too.
std::string EncodePuzzleData(std::vector<BoardData>& records, const BoardData* appended);

// Replaces records by the file's. A missing file gives 0 boards silently; an unreadable or
// invalid one shows "Invalid Puzzle Data File ..." and gives 0; the file is never changed.
int ReadDataFile(Platform& platform, const std::filesystem::path& file,
                 std::vector<BoardData>& records);
// Writes records, then current when appending, replacing the file atomically. A failure is
// reported and leaves the old file as it was.
bool WriteDataFile(Platform& platform, const std::filesystem::path& file,
                   std::vector<BoardData>& records, const BoardData* current, bool append);

// The first record with exactly that name (case-sensitive), or -1.
int FindRecordByName(const std::vector<BoardData>& records, std::string_view name);
