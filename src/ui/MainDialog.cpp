#include "ui/MainDialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "files/ProgramFolder.h"
#include "files/PuzzleDataFile.h"
#include "files/SolveLog.h"
#include "platform/SettingsNames.h"
#include "shell/DocumentViewState.h"
#include "shell/LastSession.h"
#include "shell/PuzzleSheet.h"
#include "shell/SidePanels.h"
#include "ui/AssignWordokuLettersDialog.h"
#include "ui/BoardOptionsDialog.h"
#include "ui/BoardPrinter.h"
#include "ui/BoardText.h"
#include "ui/CRaruduzView.h"
#include "ui/CandidatePopup.h"
#include "ui/ExportDialog.h"
#include "ui/GenerationProgressDialog.h"
#include "ui/GetSolvingTechniqueDialog.h"
#include "ui/HintDataPage.h"
#include "ui/ImportDialog.h"
#include "ui/LogViewerDialog.h"
#include "ui/MultiSolutionsDialog.h"
#include "ui/PageOutput.h"
#include "ui/PuzzleDataLoadDialog.h"
#include "ui/PuzzleDataSaveDialog.h"
#include "ui/SidePanelPages.h"
#include "ui/SpecialGenerationDialog.h"

namespace {
constexpr QSize kDefaultSize(1000, 620);
// A stored placement smaller than this was not made by a usable window.
constexpr QSize kMinimumPlacedSize(400, 200);
constexpr int kMinimumSideWidth = 120;
constexpr int kMinimumBoardWidth = 300;
constexpr int kTimePaneWidth = 150;
constexpr char kWelcomeStatus[] = "Welcome to Raruduz 2.2 ...";
constexpr char kSessionDamagedStatus[] =
    "Unable to Restore Board from Last Session ... Session File Damaged ...";
constexpr char kSessionNotKeptMessage[] = "Unable to Keep Board for Next Session ...";
constexpr char kAboutText[] =
    "Raruduz 2.2\n\nA Sudoku workbench: set up, solve, rate and generate 9 x 9 and 16 x 16 "
    "boards.";

// A placement is used only when enough of its window lies on a screen to be grabbed.
bool IsOnSomeScreen(const QRect& rect) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(rect);
        if (visible.width() >= 100 && visible.height() >= 50) return true;
    }
    return false;
}

// Beside the cell, on its right when there is room, else on its left, and inside the area, so
// that the popup never covers another part of the window.
QPoint PlaceBeside(QSize size, const QRect& cell, const QRect& area) {
    QRect placed(QPoint(cell.right() + 1, cell.top()), size);
    if (placed.right() > area.right()) placed.moveRight(cell.left() - 1);
    placed.moveRight(std::min(placed.right(), area.right()));
    placed.moveLeft(std::max(placed.left(), area.left()));
    placed.moveBottom(std::min(placed.bottom(), area.bottom()));
    placed.moveTop(std::max(placed.top(), area.top()));
    return placed.topLeft();
}

// The rectangle made no larger than the work area of the screen it lies on and moved inside it,
// so that a placement from a larger screen (or a hand-edited one) leaves no part out of reach.
QRect FitToScreen(QRect rect) {
    const QScreen* screen = QGuiApplication::screenAt(rect.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return rect;
    const QRect area = screen->availableGeometry();
    rect.setSize(rect.size().boundedTo(area.size()));
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() - rect.height() + 1));
    return rect;
}
}  // namespace

MainDialog::MainDialog(Platform& platform, SettingsStore& store, int statusTickMilliseconds)
    : platform_(platform),
      store_(store),
      board_(platform),
      doc_(board_),
      runner_(doc_, store, platform, *this),
      input_(doc_, platform) {
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    splitter_ = new QSplitter(Qt::Horizontal);
    BuildStatusLine();
    std::int32_t splitterOffset = 0;
    store_.ReadNumber(kSplitterPosition, splitterOffset);
    splitter_->addWidget(BuildSideColumn());
    splitter_->addWidget(BuildBoardArea());
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);
    layout->addWidget(splitter_);
    exitButton_ = new QPushButton("&Exit");
    connect(exitButton_, &QPushButton::clicked, this, [this] { RunCommand(CommandId::Exit); });
    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch();
    exitRow->addWidget(exitButton_);
    layout->addLayout(exitRow);
    setCentralWidget(central);
    BuildMenus();

    LoadViewSettings(store_, doc_.settings);
    doc_.RecreateBoard(doc_.settings.defaultBoardSize, false);
    const bool sessionRestored = !doc_.settings.autoLoadBoard || RestoreLastSession();
    view_->SetZoom(doc_.settings.zoomRatio);
    RestorePlacement();
    status_.Write(sessionRestored ? kWelcomeStatus : kSessionDamagedStatus);
    status_.WriteTime(" ");
    ShowStatus();
    ApplySplitterOffset(splitterOffset);
    store_.WriteNumber(kLastSolveTech, 1);
    RefreshStates();
    RefreshPanels();
    connect(&statusTimer_, &QTimer::timeout, this, [this] {
        if (status_.Tick()) ShowStatus();
    });
    statusTimer_.start(statusTickMilliseconds);
    setAcceptDrops(true);
}

