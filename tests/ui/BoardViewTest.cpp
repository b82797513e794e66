// The board view's pixels, mouse and screen-reader description, offscreen, in the main window.

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "platform/HeadlessPlatform.h"
#include "platform/SettingsStore.h"
#include "ui/CRaruduzView.h"
#include "ui/CandidatePopup.h"
#include "ui/MainDialog.h"

class BoardViewTest : public QObject {
    Q_OBJECT

private slots:
    void cellSizeFollowsTheClientAreaAndTheZoom();
    void paintsBlocksValuesMistakesAndHighlight();
    void selectionFrameMovesAndRepaintsTwoCells();
    void hintShowsItsMarksUntilTheFirstClick();
    void clicksSelectBeepOrOpenThePopupInsideTheView();
    void solvingRefusesClicksKeysAndThePopup();
    void describesTheSelectedCellToScreenReaders();
};

namespace {
constexpr char kClassic[] =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// Its first hint is a hidden pair that removes candidates from both of its cells.
constexpr char kHiddenPairFirst[] =
    "1.......2.3.4...5...6...7...5.8.4.......73......9...8.7.....6...4...8.9...2.....1";

struct Window {
    HeadlessPlatform platform;
    SettingsStore store{platform};
    MainDialog window{platform, store};

    Window() {
        ViewSettings& settings = window.document().settings;
        // Every colour with red, green and blue apart, so a swapped red and blue shows.
        settings.useDefaultBkgColor = 0;
        settings.backgroundColour = MakeColour(10, 20, 30);
        settings.blockColour = MakeColour(200, 180, 40);
        settings.blockAltColour = MakeColour(40, 90, 170);
        settings.cluesColour = MakeColour(0, 120, 250);
        settings.givensColour = MakeColour(250, 60, 0);
        settings.markColour = MakeColour(90, 10, 60);
        settings.alternateColour = 0;
        settings.mistakesColour = MakeColour(240, 110, 20);
        settings.highLightColour = MakeColour(20, 230, 120);
        window.resize(1100, 700);
        window.show();
        // Let the layout settle, so that cells stay where the test reads them.
        QCoreApplication::processEvents();
    }
    CRaruduzView* view() { return window.view(); }
    const CRaruduzDoc& doc() { return window.document(); }

    void TypeIn(const char* puzzle) {
        for (const char* c = puzzle; *c; ++c) {
            if (*c != '.') QTest::keyClick(view(), *c);
            QTest::keyClick(view(), Qt::Key_Tab);
        }
    }
    QImage Grab() { return view()->viewport()->grab().toImage(); }
    // Cell (column, row)'s square in the viewport.
    QRect Cell(int column, int row) {
        const PixelRect r = view()->Geometry().RepaintRect(column, row, view()->ScrollPosition());
        return QRect(r.left, r.top, r.width, r.height);
    }
    QPoint CellCentre(int column, int row) { return Cell(column, row).center(); }
};

QColor Expected(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QColor PixelAt(const QImage& image, QPoint point) {
    return image.pixelColor(point);
}

int CountOf(const QImage& image, const QRect& area, Colour colour) {
    const QColor wanted = Expected(colour);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == wanted) ++count;
    return count;
}

// Within the inner fill of a cell, away from its centred value: the bottom-left corner.
QPoint FillCorner(const QRect& cell) {
    return cell.topLeft() + QPoint(4, cell.height() - 7);
}

// Records the regions the viewport is asked to paint.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};
}  // namespace

