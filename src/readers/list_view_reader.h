// The rows of a list view of another process: cells of a row joined by TAB,
// rows joined by CR LF, in item order and the header's column order.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "readers/read_result.h"

namespace lumivex {

// The whole list: the process is opened once and one remote block serves
// every cell. A window that stops answering ends the read with the cells
// read before it (whole rows, and the cells of the row it stopped in).
ReadResult ReadListView(Platform& p, Hwnd hwnd, const ReaderOptions& options = {});

// One cell, as a complete round trip of its own.
ReadResult ReadListViewCell(Platform& p, Hwnd hwnd, std::int32_t item, std::int32_t subItem,
                            const ReaderOptions& options = {});

// The whole list read cell by cell with ReadListViewCell: the same text as
// ReadListView at nine system calls per cell. Kept as the measure the whole
// read is held to.
ReadResult ReadListViewCellByCell(Platform& p, Hwnd hwnd, const ReaderOptions& options = {});

}  // namespace lumivex
