// The items of a tree view of another process in the order the control
// shows them: every top-level item and, below an expanded item, its
// children; lines joined by CR LF, without indentation.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "readers/read_result.h"

namespace lumivex {

// The visible items. The walk ends at the last item, at an item it has met
// before (a next-visible chain that loops) and at the item limit. A 64-bit
// target read by a 32-bit build ends in TargetNeeds64BitBuild before any
// item handle is sent back to it.
ReadResult ReadTreeView(Platform& p, Hwnd hwnd, const ReaderOptions& options = {});

// One item, as a complete round trip of its own.
ReadResult ReadTreeItemText(Platform& p, Hwnd hwnd, std::uint64_t item, const ReaderOptions& options = {});

}  // namespace lumivex