void BoardViewTest::cellSizeFollowsTheClientAreaAndTheZoom() {
    // The window is wider than 400 pixels whatever its size: a view of its own shows its board.
    Window w;
    CRaruduzView view(w.doc());
    view.show();
    view.resize(400, 300);
    const BoardGeometry before = view.Geometry();
    view.resize(QSize(800, 600) - QSize(before.ClientWidth(), before.ClientHeight()));
    QCOMPARE(view.Geometry().ClientWidth(), 400);
    QCOMPARE(view.Geometry().ClientHeight(), 300);
    QCOMPARE(view.Geometry().CellSize(), 32);
    view.SetZoom(50);
    QCOMPARE(view.Geometry().CellSize(), 16);
    QVERIFY(!view.verticalScrollBar()->isVisible());
    view.SetZoom(400);
    QCOMPARE(view.Geometry().CellSize(), 128);
    QTRY_VERIFY(view.horizontalScrollBar()->isVisible());
    QVERIFY(view.verticalScrollBar()->isVisible());
    QCOMPARE(view.Geometry().CellSize(), 128);

    // In the window: the zoom command reaches the view.
    w.window.action(CommandId::Zoom, 400)->trigger();
    QCOMPARE(w.view()->zoom(), 400);
    QTRY_VERIFY(w.view()->verticalScrollBar()->isVisible());
    // Moving the selection to the far corner scrolls it whole into the visible area.
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(w.view(), Qt::Key_Left);
        QTest::keyClick(w.view(), Qt::Key_Up);
    }
    QCOMPARE(w.doc().view.selectedX, 1);
    QVERIFY(w.view()->ScrollPosition().y > 0);
    QVERIFY(w.view()->viewport()->rect().contains(w.Cell(1, 1)));
    QTest::keyClick(w.view(), Qt::Key_Left);
    QTest::keyClick(w.view(), Qt::Key_Up);
    QCOMPARE(w.view()->ScrollPosition(), (PixelPoint{4, 4}));
    // Back at 100 % the whole board shows again, without bars and unscrolled.
    w.window.action(CommandId::Zoom, 100)->trigger();
    QTRY_VERIFY(!w.view()->verticalScrollBar()->isVisible());
    QVERIFY(!w.view()->horizontalScrollBar()->isVisible());
    QCOMPARE(w.view()->ScrollPosition(), (PixelPoint{0, 0}));
}

void BoardViewTest::paintsBlocksValuesMistakesAndHighlight() {
    Window w;
    const ViewSettings& settings = w.doc().settings;
    w.TypeIn(kClassic);
    QImage image = w.Grab();
    // Blocks alternate like a chessboard: (0, 0) and (4, 4) alike, (3, 0) and (0, 3) the other.
    QCOMPARE(PixelAt(image, FillCorner(w.Cell(1, 1))), Expected(settings.blockColour));
    QCOMPARE(PixelAt(image, FillCorner(w.Cell(4, 4))), Expected(settings.blockColour));
    QCOMPARE(PixelAt(image, FillCorner(w.Cell(3, 0))), Expected(settings.blockAltColour));
    QCOMPARE(PixelAt(image, FillCorner(w.Cell(1, 3))), Expected(settings.blockAltColour));
    QCOMPARE(PixelAt(image, QPoint(2, 2)), Expected(settings.backgroundColour));
    // A clue is written in the clue colour; set mode hides the pencil marks of empty cells.
    QVERIFY(CountOf(image, w.Cell(0, 0), settings.cluesColour) > 10);
    QCOMPARE(CountOf(image, w.Cell(2, 0), settings.markColour), 0);

    w.window.action(CommandId::SolveBoard)->trigger();
    // r1c3 takes its right value, r1c4 a wrong one (its solution is 6).
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.CellCentre(2, 0));
    QTest::keyClick(w.view(), '4');
    QTest::keyClick(w.view(), Qt::Key_Tab);
    QTest::keyClick(w.view(), '2');
    QTest::keyClick(w.view(), Qt::Key_Down);
    image = w.Grab();
    QVERIFY(CountOf(image, w.Cell(2, 0), settings.givensColour) > 10);
    QCOMPARE(CountOf(image, w.Cell(2, 0), settings.cluesColour), 0);
    QVERIFY(CountOf(image, w.Cell(5, 0), settings.markColour) > 5);
    QCOMPARE(PixelAt(image, FillCorner(w.Cell(2, 0))), Expected(settings.blockColour));
    QCOMPARE(PixelAt(image, FillCorner(w.Cell(3, 0))), Expected(settings.mistakesColour));

    // The highlight covers the mistake's fill.
    w.window.action(CommandId::HighLightCandidate, 2)->trigger();
    image = w.Grab();
    QCOMPARE(PixelAt(image, FillCorner(w.Cell(3, 0))), Expected(settings.highLightColour));
    QCOMPARE(PixelAt(image, FillCorner(w.Cell(2, 0))), Expected(settings.blockColour));
}