MainDialog::~MainDialog() = default;

void MainDialog::BuildStatusLine() {
    statusPane_ = new QLabel;
    timePane_ = new QLabel;
    timePane_->setFixedWidth(kTimePaneWidth);
    statusBar()->addWidget(statusPane_, 1);
    statusBar()->addPermanentWidget(timePane_);
}

QWidget* MainDialog::BuildSideColumn() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    modeLabel_ = new QPushButton("Sudoku");
    modeLabel_->setFlat(true);
    modeLabel_->setFont(QFont("Arial", 12, QFont::Bold));
    QPalette palette = modeLabel_->palette();
    palette.setColor(QPalette::ButtonText, Qt::blue);
    modeLabel_->setPalette(palette);
    connect(modeLabel_, &QPushButton::clicked, this, [this] { runner_.ShowWordokuInformation(); });
    layout->addWidget(modeLabel_, 0, Qt::AlignLeft);
    tabs_ = new QTabWidget;
    boardStat_ = new BoardStatPage;
    hintData_ = new HintDataPage;
    solveData_ = new SolveDataPanel;
    connect(solveData_->storeLog, &QPushButton::clicked, this, &MainDialog::StoreLog);
    tabs_->addTab(boardStat_, "Board Stat.");
    tabs_->addTab(hintData_, "Hint Data");
    tabs_->addTab(solveData_, "Solve Data");
    tabs_->setCurrentIndex(0);
    layout->addWidget(tabs_, 1);
    return column;
}

QWidget* MainDialog::BuildBoardArea() {
    auto* area = new QWidget;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (int value = 1; value <= kMaxSize; ++value) {
        auto* button = new QPushButton(QString(QChar(kValueSymbols[value])));
        button->setFixedSize(32, 26);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, value] {
            Apply(input_.EnterValue(value));
            view_->setFocus();
        });
        buttons->addWidget(button);
        entryButtons_[value - 1] = button;
    }
    buttons->addStretch();
    hintButton_ = new QPushButton("Hint");
    undoButton_ = new QPushButton("Undo");
    redoButton_ = new QPushButton("Redo");
    const std::pair<QPushButton*, CommandId> commandButtons[] = {{hintButton_, CommandId::Hint},
                                                                 {undoButton_, CommandId::Undo},
                                                                 {redoButton_, CommandId::Redo}};
    for (auto [button, id] : commandButtons) {
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, id = id] { RunCommand(id); });
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    view_ = new CRaruduzView(doc_);
    connect(view_, &CRaruduzView::selectionKeyPressed, this, [this](SelectionKey key) {
        if (runner_.Solving()) return;
        const CellPosition previous{doc_.view.selectedX, doc_.view.selectedY};
        input_.MoveSelection(key);
        view_->SelectionMoved(previous);
    });
    connect(view_, &CRaruduzView::leftReleased, this, &MainDialog::LeftClick);
    connect(view_, &CRaruduzView::rightPressed, this, &MainDialog::RightClick);
    connect(view_, &CRaruduzView::candidatePopupRequested, this, &MainDialog::OpenCandidatePopup);
    connect(view_, &CRaruduzView::deletePressed, this, [this] { Apply(input_.DeleteSelected()); });
    connect(view_, &CRaruduzView::characterTyped, this,
            [this](char c) { Apply(input_.TypeCharacter(c)); });
    layout->addWidget(view_, 1);
    return area;
}

