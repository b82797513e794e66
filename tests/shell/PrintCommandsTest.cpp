// Print, Print Preview and Export as Image, and a board file opened from outside the menus.

#include <gtest/gtest.h>

#include <fstream>

#include "ShellFixture.h"

namespace {
using Path = std::filesystem::path;

class TemporaryFolder {
public:
    TemporaryFolder() {
        path_ =
            std::filesystem::temp_directory_path() /
            ("raruduz-print-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path_); }
    Path Write(const std::string& name, const std::string& text) const {
        std::ofstream(path_ / name) << text;
        return path_ / name;
    }
    const Path& path() const { return path_; }

private:
    Path path_;
};

constexpr CommandId kPrintCommands[] = {CommandId::Print, CommandId::PrintPreview,
                                        CommandId::ExportAsImage};
}  // namespace

TEST(PrintCommands, EnabledWhenTheBoardHasClues) {
    ShellFixture f;
    for (CommandId id : kPrintCommands) {
        EXPECT_FALSE(IsEnabled(*FindCommand(id), f.runner.Context()));
        EXPECT_TRUE(f.runner.Run(id).refused);
    }
    f.TypeClues("5");
    CommandContext solving = f.runner.Context();
    for (CommandId id : kPrintCommands) EXPECT_TRUE(IsEnabled(*FindCommand(id), solving));
    solving.solving = true;
    for (CommandId id : kPrintCommands) EXPECT_FALSE(IsEnabled(*FindCommand(id), solving));
}

TEST(PrintCommands, PrintAndPreviewGoThroughTheDialogs) {
    ShellFixture f;
    f.TypeClues(kClassicPuzzle);
    EXPECT_EQ(f.Status(f.runner.Run(CommandId::Print)), "Board Sent to the Printer ...");
    f.dialogs.printed = false;
    EXPECT_EQ(f.Status(f.runner.Run(CommandId::Print)), "No Board Printed ...");
    EXPECT_EQ(f.Status(f.runner.Run(CommandId::PrintPreview)), "-");
    EXPECT_EQ(f.dialogs.printNbr, 2);
    EXPECT_EQ(f.dialogs.previewNbr, 1);
    EXPECT_TRUE(f.platform.messages.empty());
}

TEST(PrintCommands, ExportAsImageChoosesAPngOrPdfFile) {
    TemporaryFolder folder;
    ShellFixture f;
    f.TypeClues(kClassicPuzzle);
    const std::string failed = "No Image Exported ...";

    EXPECT_EQ(f.Status(f.runner.Run(CommandId::ExportAsImage)), failed);  // cancelled
    EXPECT_EQ(f.platform.fileChooserTitles, std::vector<std::string>{"Export as Image"});

    f.platform.fileChoices = {folder.path() / "board", folder.path() / "board.PDF"};
    EXPECT_EQ(f.Status(f.runner.Run(CommandId::ExportAsImage)),
              "Board Image Exported Successfully to File ...");
    f.runner.Run(CommandId::ExportAsImage);
    EXPECT_EQ(f.dialogs.imageFiles,
              (std::vector<Path>{folder.path() / "board.png", folder.path() / "board.PDF"}));

    f.platform.fileChoices = {folder.path() / "board.txt"};
    EXPECT_EQ(f.Status(f.runner.Run(CommandId::ExportAsImage)), failed);
    EXPECT_EQ(f.platform.messages.back(), "An Image is Written as a .png or a .pdf File ...");

    // An existing file is replaced only when the user agrees.
    const Path existing = folder.Write("old.png", "old");
    f.platform.fileChoices = {existing, existing};
    f.platform.answers = {false, true};
    EXPECT_EQ(f.Status(f.runner.Run(CommandId::ExportAsImage)), failed);
    EXPECT_EQ(f.platform.messages.back(),
              "File " + existing.string() + " Already Exists ... Replace it ?");
    EXPECT_EQ(f.dialogs.imageFiles.size(), 2u);
    f.runner.Run(CommandId::ExportAsImage);
    EXPECT_EQ(f.dialogs.imageFiles.back(), existing);

    f.dialogs.imageFailure = "Unable to Write File x.png ... Access Denied";
    f.platform.fileChoices = {folder.path() / "x.png"};
    EXPECT_EQ(f.Status(f.runner.Run(CommandId::ExportAsImage)), failed);
    EXPECT_EQ(f.platform.messages.back(), "Unable to Write File x.png ... Access Denied");
}

TEST(OpenBoardFile, OneBoardIsTakenAtOnceSeveralGoToTheImportDialog) {
    TemporaryFolder folder;
    ShellFixture f;
    f.TypeClues("123");
    const Path one = folder.Write("one.sdk", std::string("# a comment\n") + kClassicPuzzle + "\n");
    CommandResult result = f.runner.OpenBoardFile(one);
    EXPECT_EQ(f.Status(result), "Board Imported Successfully ...");
    EXPECT_EQ(result.timePane, "Default - ");
    EXPECT_TRUE(result.historyReset);
    EXPECT_EQ(BoardText(f.board), kClassicPuzzle);
    EXPECT_EQ(f.board.clueNbr, 30);
    EXPECT_EQ(f.doc.view.entryMode, SolveMode);
    EXPECT_FALSE(f.runner.Context().canUndo);
    // Candidates follow the clues, so that pencil marks show the real ones.
    EXPECT_EQ(f.board.Cell(2, 0).candidates, bitOf(1) | bitOf(2) | bitOf(4));
    EXPECT_TRUE(f.dialogs.importFiles.empty());

    const Path several =
        folder.Write("two.txt", std::string(kClassicPuzzle) + "\n" + kEasterMonster + "\n");
    EXPECT_EQ(f.Status(f.runner.OpenBoardFile(several)), "No Board Imported ...");
    EXPECT_EQ(f.dialogs.importFiles, std::vector<Path>{several});
    EXPECT_EQ(BoardText(f.board), kClassicPuzzle);
    BoardData chosen;
    chosen.size = 9;
    chosen.name = "Chosen";
    chosen.description = "from the dialog";
    chosen.Cell(4, 4) = {7, Clue, bitOf(7), 1};
    f.dialogs.imported = chosen;
    result = f.runner.OpenBoardFile(several);
    EXPECT_EQ(result.timePane, "Chosen - from the dialog");
    EXPECT_EQ(f.board.clueNbr, 1);
    EXPECT_EQ(f.board.Cell(4, 4).value, 7);

    EXPECT_TRUE(f.platform.messages.empty());
    EXPECT_EQ(f.Status(f.runner.OpenBoardFile(folder.path() / "missing.txt")),
              "No Board Imported ...");
    const Path missing = folder.path() / "missing.txt";
    EXPECT_EQ(f.platform.messages,
              (std::vector<std::string>{"Unable to Open File ... File Not Found",
                                        "Unable to Read Sudoku File " + missing.string() + "... ",
                                        "Unable to Get Board Data !!!"}));
    EXPECT_EQ(f.board.Cell(4, 4).value, 7);

    f.board.bruteForceRunning = 1;
    EXPECT_TRUE(f.runner.OpenBoardFile(one).refused);
}
