#include "shell/CommandRunner.h"

#include <cstdio>
#include <filesystem>

#include "engine/HumanLikeSolving.h"
#include "files/BoardImport.h"
#include "files/PuzzleDataDialogs.h"
#include "files/PuzzleDataFile.h"
#include "generation/GenerationSettings.h"
#include "generation/GradedGeneration.h"
#include "platform/SettingsNames.h"
#include "platform/SettingsStore.h"
#include "shell/BoardSnapshot.h"
#include "shell/DesktopArguments.h"
#include "shell/HintDataTexts.h"
#include "shell/SidePanels.h"
#include "techniques/TechniqueTable.h"

namespace {
constexpr char kNoSolutionMessage[] = "No Solution Found !!!";
constexpr char kAbortedMessage[] = "Board Solving Aborted by User ... No Solution Found !!!";
constexpr char kJumpUnavailableMessage[] =
    "Unable to Solve Board ... Jumping to a Solving Technique is Unavailable ...";
constexpr char kNoBoardDataMessage[] = "Unable to Get Board Data !!!";
constexpr char kImageFormatMessage[] = "An Image is Written as a .png or a .pdf File ...";
constexpr char kExportImageTitle[] = "Export as Image";
constexpr char kExportImageFilter[] = "PNG Image (*.png);;PDF Document (*.pdf)";

std::string ElapsedText(const char* format, std::uint32_t milliseconds) {
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<int>(milliseconds / 1000),
                  static_cast<int>(milliseconds % 1000));
    return text;
}

// Pane 1 after Open and Save.
std::string NameAndDescription(const BoardData& board) {
    return board.name + " - " + board.description;
}
}  // namespace

CommandContext CommandRunner::Context() const {
    const SudokuBoard& board = doc_.board();
    CommandContext context;
    context.size = board.size;
    context.clueNbr = board.clueNbr;
    context.givenNbr = board.givenNbr;
    context.emptyNbr = board.emptyNbr;
    context.solving = Solving();
    context.entryMode = doc_.view.entryMode;
    context.viewMode = doc_.settings.viewMode;
    context.defaultBoardSize = doc_.settings.defaultBoardSize;
    context.highlighted = doc_.view.highlighted;
    context.mistakesShown = doc_.view.mistakesShown;
    context.zoomRatio = doc_.settings.zoomRatio;
    context.canUndo = doc_.history().CanUndo();
    context.canRedo = doc_.history().CanRedo();
    // Solve Board and generation prove the solution without the exhaustive solver's flag.
    context.solutionKnown = board.solutionKnown != 0 || board.mistakeCheckEnabled != 0;
    std::error_code error;
    context.boardDataFileExists = std::filesystem::exists(PuzzleDataFilePath(platform_), error);
    return context;
}

std::string CommandRunner::MenuText(const CommandRow& row) const {
    if (row.id == CommandId::DefaultGeneration)
        return DefaultGenerationMenuText(ReadDefaultGeneration(store_));
    return row.text;
}

CommandResult CommandRunner::Run(CommandId id, int parameter) {
    const CommandRow* row = FindCommand(id, parameter);
    if (!row || !IsEnabled(*row, Context())) return Refused();
    return Execute(*row);
}

