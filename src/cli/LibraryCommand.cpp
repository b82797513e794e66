// raruduz-cli library: the puzzle data file.

#include <iostream>

#include "cli/CliCommands.h"
#include "engine/BoardLevel.h"
#include "files/PuzzleDataDialogs.h"
#include "files/PuzzleDataFile.h"
#include "files/SettingsStore.h"
#include "platform/SettingsNames.h"

namespace {
// The records of the file; false when the file exists but is not a valid data file.
bool ReadLibrary(HeadlessPlatform& platform, const std::filesystem::path& file,
                 std::vector<BoardData>& records) {
    const std::size_t messageNbr = platform.messages.size();
    ReadDataFile(platform, file, records);
    return platform.messages.size() == messageNbr;
}

int List(HeadlessPlatform& platform, const std::filesystem::path& file) {
    std::vector<BoardData> records;
    if (!ReadLibrary(platform, file, records)) return kExitUsage;
    for (std::size_t k = 0; k < records.size(); ++k)
        std::cout << k + 1 << '\t' << records[k].name << '\t' << records[k].description << '\t'
                  << LevelName(records[k].level) << '\n';
    return kExitDone;
}

int Show(HeadlessPlatform& platform, const std::filesystem::path& file, const std::string& name) {
    std::vector<BoardData> records;
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
    std::vector<InputBoard> boards;
    if (!ReadInputBoards(inputs, platform, boards)) return kExitUsage;
    std::vector<BoardData> records;
    // A damaged file is kept for its owner to rescue, not replaced.
    if (!ReadLibrary(platform, file, records)) return kExitUsage;
    for (const InputBoard& input : boards) {
        BoardData board = input.data;
        board.name = boards.size() == 1 ? name : name + " #" + std::to_string(input.index);
        board.description = description;
        board.level = level;
        const int index = FindRecordByName(records, board.name);
        if (index < 0)
            records.push_back(board);
        else
            ReplaceRecordBoard(records[index], board);
    }
    return WriteDataFile(platform, file, records, nullptr, false) ? kExitDone : kExitUsage;
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
    const std::filesystem::path file =
        fileOption ? std::filesystem::path(*fileOption) : PuzzleDataFilePath(platform);
    const std::string action = words.front();
    words.erase(words.begin());
    if (action == "list" && words.empty() && !name) return List(platform, file);
    if (action == "show" && words.size() == 1 && !name) return Show(platform, file, words.front());
    if (action == "add" && words.size() == 1 && name && !name->empty())
        return Add(platform, file, *name, description, level, words);
    return UsageError("library needs list, show NAME or add --name NAME FILE");
}
