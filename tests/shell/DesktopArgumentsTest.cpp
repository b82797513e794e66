#include "shell/DesktopArguments.h"

#include <gtest/gtest.h>

namespace {
DesktopArguments Parse(std::vector<std::string> arguments) {
    return ParseDesktopArguments(arguments);
}
}  // namespace

TEST(DesktopArguments, NothingAFileOrASheet) {
    DesktopArguments none = Parse({});
    EXPECT_TRUE(none.error.empty());
    EXPECT_FALSE(none.boardFile || none.printTo || none.help);
    EXPECT_EQ(Parse({"boards.sdk"}).boardFile, std::filesystem::path("boards.sdk"));
    EXPECT_EQ(Parse({"--", "--odd name.txt"}).boardFile, std::filesystem::path("--odd name.txt"));
    EXPECT_TRUE(Parse({"--help"}).help);

    const DesktopArguments plain = Parse({"--print-to", "out.pdf", "in.txt"});
    ASSERT_TRUE(plain.printTo) << plain.error;
    EXPECT_EQ(plain.printTo->output, std::filesystem::path("out.pdf"));
    EXPECT_EQ(plain.printTo->format, SheetFormat::Pdf);
    EXPECT_EQ(plain.printTo->perPage, 1);
    EXPECT_FALSE(plain.printTo->solutions);
    EXPECT_EQ(plain.printTo->input, std::filesystem::path("in.txt"));

    const DesktopArguments full =
        Parse({"in.txt", "--solutions", "--per-page=6", "--print-to=Sheet.PNG"});
    ASSERT_TRUE(full.printTo) << full.error;
    EXPECT_EQ(full.printTo->format, SheetFormat::Png);
    EXPECT_EQ(full.printTo->perPage, 6);
    EXPECT_TRUE(full.printTo->solutions);
    EXPECT_EQ(full.printTo->input, std::filesystem::path("in.txt"));

    EXPECT_TRUE(IsPrintToRun(std::vector<std::string>{"a", "--print-to=x.pdf"}));
    EXPECT_FALSE(IsPrintToRun(std::vector<std::string>{"--", "--print-to"}));
    EXPECT_FALSE(IsPrintToRun(std::vector<std::string>{"--print-top"}));
}

TEST(DesktopArguments, BadUsageIsNamed) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--per-page", "0", "--print-to", "a.pdf", "in"},
         "--per-page takes 1, 2, 4 or 6, not '0'"},
        {{"--per-page", "1000", "--print-to", "a.pdf", "in"},
         "--per-page takes 1, 2, 4 or 6, not '1000'"},
        {{"--print-to", "a.pdf", "--per-page", "4x", "in"},
         "--per-page takes 1, 2, 4 or 6, not '4x'"},
        {{"--print-to", "a.svg", "in"}, "--print-to writes a .pdf or a .png file, not 'a.svg'"},
        {{"--print-to", "a.pdf"}, "--print-to needs exactly one FILE of boards"},
        {{"--print-to", "a.pdf", "x", "y"}, "--print-to needs exactly one FILE of boards"},
        {{"in", "--print-to"}, "option '--print-to' needs a value"},
        {{"--print-to", "a.pdf", "--per-page"}, "option '--per-page' needs a value"},
        {{"--solutions", "in"}, "--solutions needs --print-to"},
        {{"--per-page", "2", "in"}, "--per-page needs --print-to"},
        {{"--bogus", "in"}, "unknown option '--bogus'"},
        {{"x", "y"}, "only one FILE can be opened"},
    };
    for (const auto& [arguments, error] : cases) {
        const DesktopArguments parsed = Parse(arguments);
        EXPECT_EQ(parsed.error, error);
        EXPECT_FALSE(parsed.printTo || parsed.boardFile);
    }
}
