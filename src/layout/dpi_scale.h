// Places and sizes of the program's own windows at a pixel density: every
// layout is written for 96 dots per inch and scaled to the window's DPI.
//
// The layout folder is logic: plain values in, plain values out; it includes
// nothing but itself and the standard library.
#pragma once

namespace lumivex {

// The density the layouts are written for (100 %).
constexpr int kBaseDpi = 96;

struct Size {
    int width = 0, height = 0;
};

// A control's place on its parent's client area, in pixels.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
};

// value × dpi / 96 rounded half away from zero, as MulDiv rounds.
int ScaleToDpi(int value96, int dpi);
Size ScaleSize(Size size96, int dpi);
// The edges are scaled, not the width and height: controls that touch at
// 96 DPI touch at every DPI, and none grows past a scaled edge by rounding.
Box ScaleBox(const Box& box96, int dpi);

// Whether box lies wholly inside a client area of that size.
bool LiesInside(const Box& box, Size client);

// The outer size of a window at dpi: its 96-DPI size scaled, grown where a
// caption and frame (nonClient, measured at dpi) would leave less than the
// scaled client area its controls need.
Size OuterSizeForDpi(Size outer96, Size client96, Size nonClient, int dpi);

}  // namespace lumivex
