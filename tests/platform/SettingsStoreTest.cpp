#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include "platform/HeadlessPlatform.h"

namespace {
TEST(SettingsStore, ReadsKeepTheCallersDefaultOnAnyFailure) {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    std::int32_t number = 42;
    std::string text = "default";
    EXPECT_FALSE(store.ReadNumber("ZoomRatio", number));
    EXPECT_FALSE(store.ReadText("WordokuWordListPath", text));
    EXPECT_EQ(number, 42);
    EXPECT_EQ(text, "default");

    // A value of the other kind is not read either.
    platform.settings.WriteText("ZoomRatio", "200");
    platform.settings.WriteNumber("WordokuWordListPath", 7);
    EXPECT_FALSE(store.ReadNumber("ZoomRatio", number));
    EXPECT_FALSE(store.ReadText("WordokuWordListPath", text));
    EXPECT_EQ(number, 42);
    EXPECT_EQ(text, "default");

    // Colours use all 32 bits.
    ASSERT_TRUE(store.WriteNumber("HighLightColour", static_cast<std::int32_t>(0xFFFFFFFFu)));
    ASSERT_TRUE(store.ReadNumber("HighLightColour", number));
    EXPECT_EQ(static_cast<std::uint32_t>(number), 0xFFFFFFFFu);
}

TEST(SettingsStore, TextsHoldAtMost499Characters) {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    const std::string longest(499, 'p');
    ASSERT_TRUE(store.WriteText("WordokuWordListPath", longest));
    std::string text;
    ASSERT_TRUE(store.ReadText("WordokuWordListPath", text));
    EXPECT_EQ(text, longest);

    // A writer never stores more than 499 characters...
    store.WriteText("DefaultExportPath", std::string(600, 'q'));
    ASSERT_TRUE(store.ReadText("DefaultExportPath", text));
    EXPECT_EQ(text, std::string(499, 'q'));

    // ...and a longer value already in the store is not read.
    platform.settings.WriteText("WordokuWordListPath", std::string(500, 'r'));
    text.clear();
    EXPECT_FALSE(store.ReadText("WordokuWordListPath", text));
    EXPECT_EQ(text, "");
}

TEST(SettingsStore, UnwritableStoreIsReportedOnceAndWritesFailSilently) {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    store.EnsureKey();
    EXPECT_TRUE(platform.messages.empty());

    platform.settings.SetReadOnly(true);
    store.EnsureKey();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              "Error Creating Branch Software\\Duvere\\Raruduz\\Parameters !!!!! (5) ");
    EXPECT_FALSE(store.WriteNumber("ViewMode", 1));
    EXPECT_EQ(platform.messages.size(), 1u);
}
}  // namespace
