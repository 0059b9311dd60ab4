// The items of a list box or combo box, one line each, in index order.
#pragma once

#include "platform/platform.h"
#include "readers/read_result.h"

namespace lumivex {

// A window that answers CB_GETCOUNT with a count is read as a combo box,
// otherwise one that answers LB_GETCOUNT as a list box. Items are asked
// with the W messages and converted to the ANSI code page: the bytes a
// system list box's A answer holds, also under Wine, whose A answers across
// processes are UTF-16. An item is cut at its first NUL. A hung window
// gives the empty text; one that stops answering ends the read with the
// items read before it.
ReadResult ReadListItems(Platform& p, Hwnd hwnd, const ReaderOptions& options = {});

}  // namespace lumivex
