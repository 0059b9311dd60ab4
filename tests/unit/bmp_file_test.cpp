// The bitmap file, byte for byte.
#include <gtest/gtest.h>

#include "picture/bmp_file.h"

namespace lumivex {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Headers(std::uint32_t width, std::uint32_t height, std::uint32_t imageBytes) {
    const std::uint32_t fileBytes = 54 + imageBytes;
    auto le32 = [](std::uint32_t v) {
        return Bytes{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                     static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
    };
    Bytes out = {'B', 'M'};
    for (const Bytes& part : {le32(fileBytes), le32(0), le32(54), le32(40), le32(width), le32(height),
                              Bytes{1, 0, 24, 0}, le32(0), le32(imageBytes), le32(3780), le32(3780), le32(0),
                              le32(0)})
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

TEST(EncodeBmp, ThreeByTwoPadsEachRowAndStoresTheBottomRowFirst) {
    Picture picture;
    picture.width = 3;
    picture.height = 2;
    picture.pixels = {0x112233, 0x445566, 0x778899,    // top row
                      0xAABBCC, 0xDDEEFF, 0x010203};   // bottom row
    Bytes expected = Headers(3, 2, 24);
    const Bytes rows = {
        0xCC, 0xBB, 0xAA, 0xFF, 0xEE, 0xDD, 0x03, 0x02, 0x01, 0, 0, 0,  // bottom row, blue first, 3 pad bytes
        0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0x99, 0x88, 0x77, 0, 0, 0,  // top row
    };
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(EncodeBmp(picture), expected);
}

TEST(EncodeBmp, RowPaddingDependsOnTheWidth) {
    Picture one;
    one.width = 1;
    one.height = 1;
    one.pixels = {0xFF0000};  // red
    Bytes expected = Headers(1, 1, 4);
    expected.insert(expected.end(), {0x00, 0x00, 0xFF, 0x00});
    EXPECT_EQ(EncodeBmp(one), expected);

    Picture four;
    four.width = 4;
    four.height = 1;
    four.pixels = {1, 2, 3, 4};
    const Bytes bytes = EncodeBmp(four);
    ASSERT_EQ(bytes.size(), 54u + 12u);  // 12 bytes a row: no padding needed
    EXPECT_EQ(Bytes(bytes.begin() + 54, bytes.end()), (Bytes{1, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0}));
}

TEST(EncodeBmp, PictureWithoutPixelsGivesNoFile) {
    Picture empty;
    empty.width = 10;
    empty.height = 10;
    EXPECT_TRUE(EncodeBmp(empty).empty());
    Picture inconsistent;
    inconsistent.width = 2;
    inconsistent.height = 2;
    inconsistent.pixels = {1, 2, 3};
    EXPECT_TRUE(EncodeBmp(inconsistent).empty());
}

}  // namespace
}  // namespace lumivex