CommandResult CommandRunner::Execute(const CommandRow& row) {
    SudokuBoard& board = doc_.board();
    ViewState& view = doc_.view;
    switch (row.id) {
        case CommandId::New:
            return NewBoard();
        case CommandId::Exit: {
            CommandResult result;
            result.closeWindow = true;
            return result;
        }
        case CommandId::SetBoard:
            view.entryMode = SetMode;
            return StatusAndRedraw("Board is turned to Set Mode");
        case CommandId::SolveBoard:
            board.PrepareShowMistakes();
            ShowSolutionsWhenSeveral();
            view.entryMode = SolveMode;
            return StatusAndRedraw("Board is turned to Solve Mode");
        case CommandId::ResetBoard:
            view.hintShown = false;
            board.ClearGivens();
            return SnapshotAndRedraw();
        case CommandId::ShowMistakes:
            view.mistakesShown = !view.mistakesShown;
            return Redrawn();
        case CommandId::HighLightCandidate:
            view.highlighted = view.highlighted == row.parameter ? 0 : row.parameter;
            return Redrawn();
        case CommandId::DefaultGeneration: {
            const DefaultGeneration generation = ReadDefaultGeneration(store_);
            return Generate(generation.level, generation.style);
        }
        case CommandId::GenerateBoard:
            return Generate(row.parameter / 10, row.parameter % 10);
        case CommandId::Undo:
            return Redrawn(doc_.Undo());
        case CommandId::Redo:
            return Redrawn(doc_.Redo());
        case CommandId::Hint:
            return TakeHint();
        case CommandId::JumpToTechnique:
            return JumpToTechnique();
        case CommandId::SolveBruteForce:
            return SolveExhaustively();
        case CommandId::StopBruteForce:
            RequestStop();
            return {};
        case CommandId::SolveIterative:
            return SolveHumanWay(false);
        case CommandId::SolveProgressive:
            return SolveHumanWay(true);
        case CommandId::BoardSize:
            return ChangeBoardSize(row.parameter);
        case CommandId::Zoom: {
            doc_.settings.zoomRatio = row.parameter;
            char text[64];
            std::snprintf(text, sizeof text, "Zoom Ratio Changed to %d %% ...", row.parameter);
            CommandResult result = StatusAndRedraw(text);
            result.zoomChanged = true;
            return result;
        }
        case CommandId::About:
            dialogs_.ShowAbout();
            return {};
        case CommandId::SudokuMode:
        case CommandId::WordokuMode:
            SetViewMode(doc_, store_, platform_, row.parameter, AskUserLetters());
            return Redrawn();
        case CommandId::AssignWordokuLetters:
            AskUserLetters()(board);
            return Redrawn();
        case CommandId::SpecialGeneration:
            return GenerateSpecial();
        case CommandId::BoardOptions:
            return EditOptions();
        case CommandId::Print: {
            CommandResult result;
            result.status = dialogs_.PrintBoard(false) ? "Board Sent to the Printer ..."
                                                       : "No Board Printed ...";
            return result;
        }
        case CommandId::PrintPreview:
            dialogs_.PrintBoard(true);
            return {};
        case CommandId::ExportAsImage:
            return ExportImage();
        case CommandId::ImportFromClipboard:
            return Import(ImportSource::Clipboard);
        case CommandId::ImportFromFile:
            return Import(ImportSource::File);
        case CommandId::Open:
            return OpenFromDataFile();
        case CommandId::Save:
            return SaveToDataFile(false);
        case CommandId::SaveAs:
            return SaveToDataFile(true);
        case CommandId::ExportToFile:
            return ExportToFile();
    }
    return Refused();
}

CommandResult CommandRunner::SnapshotAndRedraw() {
    doc_.TakeSnapshot();
    CommandResult result = Redrawn();
    result.snapshotTaken = true;
    return result;
}

CommandResult CommandRunner::OpenBoardFile(const std::filesystem::path& file) {
    if (!IsEnabled(*FindCommand(CommandId::ImportFromFile), Context())) return Refused();
    BoardList boards(doc_.settings.wordokuAssignmentType);
    ReadBoardFile(platform_, file, boards);
    std::optional<BoardData> chosen;
    if (boards.Count() == 0) {
        platform_.ShowMessage(kNoBoardDataMessage);
    } else if (boards.Count() == 1) {
        chosen.emplace();
        boards.Record(0, *chosen);
    } else
        chosen = dialogs_.ChooseImportedBoard(file);
    if (!chosen) {
        CommandResult result;
        result.status = "No Board Imported ...";
        return result;
    }
    return TakeImportedBoard(*chosen);
}

CommandResult CommandRunner::TakeImportedBoard(const BoardData& record) {
    doc_.TakeBoard(record);
    SetUpBoardLetters(doc_, store_, platform_, 1, AskUserLetters());
    CommandResult result = StatusAndRedraw("Board Imported Successfully ...");
    result.timePane = doc_.board().name + " - " + doc_.board().description;
    result.historyReset = true;
    return result;
}

CommandResult CommandRunner::ExportImage() {
    CommandResult result;
    result.status = "No Image Exported ...";
    std::optional<std::filesystem::path> file = platform_.ChooseFile(
        FileChoice::Save, kExportImageTitle, platform_.ProgramFolder(), kExportImageFilter);
    if (!file) return result;
    if (file->extension().empty()) *file += ".png";
    if (!SheetFormatOf(*file)) {
        platform_.ShowMessage(kImageFormatMessage);
        return result;
    }
    std::error_code error;
    if (std::filesystem::exists(*file, error) &&
        !platform_.AskOkCancel("File " + file->string() + " Already Exists ... Replace it ?", true))
        return result;
    if (const std::optional<std::string> failure = dialogs_.WriteBoardImage(*file)) {
        platform_.ShowMessage(*failure);
        return result;
    }
    result.status = "Board Image Exported Successfully to File ...";
    return result;
}

CommandResult CommandRunner::NewBoard() {
    doc_.RecreateBoard(doc_.settings.defaultBoardSize, false);
    CommandResult result = StatusAndRedraw("New Board Created with Defaut Size ...");
    result.timePane = " ...";
    return result;
}

