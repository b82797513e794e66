#pragma once
// Runs the main window's commands on the document. A command reports what it did instead of
// touching widgets; the window then writes the status line and redraws.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/RunControl.h"
#include "files/BoardExport.h"
#include "files/ImportDialogModel.h"
#include "files/PuzzleRecord.h"

#include "shell/BoardOptions.h"
#include "shell/CommandResult.h"
#include "shell/CommandTable.h"
#include "shell/RaruduzDoc.h"
#include "shell/WordokuMode.h"

class Platform;
class SettingsStore;

// A window that follows a run of unknown length: the attempts made so far, and a Cancel that
// sets the run's stop request. It closes when destroyed.
class RunProgress {
public:
    virtual ~RunProgress() = default;
    virtual void ShowAttempt(int attempt) = 0;
};

// The windows a command opens itself. Those with a body answer as a cancelled window would, for
// callers with no window to show.
class CommandDialogs {
public:
    virtual ~CommandDialogs() = default;
    // The list index (technique id - 1) the user chose in the Get Solving Technique list, with
    // the entry preselected; nothing when cancelled.
    virtual std::optional<int> ChooseSolvingTechnique(int preselected) = 0;
    virtual void ShowAbout() = 0;
    // The options dialog on a copy of the options; the edited copy when confirmed.
    virtual std::optional<BoardOptions> EditBoardOptions(const BoardOptions&) {
        return std::nullopt;
    }
    // The "Special Board Generation" dialog for boards of side size; the record of the board the
    // user imported from it, if any.
    virtual std::optional<BoardData> RunSpecialGeneration(int) { return std::nullopt; }
    // Shown while a graded generation runs; its Cancel stops the run.
    virtual std::unique_ptr<RunProgress> WatchGeneration(RunControl&) { return nullptr; }
    // The letters the user assigns in the "Assign Wordoku Letters" dialog, which starts from the
    // board's and the options'; nothing when cancelled.
    virtual std::optional<WordokuAssignment> AssignWordokuLetters(
        const SudokuBoard& board, const WordokuOptions& options) = 0;
    // The standard print dialog, or with preview the print preview, on the board as printed;
    // true when it went to a printer.
    virtual bool PrintBoard(bool preview) = 0;
    // Writes the board as printed to a PNG or PDF file; the message of a failure, else nothing.
    virtual std::optional<std::string> WriteBoardImage(const std::filesystem::path& file) = 0;
    // The import dialog on a file of several boards; the record chosen, nothing when cancelled.
    virtual std::optional<BoardData> ChooseImportedBoard(const std::filesystem::path& file) = 0;
    // The load dialog over the puzzle data file, its "Retrieve Only Clues" starting checked or
    // not: the record chosen (given cells already emptied when asked), nothing when none was.
    virtual std::optional<BoardData> LoadBoard(bool retrieveOnlyClues) = 0;
    // The save dialog on a copy of the board, with the records read from the puzzle data file:
    // true when it wrote the file. The name, description and level typed go into board.
    virtual bool SaveBoard(BoardData& board, std::vector<PuzzleRecord>& records) = 0;
    // The export dialog: true when it wrote the file.
    virtual bool ExportBoard(const ExportSource& source) = 0;
    // The board's solutions when the exhaustive solve found more than one.
    virtual void ShowMultipleSolutions(const SudokuBoard& board) = 0;
    // The import dialog on a file or the clipboard, its boards taking the Wordoku assignment
    // type; the board the user imported, if any.
    virtual std::optional<BoardData> ImportBoard(ImportSource, int) { return std::nullopt; }
};

inline constexpr char kGenerationCancelledStatus[] = "Board Generation Cancelled ...";

class CommandRunner {
public:
    CommandRunner(CRaruduzDoc& document, SettingsStore& store, Platform& platform,
                  CommandDialogs& dialogs)
        : doc_(document), store_(store), platform_(platform), dialogs_(dialogs) {}

    CommandContext Context() const;
    // The row's text, or, for Default Generation, the text of the stored generation.
    std::string MenuText(const CommandRow& row) const;
    // Runs the command only when its row is enabled in the current context.
    CommandResult Run(CommandId id, int parameter = 0);
    bool Solving() const { return doc_.board().bruteForceRunning != 0; }
    // The boards of a file read as Import from File reads them: a single board becomes the board
    // at once, several are offered in the import dialog. Refused while a solve runs.
    CommandResult OpenBoardFile(const std::filesystem::path& file);
    // Ends a running exhaustive solve at its next check (closing the window does it too).
    void RequestStop() { solveControl_.stopRequested = true; }
    // The mode label's information box, shown in Wordoku display only.
    void ShowWordokuInformation();

private:
    CommandResult Execute(const CommandRow& row);
    CommandResult NewBoard();
    CommandResult ChangeBoardSize(int size);
    CommandResult SolveExhaustively();
    CommandResult SolveHumanWay(bool progressive);
    CommandResult TakeHint();
    // The marks of the step just applied, read once from the board after it, and the warning
    // when its page cannot list every cell it changed.
    void MarkHint();
    CommandResult JumpToTechnique();
    CommandResult Generate(int level, int style);
    CommandResult GenerateSpecial();
    CommandResult EditOptions();
    // Asks the user for a board's letters and keeps what they confirm.
    UserLettersRequest AskUserLetters();
    CommandResult OpenFromDataFile();
    CommandResult SaveToDataFile(bool saveAs);
    CommandResult ExportToFile();
    void ShowSolutionsWhenSeveral();
    CommandResult Import(ImportSource source);
    CommandResult SnapshotAndRedraw();
    CommandResult TakeImportedBoard(const BoardData& record);
    CommandResult ExportImage();

    CRaruduzDoc& doc_;
    SettingsStore& store_;
    Platform& platform_;
    CommandDialogs& dialogs_;
    RunControl solveControl_;
};