void BoardViewTest::selectionFrameMovesAndRepaintsTwoCells() {
    Window w;
    const Colour frame = w.doc().settings.cluesColour;
    QImage image = w.Grab();
    const QPoint inset(3, 3);
    QCOMPARE(PixelAt(image, w.Cell(0, 0).topLeft() + inset), Expected(frame));
    QCOMPARE(PixelAt(image, w.Cell(1, 0).topLeft() + inset),
             Expected(w.doc().settings.blockColour));

    PaintRecorder recorder;
    w.view()->viewport()->installEventFilter(&recorder);
    QTest::keyClick(w.view(), Qt::Key_Right);
    QTRY_VERIFY(!recorder.painted.isEmpty());
    QVERIFY(QRegion(w.Cell(0, 0).united(w.Cell(1, 0))).contains(recorder.painted.boundingRect()));
    image = w.Grab();
    QCOMPARE(PixelAt(image, w.Cell(1, 0).topLeft() + inset), Expected(frame));
    QCOMPARE(PixelAt(image, w.Cell(0, 0).topLeft() + inset),
             Expected(w.doc().settings.blockColour));
    // In solve mode the frame takes the givens' colour.
    w.window.action(CommandId::SolveBoard)->trigger();
    QCOMPARE(PixelAt(w.Grab(), w.Cell(1, 0).topLeft() + inset),
             Expected(w.doc().settings.givensColour));
}

void BoardViewTest::hintShowsItsMarksUntilTheFirstClick() {
    Window w;
    w.TypeIn(kHiddenPairFirst);
    w.window.action(CommandId::SolveBoard)->trigger();
    w.window.hintButton()->click();
    QVERIFY(w.doc().view.hintShown);
    const HintMarks& hint = w.doc().hint;
    QVERIFY(!hint.frames.empty());
    const CellPosition framed = hint.frames.front().cell;
    QImage image = w.Grab();
    const QPoint inset(3, 3);
    QCOMPARE(PixelAt(image, w.Cell(framed.column, framed.row).topLeft() + inset),
             Expected(kHintFrameColour));
    // A removed candidate is drawn struck through in red.
    const auto removedAt = std::find_if(hint.removed.begin(), hint.removed.end(),
                                        [](std::uint32_t mask) { return mask != 0; });
    QVERIFY(removedAt != hint.removed.end());
    const int index = static_cast<int>(removedAt - hint.removed.begin());
    const int column = index / kGridSide, row = index % kGridSide;
    int value = 1;
    while (!(*removedAt & bitOf(value))) ++value;
    const BoardGeometry geometry = w.view()->Geometry();
    const PixelPoint anchor = MarkAnchor(geometry, column, row, value);
    const int side = geometry.CellSize() / (geometry.BlockSize() + 1);
    QVERIFY(CountOf(image, QRect(anchor.x, anchor.y, side + 1, side + 1), kStrikeColour) > 3);

    // The first click only dismisses the hint; the second selects.
    const CellPosition before{w.doc().view.selectedX, w.doc().view.selectedY};
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.CellCentre(8, 8));
    QVERIFY(!w.doc().view.hintShown);
    QCOMPARE(w.window.statusPane()->text(), QString(" ..."));
    QCOMPARE(w.doc().view.selectedX, before.column);
    QCOMPARE(w.doc().view.selectedY, before.row);
    image = w.Grab();
    QVERIFY(PixelAt(image, w.Cell(framed.column, framed.row).topLeft() + inset) !=
            Expected(kHintFrameColour));
    QCOMPARE(CountOf(image, QRect(anchor.x, anchor.y, side + 1, side + 1), kStrikeColour), 0);
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.CellCentre(8, 8));
    QCOMPARE(w.doc().view.selectedX, 8);
    QCOMPARE(w.doc().view.selectedY, 8);
}

