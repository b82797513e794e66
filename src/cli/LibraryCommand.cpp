// raruduz-cli library: the puzzle data file.

#include <algorithm>
#include <iostream>

#include "cli/CliCommands.h"
#include "engine/BoardLevel.h"
#include "files/PuzzleDataDialogs.h"
#include "files/PuzzleDataFile.h"
#include "platform/SettingsNames.h"
#include "platform/SettingsStore.h"

namespace {
// The records of the file; false when the file exists but cannot be read or is damaged.
bool ReadLibrary(HeadlessPlatform& platform, const std::filesystem::path& file,
                 std::vector<PuzzleRecord>& records) {
    const std::size_t messageNbr = platform.messages.size();
    ReadDataFile(platform, file, records);
    return platform.messages.size() == messageNbr;
}

// A text on one field of one line: a crafted name must not start a row of its own.
std::string Escaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\t':
                escaped += "\\t";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\\':
                escaped += "\\\\";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

bool HasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

int List(HeadlessPlatform& platform, const std::filesystem::path& file) {
    std::vector<PuzzleRecord> records;
    if (!ReadLibrary(platform, file, records)) return kExitUsage;
    for (std::size_t k = 0; k < records.size(); ++k)
        std::cout << k + 1 << '\t' << Escaped(records[k].name) << '\t'
                  << Escaped(records[k].description) << '\t' << LevelName(records[k].level) << '\n';
    return kExitDone;
}

int Show(HeadlessPlatform& platform, const std::filesystem::path& file, const std::string& name) {
    std::vector<PuzzleRecord> records;
    if (!ReadLibrary(platform, file, records)) return kExitUsage;
    std::int32_t cluesOnly = 1;
    SettingsStore(platform).ReadNumber(kRetrieveOnlyClues, cluesOnly);
    BoardData record;
    if (!RetrieveRecord(records, name, cluesOnly != 0, record)) {
        std::cerr << "raruduz-cli: no board named '" << name << "' in " << file.string() << "\n";
        return kExitUsage;
    }
    std::cout << BoardLine(record, record.cells) << '\n';
    return kExitDone;
}

int Add(HeadlessPlatform& platform, const std::filesystem::path& file, const std::string& name,
        const std::string& description, int level, const std::vector<std::string>& inputs) {
    std::vector<PuzzleRecord> boards;
    const bool read = VisitInputBoards(inputs, platform, [&](const InputBoard& input) {
        PuzzleRecord board = ToPuzzleRecord(input.data);
        board.name = name + " #" + std::to_string(input.index);
        board.description = description;
        board.level = level;
        boards.push_back(std::move(board));
    });
    if (!read) return kExitUsage;
    if (boards.size() == 1) boards.front().name = name;
    // A damaged file is kept for its owner to rescue, not replaced.
    return UpdateDataFile(platform, file, std::move(boards)) ? kExitDone : kExitUsage;
}
}  // namespace

int RunLibrary(CliArguments& arguments) {
    const std::optional<std::string> fileOption = arguments.TakeValue("--file");
    const std::optional<std::string> name = arguments.TakeValue("--name");
    const std::string description = arguments.TakeValue("--description").value_or("");
    const int level = arguments.TakeInteger("--level", 0, 6, 0);
    std::vector<std::string> words = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());
    if (words.empty()) return UsageError("library needs list, show NAME or add --name NAME FILE");

    HeadlessPlatform platform = MakeCliPlatform();
    // Reading a library that is not there creates no program folder; adding one does.
    const std::filesystem::path readFile = fileOption
                                               ? std::filesystem::path(*fileOption)
                                               : platform.programFolder / kPuzzleDataFileName;
    const std::string action = words.front();
    words.erase(words.begin());
    if (action == "list" && words.empty() && !name) return List(platform, readFile);
    if (action == "show" && words.size() == 1 && !name)
        return Show(platform, readFile, words.front());
    if (action == "add" && words.size() == 1 && name && !name->empty()) {
        if (HasControlCharacter(*name))
            return UsageError("a board name cannot hold control characters (TAB, CR, LF, ...)");
        return Add(platform, fileOption ? readFile : PuzzleDataFilePath(platform), *name,
                   description, level, words);
    }
    return UsageError("library needs list, show NAME or add --name NAME FILE");
}
