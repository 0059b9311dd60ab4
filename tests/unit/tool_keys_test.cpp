#include <gtest/gtest.h>

#include "ops/tool_keys.h"

namespace lumivex::test {
namespace {

using G = ToolFieldGroup;
using K = KeyVerdict::Kind;

struct KeyRow {
    std::uint32_t code;
    K hex, decimal, free;
    std::uint32_t hexInserts;  // what a hexadecimal field inserts, when it inserts
};

TEST(ToolKeysTest, FilterByCodeClassAndGroup) {
    const KeyRow rows[] = {
        {0, K::SelectAll, K::SelectAll, K::SelectAll, 0},
        // Editing keys and the full stop pass everywhere.
        {1, K::Insert, K::Insert, K::Insert, 1},
        {3, K::Insert, K::Insert, K::Insert, 3},
        {8, K::Insert, K::Insert, K::Insert, 8},
        {13, K::Insert, K::Insert, K::Insert, 13},
        {22, K::Insert, K::Insert, K::Insert, 22},
        {24, K::Insert, K::Insert, K::Insert, 24},
        {25, K::Insert, K::Insert, K::Insert, 25},
        {26, K::Insert, K::Insert, K::Insert, 26},
        {'.', K::Insert, K::Insert, K::Insert, '.'},
        // Other control codes are not editing keys.
        {2, K::Discard, K::Discard, K::Insert, 0},
        {9, K::Discard, K::Discard, K::Insert, 0},
        {27, K::Discard, K::Discard, K::Insert, 0},
        {'0', K::Insert, K::Insert, K::Insert, '0'},
        {'9', K::Insert, K::Insert, K::Insert, '9'},
        {'a', K::Insert, K::Discard, K::Insert, 'A'},
        {'b', K::Insert, K::Discard, K::Insert, 'B'},
        {'f', K::Insert, K::Discard, K::Insert, 'F'},
        {'C', K::Insert, K::Discard, K::Insert, 'C'},
        {'F', K::Insert, K::Discard, K::Insert, 'F'},
        {'g', K::Discard, K::Discard, K::Insert, 0},
        {'G', K::Discard, K::Discard, K::Insert, 0},
        {'x', K::Discard, K::Discard, K::Insert, 0},
        {' ', K::Discard, K::Discard, K::Insert, 0},
        {'-', K::Discard, K::Insert, K::Insert, 0},
        {'+', K::Discard, K::Discard, K::Insert, 0},
        {',', K::Discard, K::Discard, K::Insert, 0},
        {0x4E2D, K::Discard, K::Discard, K::Insert, 0},  // 中
        {0x0661, K::Discard, K::Discard, K::Insert, 0},  // an Arabic-Indic digit is no digit here
    };
    for (const KeyRow& row : rows) {
        SCOPED_TRACE("code " + std::to_string(row.code));
        const KeyVerdict hex = FilterToolKey(G::Hex, row.code);
        EXPECT_EQ(hex.kind, row.hex);
        if (hex.kind == K::Insert) {
            EXPECT_EQ(hex.code, row.hexInserts);
        }
        const KeyVerdict decimal = FilterToolKey(G::Decimal, row.code);
        EXPECT_EQ(decimal.kind, row.decimal);
        if (decimal.kind == K::Insert) {
            EXPECT_EQ(decimal.code, row.code);
        }
        const KeyVerdict free = FilterToolKey(G::Free, row.code);
        EXPECT_EQ(free.kind, row.free);
        if (free.kind == K::Insert) {
            EXPECT_EQ(free.code, row.code);
        }
    }
}

TEST(ToolKeysTest, GroupsAndLengthLimitsOfTheTenFields) {
    const G groups[kToolFieldCount] = {G::Hex, G::Hex, G::Hex, G::Hex, G::Decimal,
                                      G::Decimal, G::Decimal, G::Decimal, G::Free, G::Free};
    const int limits[kToolFieldCount] = {10, 10, 10, 10, 5, 5, 5, 5, 0, 0};
    for (int i = 0; i < kToolFieldCount; ++i) {
        EXPECT_EQ(ToolFieldGroupOf(i), groups[i]) << "field " << i;
        EXPECT_EQ(ToolFieldLengthLimit(i), limits[i]) << "field " << i;
    }
}

TEST(ToolKeysTest, DecimalFieldReadsFromItsStartAndRoundsHalvesToEven) {
    const struct {
        const char* text;
        std::int32_t value;
    } rows[] = {
        {"10", 10},    {"300", 300},   {"1.5", 2},     {"2.5", 2},      {"3.5", 4},     {"-2.5", -2},
        {"-3.5", -4},  {"2.51", 3},    {"2.500", 2},   {"2.49", 2},     {"0.5", 0},     {".5", 0},
        {".6", 1},     {"-", 0},       {"", 0},        {"12abc", 12},   {"12.7abc", 13}, {"1.", 1},
        {"-0", 0},     {"--5", 0},     {"5-3", 5},     {" 42", 42},     {"abc", 0},     {"-12", -12},
        {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
    };
    for (const auto& row : rows) EXPECT_EQ(ReadDecimalField(row.text), row.value) << '"' << row.text << '"';
}

}  // namespace
}  // namespace lumivex::test