CommandResult CommandRunner::ChangeBoardSize(int size) {
    doc_.settings.defaultBoardSize = size;
    store_.WriteNumber(kDefaultBoardSize, size);
    doc_.RecreateBoard(size, true);
    return Redrawn();
}

CommandResult CommandRunner::TakeHint() {
    const int applied = SolveOneStep(doc_.board(), doc_.step);
    doc_.view.hintShown = applied != 0;
    if (!applied) return Redrawn();
    MarkHint();
    return SnapshotAndRedraw();
}

void CommandRunner::MarkHint() {
    StepDisplay display;
    ShowStep(doc_.step, display);
    BuildHintMarks(display, doc_.board(), doc_.hint);
    // Once per hint taken, never on a repaint: the page cannot list all the step changed.
    if (HintListIsCut(display)) platform_.ShowMessage(kHintListCutMessage);
}

CommandResult CommandRunner::JumpToTechnique() {
    SudokuBoard& board = doc_.board();
    // The trial solve only tells whether the board can be solved; whatever it leaves on the
    // board is undone when the jump does not go ahead, so the screen matches the history.
    const std::string before = TakeBoardSnapshot(board);
    if (SolveHumanLike(board, board.statistics) != 0) {
        RestoreBoardSnapshot(board, before);
        platform_.ShowMessage(kJumpUnavailableMessage);
        return Redrawn();
    }
    std::int32_t lastTechnique = 1;
    store_.ReadNumber(kLastSolveTech, lastTechnique);
    const std::optional<int> chosen = dialogs_.ChooseSolvingTechnique(
        lastTechnique >= 1 && lastTechnique < kTechniqueIdCount ? lastTechnique - 1 : 0);
    if (!chosen) {
        RestoreBoardSnapshot(board, before);
        return Redrawn();
    }
    const int target = *chosen + 1;
    board.ClearGivens();
    CommandResult result = Redrawn();
    for (;;) {
        const int applied = SolveOneStep(board, doc_.step);
        doc_.view.hintShown = applied != 0;
        if (!applied) break;
        doc_.TakeSnapshot();
        result.snapshotTaken = true;
        if (doc_.step.technique == target) break;
    }
    if (doc_.view.hintShown) MarkHint();
    return result;
}

CommandResult CommandRunner::SolveExhaustively() {
    SudokuBoard& board = doc_.board();
    doc_.view.entryMode = BruteForceSolvingMode;
    const std::uint32_t start = platform_.TickCount();
    solveControl_.stopRequested = false;
    const SolveStatus status = board.SolveBruteForce(CountToFifty, &solveControl_);
    const std::uint32_t elapsed = platform_.TickCount() - start;
    if (status == SolvingAborted)
        platform_.ShowMessage(kAbortedMessage);
    else if (status != SolutionFound)
        platform_.ShowMessage(kNoSolutionMessage);
    ShowSolutionsWhenSeveral();
    doc_.view.entryMode = SolveMode;
    doc_.view.hintShown = false;
    CommandResult result = SnapshotAndRedraw();
    result.status = ElapsedText("Solving Time: %d sec. %d msec. ", elapsed);
    return result;
}

CommandResult CommandRunner::SolveHumanWay(bool progressive) {
    SudokuBoard& board = doc_.board();
    const std::uint32_t start = platform_.TickCount();
    const SolveStatus status = progressive ? SolveProgressive(board, board.statistics)
                                           : SolveHumanLike(board, board.statistics);
    const std::uint32_t elapsed = platform_.TickCount() - start;
    if (status != SolutionFound) platform_.ShowMessage(kNoSolutionMessage);
    CommandResult result = SnapshotAndRedraw();
    result.status = ElapsedText("Solving Time: %d sec. %d msec. ", elapsed);
    return result;
}

CommandResult CommandRunner::Generate(int level, int style) {
    SudokuBoard& board = doc_.board();
    if (!IsGradedGenerationOffered(board.size, level)) {
        platform_.ShowMessage(kSixteenBySixteenLevelMessage);
        return {};
    }
    RunControl control;
    bool generated = false;
    {
        const std::unique_ptr<RunProgress> progress = dialogs_.WatchGeneration(control);
        control.progress = [&](int attempt) {
            if (progress) progress->ShowAttempt(attempt);
            platform_.PumpMessages();
        };
        BusyCursor busy(platform_);
        generated = GenerateGradedBoard(board, board.size, level, style, 0, &control);
    }
    StoreDefaultGeneration(store_, level, style);
    if (!generated)
        return control.stopRequested ? StatusAndRedraw(kGenerationCancelledStatus) : Redrawn();
    SetUpBoardLetters(doc_, store_, platform_, 1, AskUserLetters());
    doc_.ResetHistory();
    CommandResult result = StatusAndRedraw("New Board Generated by Raruduz ...");
    result.historyReset = true;
    return result;
}

