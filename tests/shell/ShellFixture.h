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
    std::optional<BoardOptions> EditBoardOptions(const BoardOptions& options) override {
        shownOptions = options;
        return editedOptions;
    }
    std::optional<BoardData> RunSpecialGeneration(int size) override {
        specialSize = size;
        return specialRecord;
    }
    // Follows the run and presses Cancel when it reaches cancelAtAttempt.
    std::unique_ptr<RunProgress> WatchGeneration(RunControl& control) override {
        struct Watch : RunProgress {
            Watch(ScriptedDialogs& owner, RunControl& control) : owner(owner), control(control) {}
            void ShowAttempt(int attempt) override {
                owner.attemptsShown.push_back(attempt);
                if (attempt == owner.cancelAtAttempt) control.stopRequested = true;
            }
            ScriptedDialogs& owner;
            RunControl& control;
        };
        return std::make_unique<Watch>(*this, control);
    }

    std::optional<int> chosen;
    std::vector<int> preselections;
    int aboutShown = 0;
    std::optional<BoardOptions> shownOptions;
    std::optional<BoardOptions> editedOptions;
    int specialSize = 0;
    std::optional<BoardData> specialRecord;
    int cancelAtAttempt = 0;
    std::vector<int> attemptsShown;
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