void MainDialog::BuildMenus() {
    QMap<QString, QMenu*> menus;
    for (const CommandRow& row : CommandTable()) {
        const QString path = row.menu;
        QMenu* menu = menus.value(path);
        if (!menu) {
            const QStringList names = path.split('/');
            QString prefix;
            QMenu* parent = nullptr;
            for (const QString& name : names) {
                prefix = prefix.isEmpty() ? name : prefix + '/' + name;
                QMenu* existing = menus.value(prefix);
                if (!existing) {
                    existing = parent ? parent->addMenu(name) : menuBar()->addMenu(name);
                    connect(existing, &QMenu::aboutToShow, this, &MainDialog::RefreshStates);
                    menus.insert(prefix, existing);
                }
                parent = existing;
            }
            menu = parent;
        }
        const QStringList parts = QString(row.text).split('\t');
        QAction* action = menu->addAction(parts.front());
        if (parts.size() > 1) action->setShortcut(QKeySequence(parts.back()));
        action->setCheckable(row.checked != nullptr);
        connect(action, &QAction::triggered, this,
                [this, id = row.id, parameter = row.parameter] { RunCommand(id, parameter); });
        actions_.emplace_back(&row, action);
    }
}

QAction* MainDialog::action(CommandId id, int parameter) const {
    for (const auto& [row, action] : actions_)
        if (row->id == id && row->parameter == parameter) return action;
    return nullptr;
}

void MainDialog::RefreshStates() {
    const CommandContext context = runner_.Context();
    for (const auto& [row, action] : actions_) {
        action->setEnabled(IsEnabled(*row, context));
        action->setChecked(IsChecked(*row, context));
        if (row->id == CommandId::DefaultGeneration)
            action->setText(QString::fromStdString(runner_.MenuText(*row)));
    }
    const std::string_view letters = DisplayLetters(doc_);
    for (int value = 1; value <= kMaxSize; ++value) {
        QPushButton* button = entryButtons_[value - 1];
        const char face =
            value <= static_cast<int>(letters.size()) ? letters[value - 1] : kValueSymbols[value];
        button->setText(QString(QChar::fromLatin1(face)));
        button->setVisible(value <= board_.size);
        button->setEnabled(!context.solving);
    }
    hintButton_->setEnabled(IsEnabled(*FindCommand(CommandId::Hint), context));
    undoButton_->setEnabled(IsEnabled(*FindCommand(CommandId::Undo), context));
    redoButton_->setEnabled(IsEnabled(*FindCommand(CommandId::Redo), context));
    exitButton_->setEnabled(IsEnabled(*FindCommand(CommandId::Exit), context));
    modeLabel_->setText(doc_.settings.viewMode == 1 ? "Wordoku" : "Sudoku");
    setWindowTitle(QString("Raruduz - ") + FromBoardText(board_.name));
}

void MainDialog::ShowStatus() {
    // Pane 1 may hold the board's name and description.
    statusPane_->setText(QString::fromStdString(status_.status()));
    timePane_->setText(FromBoardText(status_.time()));
}

void MainDialog::RunCommand(CommandId id, int parameter) {
    // A long command pumps events: this refresh then disables what must wait for it.
    QTimer::singleShot(0, this, &MainDialog::RefreshStates);
    Apply(runner_.Run(id, parameter));
}

void MainDialog::Apply(const CommandResult& result) {
    if (result.status) status_.Write(*result.status);
    if (result.timePane) status_.WriteTime(*result.timePane);
    if (result.zoomChanged) view_->SetZoom(doc_.settings.zoomRatio);
    if (result.redraw) view_->BoardChanged();
    ShowStatus();
    RefreshStates();
    RefreshPanels();
    if (result.closeWindow || (closeAfterSolve_ && !runner_.Solving())) close();
}

void MainDialog::OpenBoardFile(const std::filesystem::path& file) {
    Apply(runner_.OpenBoardFile(file));
}

namespace {
// The one local file of a drop; nothing for several files or anything else.
std::optional<std::filesystem::path> DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return std::nullopt;
    return std::filesystem::path(url.toLocalFile().toStdString());
}
}  // namespace

void MainDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void MainDialog::dropEvent(QDropEvent* event) {
    const std::optional<std::filesystem::path> file = DroppedFile(event->mimeData());
    if (!file) return;
    event->acceptProposedAction();
    OpenBoardFile(*file);
}

