// Everything the main window shows about one window, read in one call.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "info/process_path.h"
#include "platform/platform.h"

namespace lumivex {

// The related windows, in the order the window tab lists them.
enum RelatedLink { kPrev = 0, kNext, kParent, kChild, kOwner, kRelatedCount };

struct RelatedWindow {
    Hwnd hwnd = 0;
    std::string title;  // UTF-8, leading blanks removed; empty when it did not answer in time
};

struct WindowFacts {
    Hwnd hwnd = 0;
    std::string className, title;  // UTF-8; the title without its leading blanks
    std::int32_t controlId = 0;
    std::string programPath;       // UTF-8, drive-letter form
    std::uint32_t processId = 0, threadId = 0;
    Rect rect;
    std::array<RelatedWindow, kRelatedCount> related;
    std::uint32_t style = 0, exStyle = 0, classStyle = 0;
};

// Reads the facts in the order a fill shows them. A window that vanishes
// half-way leaves the rest zero or empty; nothing when the class name
// cannot be read (no such window). Every message carries a time-out.
std::optional<WindowFacts> ReadWindowFacts(Platform& p, DriveMapCache& drives, Hwnd hwnd);

// What can be read of a window whose thread does not respond without
// sending it a single message: handle, class, title (at most 99 bytes),
// identifier, program path, process identifier and rectangle.
WindowFacts ReadHungWindowFacts(Platform& p, DriveMapCache& drives, Hwnd hwnd);

}  // namespace lumivex
