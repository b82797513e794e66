#pragma once
// A document, runner and input over a headless platform, as the main window holds them.

#include <optional>
#include <string>

#include "TestSupport.h"
#include "platform/SettingsStore.h"
#include "shell/BoardInput.h"
#include "shell/CommandRunner.h"

class ScriptedDialogs : public CommandDialogs {
public:
    std::optional<int> ChooseSolvingTechnique(int preselected) override {
        preselections.push_back(preselected);
        return chosen;
    }
    void ShowAbout() override { ++aboutShown; }
    std::optional<WordokuAssignment> AssignWordokuLetters(const SudokuBoard&,
                                                          const WordokuOptions&) override {
        ++lettersAsked;
        return assignment;
    }
    bool PrintBoard(bool preview) override {
        (preview ? previewNbr : printNbr) += 1;
        return printed;
    }
    std::optional<std::string> WriteBoardImage(const std::filesystem::path& file) override {
        imageFiles.push_back(file);
        return imageFailure;
    }
    std::optional<BoardData> ChooseImportedBoard(const std::filesystem::path& file) override {
        importFiles.push_back(file);
        return imported;
    }
    std::optional<BoardData> LoadBoard(bool retrieveOnlyClues) override {
        loadCluesOnly.push_back(retrieveOnlyClues);
        return loaded;
    }
    bool SaveBoard(BoardData& board, std::vector<PuzzleRecord>& records) override {
        saveDialogRecords.push_back(records.size());
        if (typedName) board.name = *typedName;
        return saveAnswer;
    }
    bool ExportBoard(const ExportSource& source) override {
        exported.push_back(ExportPreview(source, WebFriendly, CluesAndGivens));
        return exportAnswer;
    }
    void ShowMultipleSolutions(const SudokuBoard& board) override {
        solutionsShown.push_back(board.solutionNbr);
    }
    std::optional<BoardData> ImportBoard(ImportSource source, int assignType) override {
        importRequests.emplace_back(source, assignType);
        return imported;
    }

    std::optional<int> chosen;
    std::optional<WordokuAssignment> assignment;
    int lettersAsked = 0;
    std::vector<int> preselections;
    int aboutShown = 0;
    bool printed = true;
    int printNbr = 0;
    int previewNbr = 0;
    std::optional<std::string> imageFailure;
    std::vector<std::filesystem::path> imageFiles;
    std::optional<BoardData> imported;
    std::vector<std::filesystem::path> importFiles;
    std::optional<BoardData> loaded;
    std::vector<bool> loadCluesOnly;
    std::optional<std::string> typedName;
    bool saveAnswer = false;
    std::vector<std::size_t> saveDialogRecords;
    bool exportAnswer = true;
    std::vector<std::string> exported;
    std::vector<int> solutionsShown;
    std::vector<std::pair<ImportSource, int>> importRequests;
};

struct ShellFixture {
    ShellFixture() { doc.RecreateBoard(9, false); }

    // Puts the puzzle's clues on the board (set mode) through the document's input.
    void TypeClues(std::string_view puzzle) {
        for (int i = 0; i < static_cast<int>(puzzle.size()); ++i) {
            if (puzzle[i] == '.') continue;
            input.Select(i % board.size, i / board.size);
            input.TypeCharacter(puzzle[i]);
        }
    }
    std::string Status(const CommandResult& result) const { return result.status.value_or("-"); }

    HeadlessPlatform platform;
    SettingsStore store{platform};
    SudokuBoard board{platform};
    CRaruduzDoc doc{board};
    ScriptedDialogs dialogs;
    CommandRunner runner{doc, store, platform, dialogs};
    BoardInput input{doc, platform};
};