void MainDialog::RefreshPanels() {
    const SidePage page = PageToShow(doc_);
    boardStat_->Show(BoardStatOf(board_));
    hintData_->Show(HintDataOf(doc_));
    solveData_->Show(FillSolveDataPage(board_, DisplayLetters(doc_)));
    tabs_->setCurrentIndex(static_cast<int>(page));
}

void MainDialog::StoreLog() {
    if (!StoreSolveLog(board_, DisplayLetters(doc_))) return;
    LogViewerDialog viewer(platform_, platform_.ProgramFolder() / kSolveLogFileName, this);
    viewer.exec();
}

bool MainDialog::SelectCell(int column, int row) {
    const CellPosition previous{doc_.view.selectedX, doc_.view.selectedY};
    if (!input_.Select(column, row)) return false;
    view_->SelectionMoved(previous);
    view_->setFocus();
    return true;
}

void MainDialog::LeftClick(int column, int row) {
    if (runner_.Solving()) return;
    CommandResult dismissed;
    if (input_.DismissHint(dismissed)) {
        Apply(dismissed);
        return;
    }
    SelectCell(column, row);
}

void MainDialog::RightClick(int column, int row) {
    if (runner_.Solving()) return;
    CommandResult dismissed;
    if (input_.DismissHint(dismissed)) Apply(dismissed);
    if (SelectCell(column, row)) OpenCandidatePopup();
}

void MainDialog::OpenCandidatePopup() {
    if (!input_.MayOpenCandidatePopup()) return;
    const std::string_view letters = DisplayLetters(doc_);
    const QString labels = letters.empty() ? QString(kValueSymbols + 1)
                                           : QString::fromLatin1(letters.data(), letters.size());
    CandidatePopup popup(board_.size, labels, this);
    popup.adjustSize();
    const QRect area(view_->viewport()->mapToGlobal(QPoint(0, 0)), view_->viewport()->size());
    popup.move(PlaceBeside(popup.size(), view_->SelectedCellOnScreen(), area));
    candidatePopup_ = &popup;
    popup.exec();
    candidatePopup_ = nullptr;
    if (!popup.choice()) return;
    Apply(*popup.choice() == CandidatePopup::Choice::Enter ? input_.EnterValue(popup.value())
                                                           : input_.ToggleCandidate(popup.value()));
}

std::optional<int> MainDialog::ChooseSolvingTechnique(int preselected) {
    return GetSolvingTechniqueDialog::Choose(preselected, this);
}

std::optional<WordokuAssignment> MainDialog::AssignWordokuLetters(const SudokuBoard& board,
                                                                  const WordokuOptions& options) {
    return AssignWordokuLettersDialog::Ask(board, options, platform_, this);
}

