// Boards on paper, offscreen: what the printer leaves out, the sheet's pages and image, and the
// window's print commands and opened files answered through a headless platform.

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "engine/SudokuBoard.h"
#include "files/BoardImport.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SettingsStore.h"
#include "shell/PuzzleSheet.h"
#include "ui/BoardPrinter.h"
#include "ui/MainDialog.h"
#include "ui/PageOutput.h"
#include "ui/PictureReplay.h"
#include "ui/SheetPages.h"

class BoardPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void printerDrawsNoSelectionFrameNorHintMarks();
    void sheetPngImageCarriesTheBlockColours();
    void windowPrintsExportsAndOpensFiles();
};

namespace {
constexpr char kPuzzle[] =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
constexpr int kSide = 400;
constexpr int kCell = (kSide - 8) / 9;
const PrintSlot kSlot{{20, 0, kSide, 30}, {20, 40, kSide, kSide}};

BoardData Puzzle() {
    BoardData record;
    ParseBoardText(kPuzzle, 0, record);
    return record;
}

// The board into kSlot, as the printer draws it or, for comparison, as the screen does.
QImage Draw(const BoardData& board, const ViewSettings& settings, const BoardViewState& state,
            bool printer) {
    QImage image(kSide + 40, kSide + 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (printer) {
        PaintTitledBoard(painter, kSlot, board, settings, state, "Default");
    } else {
        BoardPicture picture;
        picture.Build(board, settings, state, BoardGeometry(kSide, kSide, 9, 100));
        painter.translate(kSlot.board.left, kSlot.board.top);
        PaintPicture(painter, picture.Shapes());
    }
    return image;
}

// A point of cell (column, row) at (dx, dy) from its top-left corner, in kSlot's image.
QPoint InCell(int column, int row, int dx, int dy) {
    return {kSlot.board.left + BoardGeometry::kLeftEdge + column * kCell + dx,
            kSlot.board.top + BoardGeometry::kMargin + row * kCell + dy};
}

}  // namespace

void BoardPrinterTest::printerDrawsNoSelectionFrameNorHintMarks() {
    const BoardData board = Puzzle();
    ViewSettings settings;
    settings.showHelper = 0;  // no pencil marks near the probes
    BoardViewState state;
    state.entryMode = SolveMode;
    state.selected = {4, 4};  // an empty cell
    state.defaultBackground = 0xFFFFFF;
    // The probe: the left edge of the selection's outer frame, half-way down.
    const QPoint frame = InCell(4, 4, 3, kCell / 2);
    QCOMPARE(Draw(board, settings, state, false).pixelColor(frame),
             ToQColor(settings.givensColour));
    QCOMPARE(Draw(board, settings, state, true).pixelColor(frame), ToQColor(settings.blockColour));

    HintMarks hint;
    hint.frames.push_back({{0, 2}});
    hint.eliminationColumns.push_back(1);
    state.hintShown = true;
    state.hint = &hint;
    const QPoint hintFrame = InCell(0, 2, 3, kCell / 2);
    const QPoint line = InCell(1, 4, kCell / 2, kCell / 2);  // an empty cell of the crossed column
    const QImage screen = Draw(board, settings, state, false);
    QCOMPARE(screen.pixelColor(hintFrame), ToQColor(kHintFrameColour));
    QCOMPARE(screen.pixelColor(line), ToQColor(kEliminationColour));
    const QImage paper = Draw(board, settings, state, true);
    QCOMPARE(paper.pixelColor(hintFrame), ToQColor(settings.blockColour));
    QCOMPARE(paper.pixelColor(line), ToQColor(settings.blockAltColour));
    // Nothing of the selection either, while the hint is shown.
    QCOMPARE(paper.pixelColor(frame), ToQColor(settings.blockColour));

    // Nor the candidates the hint removed, struck through on screen.
    BoardData marked = board;
    marked.Cell(0, 2).candidates &= ~bitOf(1);
    hint.removed[CellIndex(0, 2)] = bitOf(1);
    settings.showHelper = 1;
    const PixelPoint anchor = MarkAnchor(BoardGeometry(kSide, kSide, 9, 100), 0, 2, 1);
    const int markSide = kCell / 4;
    const QPoint strike(kSlot.board.left + anchor.x + markSide / 2,
                        kSlot.board.top + anchor.y + markSide / 2);
    QCOMPARE(Draw(marked, settings, state, false).pixelColor(strike), ToQColor(kStrikeColour));
    QCOMPARE(Draw(marked, settings, state, true).pixelColor(strike),
             ToQColor(settings.blockColour));

    // The title stands above the board, in ink.
    int inked = 0;
    for (int y = kSlot.title.top; y < kSlot.title.Bottom(); ++y)
        for (int x = kSlot.title.left; x < kSlot.title.Right(); ++x)
            inked += paper.pixelColor(x, y).lightness() < 128;
    QVERIFY(inked > 20);
}

void BoardPrinterTest::sheetPngImageCarriesTheBlockColours() {
    HeadlessPlatform platform;
    const std::vector<SheetBoard> boards =
        ReadSheetBoards(platform, RARUDUZ_TEST_DATA "/sheet_boards.txt");
    QCOMPARE(boards.size(), std::size_t(13));

    QTemporaryDir folder;
    const std::filesystem::path file = (folder.path() + "/sheet.png").toStdString();
    QVERIFY(!WritePages(file, SheetFormat::Png, SheetPages(boards, 4, false)));
    QImage image(QString::fromStdString(file.string()));
    QCOMPARE(image.size(), QSize(1240, 1754));
    QCOMPARE(image.dotsPerMeterX(), 5905);
    // Every tile of the four boards of the first page carries its block's colour.
    const ViewSettings settings;
    const std::vector<PrintSlot> places = LayoutPage(1240, 1754, 150, PageGrid{2, 2});
    for (const PrintSlot& slot : places) {
        const BoardGeometry geometry(slot.board.width, slot.board.height, 9, 100);
        for (int row = 0; row < 9; ++row)
            for (int column = 0; column < 9; ++column) {
                const PixelRect cell = geometry.CellRect(column, row);
                const bool same = (column / 3) % 2 == (row / 3) % 2;
                QCOMPARE(image.pixelColor(slot.board.left + cell.left + 4,
                                          slot.board.top + cell.top + 4),
                         ToQColor(same ? settings.blockColour : settings.blockAltColour));
            }
    }
    QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
}

void BoardPrinterTest::windowPrintsExportsAndOpensFiles() {
    QTemporaryDir folder;
    const std::string base = folder.path().toStdString();
    std::ofstream(base + "/one.sdk") << kPuzzle << '\n';

    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    QVERIFY(window.acceptDrops());
    QCOMPARE(window.action(CommandId::Print)->shortcut(), QKeySequence("Ctrl+P"));
    QVERIFY(!window.action(CommandId::Print)->isEnabled());
    QVERIFY(!window.action(CommandId::ExportAsImage)->isEnabled());

    window.OpenBoardFile(base + "/one.sdk");
    QCOMPARE(window.statusPane()->text(), QString("Board Imported Successfully ..."));
    QCOMPARE(window.document().board().clueNbr, 30);
    QCOMPARE(window.document().view.entryMode, std::int32_t(SolveMode));
    QVERIFY(window.action(CommandId::Print)->isEnabled());
    QVERIFY(window.action(CommandId::PrintPreview)->isEnabled());
    QVERIFY(window.action(CommandId::ExportAsImage)->isEnabled());

    platform.fileChoices = {base + "/board", base + "/board.pdf"};
    window.RunCommand(CommandId::ExportAsImage);
    QCOMPARE(window.statusPane()->text(), QString("Board Image Exported Successfully to File ..."));
    const QImage image(QString::fromStdString(base + "/board.png"));
    QCOMPARE(image.size(), QSize(1240, 1754));
    const PrintSlot slot = LayoutPage(1240, 1754, 150, PageGrid{1, 1}).front();
    const BoardGeometry geometry(slot.board.width, slot.board.height, 9, 100);
    const PixelRect corner = geometry.CellRect(3, 0);
    QCOMPARE(image.pixelColor(slot.board.left + corner.left + 4, slot.board.top + corner.top + 4),
             ToQColor(window.document().settings.blockAltColour));
    window.RunCommand(CommandId::ExportAsImage);
    std::ifstream pdf(base + "/board.pdf");
    std::string head(5, ' ');
    pdf.read(head.data(), 5);
    QCOMPARE(head, std::string("%PDF-"));
    QVERIFY(platform.messages.empty());
}

QTEST_MAIN(BoardPrinterTest)
#include "BoardPrinterTest.moc"
