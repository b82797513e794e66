#include "shell/StatusLine.h"

#include <gtest/gtest.h>

TEST(StatusLine, BlanksPaneZeroOnTheTenthTickAndStopsCounting) {
    StatusLine line;
    EXPECT_FALSE(line.Tick());
    line.Write("Board is turned to Set Mode");
    line.WriteTime(" ...");
    for (int tick = 1; tick < 10; ++tick) ASSERT_FALSE(line.Tick()) << tick;
    EXPECT_EQ(line.status(), "Board is turned to Set Mode");
    EXPECT_TRUE(line.Tick());
    EXPECT_EQ(line.status(), " ");
    EXPECT_EQ(line.time(), " ...");
    EXPECT_FALSE(line.Tick());
    EXPECT_EQ(line.countdown(), 0);

    // A new text restarts the full count.
    line.Write("a");
    for (int tick = 0; tick < 5; ++tick) line.Tick();
    line.Write("b");
    for (int tick = 1; tick < 10; ++tick) ASSERT_FALSE(line.Tick());
    EXPECT_TRUE(line.Tick());
}
