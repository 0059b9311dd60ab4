#include <gtest/gtest.h>

#include "info/num_text.h"

namespace lumivex {
namespace {

TEST(NumText, HexIsUpperCaseWithoutPrefixOrLeadingZeros) {
    EXPECT_EQ(NumText(0, true), "0");
    EXPECT_EQ(NumText(0x000A0F26, true), "A0F26");
    EXPECT_EQ(NumText(0x000100A4, true), "100A4");
    EXPECT_EQ(NumText(-1, true), "FFFFFFFF");
    EXPECT_EQ(NumText(static_cast<std::int32_t>(0x94CF0000u), true), "94CF0000");
}

TEST(NumText, DecimalIsSigned) {
    EXPECT_EQ(NumText(0, false), "0");
    EXPECT_EQ(NumText(0x000100A4, false), "65700");
    EXPECT_EQ(NumText(659238, false), "659238");
    EXPECT_EQ(NumText(-1, false), "-1");
    EXPECT_EQ(NumText(static_cast<std::int32_t>(0x94CF0000u), false), "-1798373376");
    EXPECT_EQ(NumText(INT32_MIN, false), "-2147483648");
}

TEST(RectText, TwoBlanksBeforeTheSizeAndAlwaysDecimal) {
    EXPECT_EQ(RectText({-8, -8, 1928, 1048}), "(-8,-8),(1928,1048)  1936x1056");
    EXPECT_EQ(RectText({0, 0, 0, 0}), "(0,0),(0,0)  0x0");
    EXPECT_EQ(RectText({100, 50, 90, 40}), "(100,50),(90,40)  -10x-10");
}

TEST(RectText, ExtremeCoordinatesDoNotOverflow) {
    EXPECT_EQ(RectText({INT32_MIN, 0, INT32_MAX, 1}),
              "(-2147483648,0),(2147483647,1)  4294967295x1");
}

}  // namespace
}  // namespace lumivex