CommandResult CommandRunner::GenerateSpecial() {
    const std::optional<BoardData> record = dialogs_.RunSpecialGeneration(doc_.board().size);
    if (!record) return StatusAndRedraw("...");
    doc_.TakeBoard(*record);
    SetUpBoardLetters(doc_, store_, platform_, 1, AskUserLetters());
    CommandResult result = StatusAndRedraw("Special Board Generated Successfully ...");
    result.historyReset = true;
    return result;
}

CommandResult CommandRunner::EditOptions() {
    const std::optional<BoardOptions> edited = dialogs_.EditBoardOptions(CurrentBoardOptions(doc_));
    if (!edited) return {};
    ApplyBoardOptions(doc_, store_, *edited);
    return Redrawn();
}

UserLettersRequest CommandRunner::AskUserLetters() {
    return [this](SudokuBoard& board) {
        const std::optional<WordokuAssignment> assignment =
            dialogs_.AssignWordokuLetters(board, ReadWordokuOptions(store_));
        if (assignment) StoreUserLetters(doc_, store_, platform_, *assignment);
    };
}

void CommandRunner::ShowWordokuInformation() {
    if (doc_.settings.viewMode != 1) return;
    platform_.ShowMessage(
        WordokuInformationText(doc_.board(), ReadWordokuOptions(store_).assignmentType));
}

void CommandRunner::ShowSolutionsWhenSeveral() {
    if (doc_.board().solutionNbr > 1) dialogs_.ShowMultipleSolutions(doc_.board());
}

CommandResult CommandRunner::OpenFromDataFile() {
    const std::optional<BoardData> record =
        dialogs_.LoadBoard(doc_.settings.retrieveOnlyClues != 0);
    CommandResult result;
    if (record) {
        doc_.TakeBoard(*record);
        // A board saved in Wordoku display comes back in it, with its own letters.
        SetUpBoardLetters(doc_, store_, platform_, 0, AskUserLetters());
        result = StatusAndRedraw("Board Loaded Successfully from Raruduz Board Data File ...");
        result.historyReset = true;
    } else {
        result.status = "No Board Loaded ...";
    }
    result.timePane = NameAndDescription(doc_.board());
    return result;
}

CommandResult CommandRunner::SaveToDataFile(bool saveAs) {
    const std::filesystem::path file = PuzzleDataFilePath(platform_);
    std::vector<PuzzleRecord> records;
    ReadDataFile(platform_, file, records);
    SudokuBoard& board = doc_.board();
    const QuickSaveOutcome quick = QuickSave(platform_, file, records, board, saveAs);
    bool saved = quick == QuickSaveOutcome::Saved;
    if (quick == QuickSaveOutcome::DialogNeeded) {
        BoardData edited = board.data();
        saved = dialogs_.SaveBoard(edited, records);
        board.name = edited.name;
        board.description = edited.description;
        board.level = edited.level;
    }
    CommandResult result;
    result.status = saved ? "Board Saved to Raruduz Board Data File ..." : "Board Not Saved ...";
    result.timePane = NameAndDescription(board);
    return result;
}

CommandResult CommandRunner::ExportToFile() {
    const SudokuBoard& board = doc_.board();
    // Letters only when the board has a whole set of them, as the view shows it.
    const ExportSource source{&board.data(), board.mistakeCheckEnabled,
                              !DisplayLetters(doc_).empty()};
    CommandResult result;
    result.status = dialogs_.ExportBoard(source) ? "Board exported Successfully to File ..."
                                                 : "No Board Exported ...";
    return result;
}

CommandResult CommandRunner::Import(ImportSource source) {
    const bool fromFile = source == ImportSource::File;
    const std::optional<BoardData> record =
        dialogs_.ImportBoard(source, doc_.settings.wordokuAssignmentType);
    CommandResult result;
    if (record) {
        doc_.TakeBoard(*record);
        SetUpBoardLetters(doc_, store_, platform_, 1, AskUserLetters());
        result = StatusAndRedraw(fromFile ? "Board Imported Successfully ..."
                                          : "Board Imported Successfully from Clipboard ...");
        result.historyReset = true;
    } else {
        result.status = "No Board Imported ...";
    }
    if (fromFile) result.timePane = doc_.board().name + " - " + doc_.board().description;
    return result;
}
