#include "files/LogFileLines.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

TEST(LogFileLines, CutsLinesAtLineFeedsWithOrWithoutCarriageReturns) {
    LogFileLines lines;
    lines.SetText("Board #1\r\n\r\nmixed\nlast without end");
    ASSERT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines.Line(0), "Board #1");
    EXPECT_EQ(lines.Line(1), "");
    EXPECT_EQ(lines.Line(2), "mixed");
    EXPECT_EQ(lines.Line(3), "last without end");
    EXPECT_EQ(lines.LongestLine(), 16);
    lines.SetText("one\r\n");
    EXPECT_EQ(lines.Count(), 1);
    EXPECT_EQ(lines.LongestLine(), 3);
}

TEST(LogFileLines, ReadsOnlyARegularNonEmptyFile) {
    TempFolder folder;
    LogFileLines lines;
    WriteBytes(folder / "log.txt", "a\r\nbb\r\n");
    EXPECT_EQ(lines.Read(folder / "log.txt"), LogReadResult::Read);
    EXPECT_EQ(lines.Count(), 2);

    WriteBytes(folder / "empty.txt", "");
    EXPECT_EQ(lines.Read(folder / "empty.txt"), LogReadResult::Empty);
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(lines.Read(folder / "missing.txt"), LogReadResult::Unopenable);
    EXPECT_EQ(lines.Read(folder.path()), LogReadResult::Unopenable);
    EXPECT_EQ(lines.Read("/dev/zero"), LogReadResult::Unopenable);
}
