#include "files/TextLineFile.h"

#include <cerrno>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/HeadlessPlatform.h"

namespace {
std::vector<std::string> Lines(std::string_view text) {
    TextLineReader reader(text);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.ReadLine(line)) lines.emplace_back(line);
    return lines;
}

TEST(TextLineFile, LinesLoseTrailingBlanksAndLongLinesComeInPieces) {
    EXPECT_EQ(Lines("ab c \t\r\n\r\n  x\n last"),
              (std::vector<std::string>{"ab c", "", "  x", " last"}));
    EXPECT_TRUE(Lines("").empty());
    // Line ends of every system; a byte-order mark only counts first.
    EXPECT_EQ(Lines("a\rb\r\rc\r\nd"), (std::vector<std::string>{"a", "b", "", "c", "d"}));
    EXPECT_EQ(Lines("\xEF\xBB\xBF# x\n\xEF\xBB\xBF# y"),
              (std::vector<std::string>{"# x", "\xEF\xBB\xBF# y"}));
    // Accented letters are not graphic characters in the classic locale.
    EXPECT_EQ(Lines("abc\xE9\n"), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(Lines(std::string("ab\0cd\n", 6)), (std::vector<std::string>{"ab"}));

    const std::string longLine(2047 + 10, 'x');
    const auto pieces = Lines(longLine + "\n");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].size(), 2047u);
    EXPECT_EQ(pieces[1].size(), 10u);
    // A line of exactly 2047 characters leaves its line break as an empty piece.
    EXPECT_EQ(Lines(std::string(2047, 'y') + "\r\nz").size(), 3u);
}

TEST(TextLineFile, OpenFailuresReportTheCause) {
    TempFolder folder;
    HeadlessPlatform platform;
    TextLineFile file(platform);
    EXPECT_FALSE(file.OpenForRead(folder / "missing.txt", true));
    EXPECT_FALSE(file.OpenForRead(folder.path(), true));
    EXPECT_FALSE(file.OpenForWrite(folder / "no" / "such.txt", true));
    EXPECT_FALSE(file.OpenForRead(folder / "missing.txt", false));
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{"Unable to Open File ... File Not Found",
                                        "Unable to Open File ... Access Denied",
                                        "Unable to Open File ... File Not Found"}));
}

TEST(TextLineFile, WritesCrLfAndKeepsAtMost2046CharactersPerLine) {
    TempFolder folder;
    HeadlessPlatform platform;
    TextLineFile file(platform);
    ASSERT_TRUE(file.OpenForWrite(folder / "out.txt", true));
    EXPECT_TRUE(file.WriteLine("a\nb"));
    EXPECT_TRUE(file.WriteLine(std::string(3000, 'z')));
    EXPECT_TRUE(file.WriteText("c\r\nd\n"));
    // Nothing is in place before Close.
    EXPECT_FALSE(std::filesystem::exists(folder / "out.txt"));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(folder / "out.txt"),
              "a\r\nb\r\n" + std::string(2046, 'z') + "\r\nc\r\nd\r\n");
    EXPECT_EQ(EntryCount(folder.path()), 1);

    ASSERT_TRUE(file.OpenForRead(folder / "out.txt", true));
    ASSERT_TRUE(file.ReadLine());
    EXPECT_EQ(file.Line(), "a");
}

TEST(FileError, CausesHaveTheirTexts) {
    EXPECT_STREQ(FileErrorText(FileErrorFromErrno(ENOENT)), "File Not Found");
    EXPECT_STREQ(FileErrorText(FileErrorFromErrno(EACCES)), "Access Denied");
    EXPECT_STREQ(FileErrorText(FileErrorFromErrno(ENOSPC)), "Disk Full");
    EXPECT_STREQ(FileErrorText(FileErrorFromErrno(EMFILE)), "Too Many Files Open");
    EXPECT_STREQ(FileErrorText(FileErrorFromErrno(ENOTDIR)), "Invalid Path");
    EXPECT_STREQ(FileErrorText(FileErrorFromErrno(EXDEV)), "Unspecified Error Occurred");
    EXPECT_STREQ(FileErrorText(FileError::None), "Unknown Error !!!");
    EXPECT_STREQ(FileErrorText(FileError::EndOfFile), "Unexpected End of File");
}
}  // namespace
