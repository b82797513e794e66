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

    std::optional<int> chosen;
    std::optional<WordokuAssignment> assignment;
    int lettersAsked = 0;
    std::vector<int> preselections;
    int aboutShown = 0;
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
