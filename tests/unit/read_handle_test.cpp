#include <gtest/gtest.h>

#include "info/num_text.h"
#include "ops/read_handle.h"

namespace lumivex {
namespace {

TEST(ReadHexHandle, ReadsTheLeadingRunOfDigits) {
    EXPECT_EQ(ReadHexHandle("  1a2B  "), 6699);
    EXPECT_EQ(ReadHexHandle("100A4"), 65700);
    EXPECT_EQ(ReadHexHandle("12G4"), 18);
    EXPECT_EQ(ReadHexHandle("0x1A"), 0);
    EXPECT_EQ(ReadHexHandle("abcdef"), 0xABCDEF);
}

TEST(ReadHexHandle, NoDigitsGiveZero) {
    EXPECT_EQ(ReadHexHandle(""), 0);
    EXPECT_EQ(ReadHexHandle("    "), 0);
    EXPECT_EQ(ReadHexHandle("-5"), 0);
    EXPECT_EQ(ReadHexHandle("G1"), 0);
}

TEST(ReadHexHandle, DigitsAreA32BitPatternNeverSignExtended) {
    EXPECT_EQ(ReadHexHandle("FFFFFFFF"), -1);
    EXPECT_EQ(ReadHexHandle("80000000"), INT32_MIN);
    EXPECT_EQ(ReadHexHandle("7FFFFFFF"), INT32_MAX);
    EXPECT_EQ(ReadHexHandle("FFFF"), 65535);
    EXPECT_EQ(ReadHexHandle("FF"), 255);
}

TEST(ReadHexHandle, OnlyTheLastEightOfMoreDigitsCount) {
    EXPECT_EQ(ReadHexHandle("00000000000100A4"), 65700);
    EXPECT_EQ(ReadHexHandle("FFFFFFFF800100A4"), static_cast<std::int32_t>(0x800100A4u));
    EXPECT_EQ(ReadHexHandle("123456789A"), 0x3456789A);
    EXPECT_EQ(ReadHexHandle(std::string(1000, 'F')), -1);
}

TEST(ReadHexHandle, WhitespaceEndsTheDigitsInsideAndIsDroppedAtTheEnds) {
    EXPECT_EQ(ReadHexHandle("100 A4"), 0x100);
    EXPECT_EQ(ReadHexHandle("100\tA4"), 0x100);
    EXPECT_EQ(ReadHexHandle("100A4\r\n200B6"), 65700);
    EXPECT_EQ(ReadHexHandle("\t\r\n100A4\r\n"), 65700);
}

TEST(ReadDecimalHandle, OptionalMinusThenDigits) {
    EXPECT_EQ(ReadDecimalHandle("65700"), 65700);
    EXPECT_EQ(ReadDecimalHandle("-1"), -1);
    EXPECT_EQ(ReadDecimalHandle("-2147483648"), INT32_MIN);
    EXPECT_EQ(ReadDecimalHandle("2147483647"), INT32_MAX);
    EXPECT_EQ(ReadDecimalHandle("100A4"), 100);
    EXPECT_EQ(ReadDecimalHandle(" 11"), 11);
}

TEST(ReadDecimalHandle, NoDigitsGiveZero) {
    EXPECT_EQ(ReadDecimalHandle(""), 0);
    EXPECT_EQ(ReadDecimalHandle("-"), 0);
    EXPECT_EQ(ReadDecimalHandle("+5"), 0);
    EXPECT_EQ(ReadDecimalHandle("A4"), 0);
    EXPECT_EQ(ReadDecimalHandle("--5"), 0);
}

TEST(ReadDecimalHandle, ValuesBeyond32BitsKeepTheirLowBits) {
    EXPECT_EQ(ReadDecimalHandle("4294967295"), -1);
    EXPECT_EQ(ReadDecimalHandle("2147483648"), INT32_MIN);
    EXPECT_EQ(ReadDecimalHandle("4294967296"), 0);
}

TEST(ReadNumText, InvertsNumTextInBothBases) {
    for (std::int32_t value : {0, 1, 65700, 0x7FFFFFFF, -1, INT32_MIN, -1798373376}) {
        EXPECT_EQ(ReadNumText(NumText(value, true), true), value) << value;
        EXPECT_EQ(ReadNumText(NumText(value, false), false), value) << value;
    }
}

TEST(ReadNumText, ReadsInTheBaseChosenNow) {
    EXPECT_EQ(ReadNumText("100A4", false), 100);
    EXPECT_EQ(ReadNumText("65700", true), 415488);
}

}  // namespace
}  // namespace lumivex
