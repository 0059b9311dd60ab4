#include <gtest/gtest.h>

#include "platform/sim/sim_desktop.h"
#include "tree/array_ops.h"

namespace lumivex {
namespace {

ValueArray Longs(std::initializer_list<std::int32_t> values) {
    ValueArray a;
    for (std::int32_t v : values) ArrayAppend(a, Value::Long(v));
    return a;
}

std::vector<std::int32_t> Contents(const ValueArray& a) {
    std::vector<std::int32_t> out;
    for (std::size_t i = 0; i < a.size(); ++i) out.push_back(static_cast<std::int32_t>(a[i].Number()));
    return out;
}

TEST(ArrayCount, FreshArrayHasNoBoundsUntilTheFirstAppend) {
    ValueArray a;
    EXPECT_EQ(ArrayCount(a), 0);
    EXPECT_TRUE(ArrayAppend(a, Value::Long(42)));
    EXPECT_EQ(ArrayCount(a), 1);
    EXPECT_EQ(a[0], Value::Long(42));
    EXPECT_EQ(ArrayCount(Value::Long(3)), 0);  // not an array
}

TEST(ArrayAppend, KeepsOrderAndRefusesTypedArrays) {
    ValueArray a = Longs({5, 6});
    EXPECT_TRUE(ArrayAppend(a, Value::String("x")));
    ASSERT_EQ(ArrayCount(a), 3);
    EXPECT_EQ(a[2], Value::String("x"));

    ValueArray typed = ValueArray::Typed(VarType::Long, {Value::Long(1)});
    EXPECT_FALSE(ArrayAppend(typed, Value::Long(2)));
    EXPECT_EQ(ArrayCount(typed), 1);
}

TEST(ArrayRemoveAt, TakesTheElementAndClosesTheGap) {
    ValueArray a = Longs({5, 6, 7});
    EXPECT_EQ(ArrayRemoveAt(a, 0), Value::Long(5));
    EXPECT_EQ(Contents(a), (std::vector<std::int32_t>{6, 7}));

    ValueArray middle = Longs({5, 6, 7, 8});
    EXPECT_EQ(ArrayRemoveAt(middle, 2), Value::Long(7));
    EXPECT_EQ(Contents(middle), (std::vector<std::int32_t>{5, 6, 8}));
    EXPECT_EQ(ArrayRemoveAt(middle, 2), Value::Long(8));
    EXPECT_EQ(Contents(middle), (std::vector<std::int32_t>{5, 6}));

    ValueArray one = Longs({5});
    EXPECT_EQ(ArrayRemoveAt(one, 0), Value::Long(5));
    EXPECT_EQ(ArrayCount(one), 0);
    // Emptied, it grows again from index 0.
    ArrayAppend(one, Value::Long(9));
    EXPECT_EQ(Contents(one), (std::vector<std::int32_t>{9}));
}

TEST(ArrayRemoveAt, IndexOutsideTheBoundsChangesNothing) {
    for (std::int32_t index : {3, -1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(index);
        ValueArray a = Longs({5, 6, 7});
        EXPECT_TRUE(ArrayRemoveAt(a, index).IsEmpty());
        EXPECT_EQ(Contents(a), (std::vector<std::int32_t>{5, 6, 7}));
    }
    ValueArray empty;
    EXPECT_TRUE(ArrayRemoveAt(empty, 0).IsEmpty());
    Value scalar = Value::Long(1);
    EXPECT_TRUE(ArrayRemoveAt(scalar, 0).IsEmpty());
}

TEST(ArrayRemoveAt, DrainsALongQueueInOrder) {
    ValueArray q;
    for (std::int32_t i = 0; i < 50000; ++i) ArrayAppend(q, Value::Long(i));
    for (std::int32_t i = 0; i < 50000; ++i) {
        const Value v = ArrayRemoveAt(q, 0);
        ASSERT_EQ(v, Value::Long(i));
        if (i % 3 == 0) ArrayAppend(q, Value::Long(-i));  // fed while drained, as a queue is
    }
    ASSERT_EQ(ArrayCount(q), 16667);
    EXPECT_EQ(q[0], Value::Long(0));
    EXPECT_EQ(q[16666], Value::Long(-49998));
}

TEST(ArrayIndexOf, FirstEqualElementComparedByValue) {
    EXPECT_EQ(ArrayIndexOf(Longs({5, 6, 6}), Value::Long(6)), 1);
    EXPECT_EQ(ArrayIndexOf(Longs({5, 6}), Value::Long(9)), -1);
    EXPECT_EQ(ArrayIndexOf(ValueArray(), Value::Long(0)), -1);
    EXPECT_EQ(ArrayIndexOf(Value::Long(5), Value::Long(5)), -1);

    ValueArray mixed;
    ArrayAppend(mixed, Value::String("abc"));
    ArrayAppend(mixed, Value::Integer(7));
    ArrayAppend(mixed, Value::String("7"));
    EXPECT_EQ(ArrayIndexOf(mixed, Value::Double(7.0)), 1);  // numbers whatever their width
    EXPECT_EQ(ArrayIndexOf(mixed, Value::String("7")), 2);  // a text never equals a number
    EXPECT_EQ(ArrayIndexOf(mixed, Value::String("ABC")), -1);
    // Handles with the top bit set are negative Longs and still found.
    EXPECT_EQ(ArrayIndexOf(Longs({1, static_cast<std::int32_t>(0x80001234u)}),
                           Value::Long(static_cast<std::int32_t>(0x80001234u))),
              1);
}

TEST(ArrayTypeName, NamesTheElementType) {
    EXPECT_EQ(ArrayTypeName(Value::Long(1)), "vbError");
    EXPECT_EQ(ArrayTypeName(ValueArray()), "Variant");
    EXPECT_EQ(ArrayTypeName(ValueArray::Typed(VarType::Boolean, {Value::Boolean(true)})), "vbError");
    const std::pair<VarType, const char*> named[] = {
        {VarType::Integer, "Integer"}, {VarType::Long, "Long"},     {VarType::Single, "Single"},
        {VarType::Double, "Double"},   {VarType::String, "String"}, {VarType::Byte, "Byte"}};
    for (const auto& [type, name] : named) EXPECT_EQ(ArrayTypeName(ValueArray::Typed(type)), name);
}

TEST(ArrayConvert, SameTypeEmptyOrUnnamedTypeReturnsTheOperand) {
    ValueArray a = Longs({5, 6});
    const ValueArray same = ArrayConvert(a, "Variant");
    EXPECT_EQ(ArrayTypeName(same), "Variant");
    EXPECT_EQ(Contents(same), (std::vector<std::int32_t>{5, 6}));

    const ValueArray booleans = ValueArray::Typed(VarType::Boolean, {Value::Boolean(true)});
    EXPECT_EQ(ArrayTypeName(ArrayConvert(booleans, "Long")), "vbError");
    EXPECT_EQ(ArrayTypeName(ArrayConvert(ValueArray(), "Long")), "Variant");
}

TEST(ArrayConvert, IntegerAndByteTakeTheRemainder) {
    ValueArray texts;
    ArrayAppend(texts, Value::String("300"));
    ArrayAppend(texts, Value::String("-2"));

    const ValueArray integers = ArrayConvert(texts, "Integer");
    EXPECT_EQ(ArrayTypeName(integers), "Integer");
    EXPECT_EQ(integers[0], Value::Integer(300));
    EXPECT_EQ(integers[1], Value::Integer(-2));
    EXPECT_EQ(texts[0], Value::String("300"));  // the operand is not changed

    ValueArray first;
    ArrayAppend(first, Value::String("300"));
    EXPECT_EQ(ArrayConvert(first, "Byte")[0], Value::Byte(44));
    EXPECT_THROW(ArrayConvert(texts, "Byte"), OverflowError);  // -2 fits no Byte

    ValueArray rounding;
    ArrayAppend(rounding, Value::Double(2.7));
    ArrayAppend(rounding, Value::Double(-2.5));
    ArrayAppend(rounding, Value::String("40000"));
    const ValueArray ints = ArrayConvert(rounding, "Integer");
    EXPECT_EQ(ints[0], Value::Integer(2));    // rounded down
    EXPECT_EQ(ints[1], Value::Integer(-3));   // towards minus infinity
    EXPECT_EQ(ints[2], Value::Integer(7232));  // 40000 mod 32768
}

TEST(ArrayConvert, LongRoundsHalvesToEvenAndOverflows) {
    ValueArray a;
    for (const char* text : {"2.5", "3.5", "-2.5", "  12abc", "", "&HFF", "1e3"}) ArrayAppend(a, Value::String(text));
    const ValueArray longs = ArrayConvert(a, "Long");
    const std::int32_t expected[] = {2, 4, -2, 12, 0, 255, 1000};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(longs[i], Value::Long(expected[i])) << i;

    ValueArray big;
    ArrayAppend(big, Value::String("2147483648"));
    EXPECT_THROW(ArrayConvert(big, "Long"), OverflowError);
    EXPECT_THROW(ArrayConvert(big, "Integer"), OverflowError);
    EXPECT_EQ(ArrayConvert(big, "Double")[0], Value::Double(2147483648.0));
    ValueArray huge;
    ArrayAppend(huge, Value::String("1e300"));
    EXPECT_THROW(ArrayConvert(huge, "Single"), OverflowError);
}

TEST(ArrayConvert, StringAndOtherNames) {
    ValueArray a;
    ArrayAppend(a, Value::Long(-7));
    ArrayAppend(a, Value());
    ArrayAppend(a, Value::Double(0.5));
    ArrayAppend(a, Value::Boolean(true));
    const ValueArray texts = ArrayConvert(a, "String");
    EXPECT_EQ(ArrayTypeName(texts), "String");
    EXPECT_EQ(texts[0], Value::String("-7"));
    EXPECT_EQ(texts[1], Value::String(""));
    EXPECT_EQ(texts[2], Value::String("0.5"));
    EXPECT_EQ(texts[3], Value::String("True"));

    const ValueArray longs = ValueArray::Typed(VarType::Long, {Value::Long(3)});
    const ValueArray variants = ArrayConvert(longs, "Whatever");
    EXPECT_EQ(ArrayTypeName(variants), "Variant");
    EXPECT_EQ(variants[0], Value::Long(3));
}

TEST(LeadingNumber, ReadsLeniently) {
    EXPECT_EQ(LeadingNumber("  -12.5e1xyz"), -125.0);
    EXPECT_EQ(LeadingNumber("7e"), 7.0);  // an exponent without digits is not one
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("&HFFFF"), -1.0);  // four digits: a 16-bit pattern
    EXPECT_EQ(LeadingNumber("&h10000"), 65536.0);
    EXPECT_EQ(LeadingNumber("&HFFFFFFFF"), -1.0);
    EXPECT_THROW(LeadingNumber("&H123456789"), OverflowError);
}

TEST(AnsiByteLength, CountsChineseCharactersDouble) {
    sim::SimDesktop desk;  // code page 936
    EXPECT_EQ(AnsiByteLength(desk, "abc"), 3);
    EXPECT_EQ(AnsiByteLength(desk, ""), 0);
    EXPECT_EQ(AnsiByteLength(desk, "宋体1"), 5);
}

}  // namespace
}  // namespace lumivex
