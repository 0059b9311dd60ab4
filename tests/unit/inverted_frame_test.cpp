// The outline's pixels: what GDI inverts for a NOT-XOR Rectangle with a
// PS_SOLID pen. The expected rows were read from GDI under Wine (a memory
// bitmap drawn the old way), as runs of inverted pixels, first and last.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/inverted_frame.h"

namespace lumivex::test {
namespace {

using Pixel = std::pair<int, int>;  // x, y

struct Row {
    int y;
    std::vector<std::pair<int, int>> runs;  // first and last x, inclusive
};

struct Case {
    const char* name;
    Rect rect;
    int penWidth;
    std::vector<Row> rows;
};

std::set<Pixel> FromRows(const std::vector<Row>& rows) {
    std::set<Pixel> pixels;
    for (const Row& row : rows)
        for (const auto& [first, last] : row.runs)
            for (int x = first; x <= last; ++x) pixels.insert({x, row.y});
    return pixels;
}

// Every pixel of the rectangles, counting a pixel twice where two overlap.
std::set<Pixel> FromRects(const std::vector<Rect>& rects, std::size_t& count) {
    std::set<Pixel> pixels;
    count = 0;
    for (const Rect& r : rects)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x, ++count) pixels.insert({x, y});
    return pixels;
}

// Rows repeated from `first` to `last`.
std::vector<Row> Repeat(int first, int last, std::vector<std::pair<int, int>> runs) {
    std::vector<Row> rows;
    for (int y = first; y <= last; ++y) rows.push_back({y, runs});
    return rows;
}

std::vector<Row> Join(std::initializer_list<std::vector<Row>> parts) {
    std::vector<Row> rows;
    for (const auto& part : parts) rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"10x8, width 3", {0, 0, 10, 8}, 3,
         Join({{{-1, {{0, 9}}}}, Repeat(0, 1, {{-1, 10}}), Repeat(2, 5, {{-1, 1}, {8, 10}}), Repeat(6, 7, {{-1, 10}}),
               {{8, {{0, 9}}}}})},
        {"reversed 10x8, width 3", {10, 8, 0, 0}, 3,
         Join({{{-1, {{0, 9}}}}, Repeat(0, 1, {{-1, 10}}), Repeat(2, 5, {{-1, 1}, {8, 10}}), Repeat(6, 7, {{-1, 10}}),
               {{8, {{0, 9}}}}})},
        {"off the origin, width 3", {-5, -3, 30, 20}, 3,
         Join({{{-4, {{-5, 29}}}}, Repeat(-3, -2, {{-6, 30}}), Repeat(-1, 17, {{-6, -4}, {28, 30}}),
               Repeat(18, 19, {{-6, 30}}), {{20, {{-5, 29}}}}})},
        {"5x5 keeps a one-pixel hole", {0, 0, 5, 5}, 3,
         Join({{{-1, {{0, 4}}}}, Repeat(0, 1, {{-1, 5}}), {{2, {{-1, 1}, {3, 5}}}}, Repeat(3, 4, {{-1, 5}}),
               {{5, {{0, 4}}}}})},
        {"4x4 has no hole", {0, 0, 4, 4}, 3, Join({{{-1, {{0, 3}}}}, Repeat(0, 3, {{-1, 4}}), {{4, {{0, 3}}}}})},
        {"1x1 is a cross", {0, 0, 1, 1}, 3, {{-1, {{0, 0}}}, {0, {{-1, 1}}}, {1, {{0, 0}}}}},
        {"1x5", {0, 0, 1, 5}, 3, Join({{{-1, {{0, 0}}}}, Repeat(0, 4, {{-1, 1}}), {{5, {{0, 0}}}}})},
        {"empty", {0, 0, 0, 0}, 3, {}},
        {"no width", {5, 5, 5, 10}, 3, {}},
        {"width 1", {0, 0, 12, 10}, 1, Join({{{0, {{0, 11}}}}, Repeat(1, 8, {{0, 0}, {11, 11}}), {{9, {{0, 11}}}}})},
        {"width 2", {0, 0, 12, 10}, 2,
         Join({Repeat(-1, 0, {{-1, 11}}), Repeat(1, 7, {{-1, 0}, {10, 11}}), Repeat(8, 9, {{-1, 11}})})},
        {"width 4", {0, 0, 12, 10}, 4,
         Join({{{-2, {{-1, 11}}}}, Repeat(-1, 1, {{-2, 12}}), Repeat(2, 6, {{-2, 1}, {9, 12}}),
               Repeat(7, 9, {{-2, 12}}), {{10, {{-1, 11}}}}})},
        {"width 5", {0, 0, 12, 10}, 5,
         Join({{{-2, {{-1, 12}}}}, Repeat(-1, 2, {{-2, 13}}), Repeat(3, 6, {{-2, 2}, {9, 13}}),
               Repeat(7, 10, {{-2, 13}}), {{11, {{-1, 12}}}}})},
    };
    return cases;
}

TEST(InvertedFrame, PixelsAreThoseGdiInvertsWithoutOverlap) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        std::size_t count = 0;
        const std::set<Pixel> got = FromRects(InvertedFrameRects(c.rect, c.penWidth), count);
        const std::set<Pixel> expected = FromRows(c.rows);
        EXPECT_EQ(got, expected);
        EXPECT_EQ(count, got.size()) << "rectangles overlap";
    }
}

TEST(InvertedFrame, BoundsHoldEveryPixelAndNoMore) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const Rect bounds = InvertedFrameBounds(c.rect, c.penWidth);
        const std::set<Pixel> expected = FromRows(c.rows);
        if (expected.empty()) {
            EXPECT_EQ(bounds, Rect{});
            continue;
        }
        Rect tight{expected.begin()->first, expected.begin()->second, expected.begin()->first,
                   expected.begin()->second};
        for (const auto& [x, y] : expected) {
            tight.left = std::min(tight.left, x);
            tight.top = std::min(tight.top, y);
            tight.right = std::max(tight.right, x + 1);
            tight.bottom = std::max(tight.bottom, y + 1);
        }
        EXPECT_EQ(bounds, tight);
    }
}

TEST(InvertedFrame, ScreenSizedFrameIsAFewRectanglesNotOnePerRow) {
    // The Win32 side builds a region and copies the screen piece by piece.
    EXPECT_LE(InvertedFrameRects({0, 0, 1920, 1080}, 3).size(), 6u);
}

}  // namespace
}  // namespace lumivex::test
