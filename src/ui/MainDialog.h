#pragma once
// The program's one top-level window: menus built from the command table, the side-panel column,
// the entry buttons, the board view and the two-pane status line. It owns the board and the
// document for the whole run and routes every command through the command runner.

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <vector>

#include "engine/SudokuBoard.h"
#include "platform/SettingsStore.h"
#include "shell/BoardInput.h"
#include "shell/CommandRunner.h"
#include "shell/RaruduzDoc.h"
#include "shell/StatusLine.h"
#include "shell/WindowPlacement.h"

class QAction;
class QLabel;
class QPushButton;
class QSplitter;
class QTabWidget;
class CRaruduzView;
class CandidatePopup;
class BoardStatPage;
class HintDataPage;
class SolveDataPanel;
class QtPlatform;

class MainDialog : public QMainWindow, private CommandDialogs {
    Q_OBJECT
public:
    // statusTickMilliseconds: the interval of the status timer (one countdown step).
    MainDialog(Platform& platform, SettingsStore& store, int statusTickMilliseconds = 1000);
    ~MainDialog() override;

    // Shows the window as the stored placement says: normal or maximized.
    void ShowPlaced();
    // Runs a command as its menu item, button or shortcut does.
    void RunCommand(CommandId id, int parameter = 0);
    // Shows what a command or an input did: status line, view, states.
    void Apply(const CommandResult& result);
    // A file named on the command line or dropped on the window.
    void OpenBoardFile(const std::filesystem::path& file);

    CRaruduzDoc& document() { return doc_; }
    const StatusLine& statusLine() const { return status_; }
    QAction* action(CommandId id, int parameter = 0) const;
    // The candidate popup while it is open, for tests.
    CandidatePopup* candidatePopup() const { return candidatePopup_; }
    QPushButton* entryButton(int value) const { return entryButtons_[value - 1]; }
    QPushButton* modeLabel() const { return modeLabel_; }
    QPushButton* hintButton() const { return hintButton_; }
    QPushButton* undoButton() const { return undoButton_; }
    QPushButton* redoButton() const { return redoButton_; }
    QLabel* statusPane() const { return statusPane_; }
    QLabel* timePane() const { return timePane_; }
    QSplitter* splitter() const { return splitter_; }
    CRaruduzView* view() const { return view_; }
    QTabWidget* tabs() const { return tabs_; }
    BoardStatPage* boardStatPage() const { return boardStat_; }
    HintDataPage* hintDataPage() const { return hintData_; }
    SolveDataPanel* solveDataPanel() const { return solveData_; }

    // The width of the side-panel column that a splitter offset of 0 stands for.
    static constexpr int kSideColumnWidth = 300;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::optional<int> ChooseSolvingTechnique(int preselected) override;
    void ShowAbout() override;
    std::optional<BoardOptions> EditBoardOptions(const BoardOptions& options) override;
    std::optional<BoardData> RunSpecialGeneration(int size) override;
    std::unique_ptr<RunProgress> WatchGeneration(RunControl& control) override;
    // Where a board that is not the document's (a special generation result) is exported.
    void ExportRecord(const BoardData& record);
    std::optional<WordokuAssignment> AssignWordokuLetters(const SudokuBoard& board,
                                                          const WordokuOptions& options) override;
    bool PrintBoard(bool preview) override;
    std::optional<std::string> WriteBoardImage(const std::filesystem::path& file) override;
    std::optional<BoardData> ChooseImportedBoard(const std::filesystem::path& file) override;
    std::optional<BoardData> LoadBoard(bool retrieveOnlyClues) override;
    bool SaveBoard(BoardData& board, std::vector<PuzzleRecord>& records) override;
    bool ExportBoard(const ExportSource& source) override;
    void ShowMultipleSolutions(const SudokuBoard& board) override;
    std::optional<BoardData> ImportBoard(ImportSource source, int assignType) override;

    void BuildMenus();
    QWidget* BuildSideColumn();
    QWidget* BuildBoardArea();
    void BuildStatusLine();
    // Every menu item's and button's state from the command table, in one place.
    void RefreshStates();
    void ShowStatus();
    // The side panels from the board, and the page that fits what just happened.
    void RefreshPanels();
    void StoreLog();
    // Selects a cell of the board (a beep outside it) and brings the view the keyboard focus.
    bool SelectCell(int column, int row);
    // Clicks in the view; column and row are -1 outside the board.
    void LeftClick(int column, int row);
    void RightClick(int column, int row);
    void OpenCandidatePopup();
    // False when a kept session was found damaged; it is replaced at the next close.
    bool RestoreLastSession();
    void KeepSession();
    void RestorePlacement();
    WindowPlacement CurrentPlacement() const;
    void ApplySplitterOffset(int offset);

    Platform& platform_;
    SettingsStore& store_;
    SudokuBoard board_;
    CRaruduzDoc doc_;
    CommandRunner runner_;
    BoardInput input_;
    StatusLine status_;
    QTimer statusTimer_;
    bool maximized_ = false;
    bool closeAfterSolve_ = false;

    std::vector<std::pair<const CommandRow*, QAction*>> actions_;
    std::array<QPushButton*, kMaxSize> entryButtons_{};
    QPushButton* modeLabel_ = nullptr;
    QPushButton* hintButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* redoButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    BoardStatPage* boardStat_ = nullptr;
    HintDataPage* hintData_ = nullptr;
    SolveDataPanel* solveData_ = nullptr;
    CandidatePopup* candidatePopup_ = nullptr;
    QSplitter* splitter_ = nullptr;
    CRaruduzView* view_ = nullptr;
    QLabel* statusPane_ = nullptr;
    QLabel* timePane_ = nullptr;
};