void BoardViewTest::clicksSelectBeepOrOpenThePopupInsideTheView() {
    Window w;
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.CellCentre(6, 2));
    QCOMPARE(w.doc().view.selectedX, 6);
    QCOMPARE(w.doc().view.selectedY, 2);
    QCOMPARE(w.window.focusWidget(), w.view());
    const QPoint outside = w.Cell(8, 8).bottomRight() + QPoint(20, 0);
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, outside);
    QCOMPARE(w.platform.beepNbr, 1);
    QCOMPARE(w.doc().view.selectedX, 6);
    QTest::mouseClick(w.view()->viewport(), Qt::RightButton, {}, outside);
    QCOMPARE(w.platform.beepNbr, 2);

    // A right click selects and opens the popup beside the cell, inside the view.
    const QRect area(w.view()->viewport()->mapToGlobal(QPoint(0, 0)), w.view()->viewport()->size());
    for (const CellPosition cell : {CellPosition{0, 0}, CellPosition{8, 8}}) {
        QRect shown;
        QTimer::singleShot(50, [&] {
            if (CandidatePopup* popup = w.window.candidatePopup()) {
                shown = popup->frameGeometry();
                popup->reject();
            }
        });
        QTest::mousePress(w.view()->viewport(), Qt::RightButton, {},
                          w.CellCentre(cell.column, cell.row));
        QCOMPARE(w.doc().view.selectedX, cell.column);
        QVERIFY(!shown.isEmpty());
        // The offscreen platform places top-level windows up to its 2-pixel frame margin off.
        QVERIFY(area.adjusted(-2, -2, 2, 2).contains(shown));
        QVERIFY(!shown.intersects(w.view()->SelectedCellOnScreen().adjusted(2, 2, -2, -2)));
    }
    // On a filled cell it only selects and beeps.
    QTest::keyClick(w.view(), '5');
    QTest::mousePress(w.view()->viewport(), Qt::RightButton, {}, w.CellCentre(8, 8));
    QCOMPARE(w.platform.beepNbr, 3);
}

void BoardViewTest::solvingRefusesClicksKeysAndThePopup() {
    Window w;
    w.window.action(CommandId::BoardSize, 16)->trigger();
    QTest::keyClick(w.view(), '1');
    bool checked = false;
    w.platform.onPump = [&] {
        if (checked) return;
        checked = true;
        QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.CellCentre(5, 5));
        QTest::keyClick(w.view(), Qt::Key_Down);
        QTest::keyClick(w.view(), Qt::Key_Menu);
        QTest::mousePress(w.view()->viewport(), Qt::RightButton, {}, w.CellCentre(7, 7));
        w.window.action(CommandId::StopBruteForce)->trigger();
    };
    w.window.action(CommandId::SolveBruteForce)->trigger();
    QVERIFY(checked);
    QCOMPARE(w.doc().view.selectedX, 0);
    QCOMPARE(w.doc().view.selectedY, 0);
    QVERIFY(!w.window.candidatePopup());
    QCOMPARE(w.platform.beepNbr, 0);
}

void BoardViewTest::describesTheSelectedCellToScreenReaders() {
    Window w;
    // A board of one clue has many solutions: whether a given is wrong is not the point here.
    w.window.document().settings.showMistakes = 0;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w.view());
    QCOMPARE(board->text(QAccessible::Name), QString("Board"));
    QCOMPARE(board->text(QAccessible::Description), QString("r1c1, empty"));
    QTest::keyClick(w.view(), '7');
    QCOMPARE(board->text(QAccessible::Description), QString("r1c1, 7, clue"));
    QTest::keyClick(w.view(), Qt::Key_Right);
    QCOMPARE(board->text(QAccessible::Description), QString("r1c2, empty"));
    w.window.action(CommandId::SolveBoard)->trigger();
    QCOMPARE(board->text(QAccessible::Description),
             QString("r1c2, empty, candidates 1 2 3 4 5 6 8 9"));
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.CellCentre(4, 2));
    QCOMPARE(board->text(QAccessible::Description),
             QString("r3c5, empty, candidates 1 2 3 4 5 6 7 8 9"));
    QTest::keyClick(w.view(), '3');
    QCOMPARE(board->text(QAccessible::Description), QString("r3c5, 3, given"));
    w.window.undoButton()->click();
    QCOMPARE(board->text(QAccessible::Description),
             QString("r3c5, empty, candidates 1 2 3 4 5 6 7 8 9"));
}

QTEST_MAIN(BoardViewTest)
#include "BoardViewTest.moc"
