#include "readers/list_view_reader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/send.h"
#include "readers/item_batch.h"

namespace lumivex {

namespace {

struct ListShape {
    std::uint64_t rows = 0, columns = 0;
    bool stoppedAnswering = false;
    bool refused = false;
};

// Rows and columns as the control tells them, capped so that the cells to
// read stay within the limit: whole rows while a row fits.
ListShape AskShape(Platform& p, Hwnd hwnd, const ReadLimits& limits) {
    ListShape shape;
    if (p.IsHungAppWindow(hwnd)) return shape;
    const SendOutcome asked = SendWithOutcome(p, hwnd, win::LVM_GETITEMCOUNT, 0, 0);
    shape.refused = asked.accessDenied;
    const auto& rows = asked.answer;
    const auto header = rows ? SendTimeout(p, hwnd, win::LVM_GETHEADER, 0, 0) : std::nullopt;
    // A handle that names no window is not one that stopped answering.
    if (!rows || !header) {
        shape.stoppedAnswering = p.IsWindow(hwnd);
        return shape;
    }
    // A list view without a header control has no columns to read.
    std::optional<Lresult> columns = Lresult{0};
    if (*header != 0) columns = SendTimeout(p, static_cast<Hwnd>(*header), win::HDM_GETITEMCOUNT, 0, 0);
    if (!columns) {
        shape.stoppedAnswering = p.IsWindow(hwnd);
        return shape;
    }
    // Both counts are 32-bit signed answers.
    const auto rowCount = static_cast<std::int32_t>(*rows);
    const auto columnCount = static_cast<std::int32_t>(*columns);
    if (rowCount < 1 || columnCount < 1) return shape;
    const std::uint64_t maxCells = std::max<std::uint64_t>(limits.maxListViewCells, 1);
    shape.columns = std::min<std::uint64_t>(static_cast<std::uint64_t>(columnCount), maxCells);
    shape.rows = std::min<std::uint64_t>(static_cast<std::uint64_t>(rowCount), maxCells / shape.columns);
    return shape;
}

// Joins cells read in row order into rows; a last row read only in part
// keeps the cells it has.
std::string JoinCells(const std::vector<std::string>& cells, std::uint64_t columns) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) text += i % columns == 0 ? "\r\n" : "\t";
        text += cells[i];
    }
    return text;
}

}  // namespace

ReadResult ReadListView(Platform& p, Hwnd hwnd, const ReaderOptions& options) {
    ReadResult result;
    const ListShape shape = AskShape(p, hwnd, options.limits);
    if (shape.refused) {
        result.error = ReadError::AccessDenied;
        return result;
    }
    result.stoppedAnswering = shape.stoppedAnswering;
    if (shape.rows == 0) return result;

    const ControlProcess process(p, hwnd, options);
    if (process.error() != ReadError::None) {
        result.error = process.error();
        return result;
    }
    const std::uint64_t cells = shape.rows * shape.columns;
    ItemBatchReader reader(p, hwnd, process.get(), LayoutFor(ItemKind::ListViewCell, process.layouts64()),
                           options.programIs64Bit,
                           static_cast<std::size_t>(std::min<std::uint64_t>(cells, ItemBatchReader::kSlots)));
    std::vector<std::string> texts;
    std::vector<ItemAsk> batch;
    for (std::uint64_t cell = 0; cell < cells; ++cell) {
        batch.push_back({static_cast<Wparam>(cell / shape.columns), cell % shape.columns});
        if (batch.size() < reader.slots() && cell + 1 < cells) continue;
        // Progress in whole rows; a read stopped by the user keeps whole rows only.
        if (StopRequested(options, texts.size() / shape.columns, shape.rows)) {
            result.cancelled = true;
            texts.resize(texts.size() - texts.size() % shape.columns);
            break;
        }
        const bool more = reader.ReadBatch(batch, texts);
        batch.clear();
        if (!more) break;
    }
    if (!result.cancelled) StopRequested(options, texts.size() / shape.columns, shape.rows);
    if (reader.keptBlock()) process.CountKept(options);
    result.error = reader.error();
    result.stoppedAnswering = reader.stoppedAnswering();
    if (result.error == ReadError::None) result.text = JoinCells(texts, shape.columns);
    return result;
}

ReadResult ReadListViewCell(Platform& p, Hwnd hwnd, std::int32_t item, std::int32_t subItem,
                            const ReaderOptions& options) {
    return ReadOneItem(p, hwnd, ItemKind::ListViewCell,
                       {static_cast<Wparam>(static_cast<std::uint32_t>(item)), static_cast<std::uint32_t>(subItem)},
                       options);
}

ReadResult ReadListViewCellByCell(Platform& p, Hwnd hwnd, const ReaderOptions& options) {
    ReadResult result;
    const ListShape shape = AskShape(p, hwnd, options.limits);
    if (shape.refused) {
        result.error = ReadError::AccessDenied;
        return result;
    }
    result.stoppedAnswering = shape.stoppedAnswering;
    std::vector<std::string> texts;
    for (std::uint64_t cell = 0; cell < shape.rows * shape.columns; ++cell) {
        const ReadResult one = ReadListViewCell(p, hwnd, static_cast<std::int32_t>(cell / shape.columns),
                                                static_cast<std::int32_t>(cell % shape.columns), options);
        if (one.error != ReadError::None) {
            result.error = one.error;
            return result;
        }
        if (one.stoppedAnswering) {
            result.stoppedAnswering = true;
            break;
        }
        texts.push_back(one.text);
    }
    result.text = JoinCells(texts, std::max<std::uint64_t>(shape.columns, 1));
    return result;
}

}  // namespace lumivex
