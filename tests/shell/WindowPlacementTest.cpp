#include "shell/WindowPlacement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, FormatsAndParsesTheTenNumbers) {
    WindowPlacement placement;
    placement.flags = kRestoreToMaximized;
    placement.showState = 3;
    placement.left = -1200;
    placement.top = 40;
    placement.right = -100;
    placement.bottom = 700;
    const std::string text = FormatWindowPlacement(placement);
    EXPECT_EQ(text, "2,3,-1,-1,-1,-1,-1200,40,-100,700");
    EXPECT_EQ(ParseWindowPlacement(text), placement);
    EXPECT_EQ(ParseWindowPlacement("4294967295,1,0,0,0,0,0,0,10,10")->flags, 4294967295u);
}

TEST(WindowPlacement, RejectsAnythingButTenWholeNumbers) {
    for (const char* text :
         {"", "1,2,3,4,5,6,7,8,9", "1,2,3,4,5,6,7,8,9,10,11", "1,2,3,4,5,6,7,8,9,10,",
          ",1,2,3,4,5,6,7,8,9", "1,2,3,4,5,6,7,8,,10", "1, 2,3,4,5,6,7,8,9,10",
          "1,2,3,4,5,6,7,8,9,10x", "-1,2,3,4,5,6,7,8,9,10", "1,2,3,4,5,6,7,8,9,2147483648",
          "a,b,c,d,e,f,g,h,i,j"})
        EXPECT_FALSE(ParseWindowPlacement(text)) << '"' << text << '"';
}
