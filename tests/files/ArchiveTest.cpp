#include "files/Archive.h"

#include <gtest/gtest.h>

namespace {
TEST(Archive, TextsUseTheThreeLengthPrefixes) {
    const std::string medium(255, 'm'), large(0xFFFE, 'l');
    ArchiveWriter writer;
    writer.WriteText("abc");
    writer.WriteText(std::string(254, 's'));
    writer.WriteText(medium);
    writer.WriteText(large);
    writer.WriteNumber(-2);
    const std::string& bytes = writer.Bytes();
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x03"
                                              "abc"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 254);
    EXPECT_EQ(bytes.substr(259, 3), std::string("\xFF\xFF\x00", 3));
    const std::size_t largeAt = 262 + 255;
    EXPECT_EQ(bytes.substr(largeAt, 7), std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\xFE\xFF\xFF\xFF");

    ArchiveReader reader(bytes);
    std::string text;
    std::int32_t number = 0;
    ASSERT_TRUE(reader.ReadText(text));
    EXPECT_EQ(text, "abc");
    ASSERT_TRUE(reader.ReadText(text));
    EXPECT_EQ(text.size(), 254u);
    ASSERT_TRUE(reader.ReadText(text));
    EXPECT_EQ(text, medium);
    ASSERT_TRUE(reader.ReadText(text));
    EXPECT_EQ(text, large);
    ASSERT_TRUE(reader.ReadNumber(number));
    EXPECT_EQ(number, -2);
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_FALSE(reader.ReadNumber(number));
}

TEST(Archive, ShortOrWideTextsFailWithoutMoving) {
    for (const std::string& bytes : {std::string("\x05"
                                                 "abc"),
                                     std::string("\xFF\x10", 2), std::string("\xFF\x00\x01x", 4),
                                     std::string("\xFF\xFF\xFF\x00\x00\x00\x01", 7),
                                     std::string("\xFF\xFE\xFF\x01\x00", 5), std::string()}) {
        ArchiveReader reader(bytes);
        std::string text = "kept";
        EXPECT_FALSE(reader.ReadText(text)) << bytes.size();
        EXPECT_EQ(text, "kept");
        EXPECT_EQ(reader.Remaining(), bytes.size());
    }
}
}  // namespace
