// What the outline should cover, from GDI itself and from Lumivex's rule
// (platform/inverted_frame.h), so that the driver can hold the two side by
// side and check the screen against what GDI would have drawn.
#pragma once

#include <string>
#include <vector>

#include "../common/json_writer.h"

namespace probe {

// gdi-outline:<pen width>:<left>:<top>:<right>:<bottom>
// The pixels a NOT-XOR Rectangle with a black PS_SOLID pen of that width
// inverts, drawn into a memory bitmap: {"rows": [[y, first x, last x], ...]}.
void ReportGdiOutline(e2e::JsonWriter& json, const std::vector<std::wstring>& parts);

// frame-rects:<pen width>:<left>:<top>:<right>:<bottom>
// The rectangles of Lumivex's outline: {"rects": [[l, t, r, b], ...]}.
void ReportFrameRects(e2e::JsonWriter& json, const std::vector<std::wstring>& parts);

}  // namespace probe