std::optional<BoardData> MainDialog::ImportBoard(ImportSource source, int assignType) {
    ImportDialog dialog(platform_, source, assignType, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

void MainDialog::ShowAbout() {
    QMessageBox::about(this, "About Raruduz", kAboutText);
}

std::optional<BoardOptions> MainDialog::EditBoardOptions(const BoardOptions& options) {
    BoardOptionsDialog dialog(platform_, options, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.options();
}

std::optional<BoardData> MainDialog::RunSpecialGeneration(int size) {
    SpecialGenerationDialog dialog(
        platform_, store_, size, [this](const BoardData& record) { ExportRecord(record); }, this);
    if (!dialog.prepared() || dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.record();
}

std::unique_ptr<RunProgress> MainDialog::WatchGeneration(RunControl& control) {
    return std::make_unique<GenerationProgressDialog>(control, this);
}

void MainDialog::ExportRecord(const BoardData& record) {
    ExportDialog::Run(platform_, {&record, 0, false}, this);
}

std::optional<BoardData> MainDialog::LoadBoard(bool retrieveOnlyClues) {
    return PuzzleDataLoadDialog::Choose(platform_, retrieveOnlyClues, this);
}

bool MainDialog::SaveBoard(BoardData& board, std::vector<PuzzleRecord>& records) {
    return PuzzleDataSaveDialog::Run(platform_, PuzzleDataFilePath(platform_), board, records,
                                     this);
}

bool MainDialog::ExportBoard(const ExportSource& source) {
    return ExportDialog::Run(platform_, source, this);
}

void MainDialog::ShowMultipleSolutions(const SudokuBoard& board) {
    // Modal to this window but not run inside the solve command: the command finishes (and a
    // window closed during the solve closes) while the list is read.
    auto* dialog = new MultiSolutionsDialog(board, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

bool MainDialog::PrintBoard(bool preview) {
    const SingleBoardPage page(board_, doc_.settings, ViewStateOf(doc_, kPaperColour),
                               PrintedBoardTitle(board_));
    QPrinter printer(QPrinter::HighResolution);
    // The page layout keeps its own margins, the same on paper, in a PDF and in an image.
    printer.setFullPage(true);
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
                [&page](QPrinter* target) { PaintPages(*target, page); });
        dialog.exec();
        return false;
    }
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    PaintPages(printer, page);
    return true;
}

std::optional<std::string> MainDialog::WriteBoardImage(const std::filesystem::path& file) {
    const SingleBoardPage page(board_, doc_.settings, ViewStateOf(doc_, kPaperColour),
                               PrintedBoardTitle(board_));
    return WritePages(file, SheetFormatOf(file).value_or(SheetFormat::Png), page);
}

std::optional<BoardData> MainDialog::ChooseImportedBoard(const std::filesystem::path& file) {
    ImportDialog dialog(platform_, ImportSource::File, doc_.settings.wordokuAssignmentType, this,
                        file);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

WindowPlacement MainDialog::CurrentPlacement() const {
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    WindowPlacement placement;
    placement.flags = isMaximized() ? kRestoreToMaximized : 0;
    placement.showState = isMaximized() ? 3 : 1;
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.left() + normal.width();
    placement.bottom = normal.top() + normal.height();
    return placement;
}

void MainDialog::RestorePlacement() {
    std::string text;
    store_.ReadText(kWindowPlacement, text);
    const std::optional<WindowPlacement> stored = ParseWindowPlacement(text);
    const QRect rect = stored ? QRect(stored->left, stored->top, stored->right - stored->left,
                                      stored->bottom - stored->top)
                              : QRect();
    if (stored && rect.width() >= kMinimumPlacedSize.width() &&
        rect.height() >= kMinimumPlacedSize.height() && IsOnSomeScreen(rect)) {
        setGeometry(FitToScreen(rect));
        maximized_ = (stored->flags & kRestoreToMaximized) != 0;
        return;
    }
    QRect frame(QPoint(), kDefaultSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.moveCenter(screen->availableGeometry().center());
    setGeometry(FitToScreen(frame));
    if (!stored) store_.WriteText(kWindowPlacement, FormatWindowPlacement(CurrentPlacement()));
}

bool MainDialog::RestoreLastSession() {
    SessionBoard session;
    switch (ReadSessionFile(platform_.ProgramFolder() / kSessionFileName, session)) {
        case SessionRead::Missing:
            return true;
        case SessionRead::Damaged:
            return false;
        case SessionRead::Read:
            RestoreSession(doc_, session);
            return true;
    }
    return true;
}

void MainDialog::KeepSession() {
    if (!doc_.settings.autoLoadBoard) return;
    std::string problem;
    const std::optional<std::filesystem::path> folder = WritableProgramFolder(platform_, problem);
    FileError error;
    if (!folder)
        platform_.ShowMessage(std::string(kSessionNotKeptMessage) + "\n" + problem);
    else if (!WriteSessionFile(*folder / kSessionFileName, CaptureSession(doc_), error))
        platform_.ShowMessage(std::string(kSessionNotKeptMessage) + "\n" + FileErrorText(error));
}

void MainDialog::ApplySplitterOffset(int offset) {
    const int total = std::max(width(), kMinimumSideWidth + kMinimumBoardWidth);
    const int side =
        std::clamp(kSideColumnWidth + offset, kMinimumSideWidth, total - kMinimumBoardWidth);
    splitter_->setSizes({side, total - side});
}

void MainDialog::ShowPlaced() {
    if (maximized_)
        showMaximized();
    else
        show();
}

void MainDialog::closeEvent(QCloseEvent* event) {
    if (runner_.Solving()) {
        // The search unwinds first; the command that ran it closes the window afterwards.
        runner_.RequestStop();
        closeAfterSolve_ = true;
        event->ignore();
        return;
    }
    statusTimer_.stop();
    KeepSession();
    store_.WriteNumber(kSplitterPosition, splitter_->sizes().front() - kSideColumnWidth);
    store_.WriteText(kWindowPlacement, FormatWindowPlacement(CurrentPlacement()));
    event->accept();
}
