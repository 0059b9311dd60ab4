// Item texts of a list view or tree view of another process, read through
// memory allocated there: one item per complete round trip, or many items
// per allocation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "readers/item_layouts.h"
#include "readers/read_result.h"
#include "readers/remote_memory.h"

namespace lumivex {

struct ItemAsk {
    Wparam wParam;      // the item index of a list-view cell; 0 for a tree item
    std::uint64_t key;  // the column index, or the tree item's handle
};

// One item, one complete round trip: open the process, allocate the text
// block and the request block, write the request, send, read the text back,
// free both blocks, close the process. Nothing is sent when the process
// cannot be opened or a block cannot be allocated or written.
ReadResult ReadOneItem(Platform& p, Hwnd hwnd, ItemKind kind, const ItemAsk& ask, const ReaderOptions& options);

// Many items of one control through one remote block, allocated once and
// freed when the reader goes: each batch writes every request (and zeroes
// every text buffer) in one call, sends one message per item, and reads all
// the texts back in one call. The texts are those the round trip of
// ReadOneItem gives, byte for byte.
class ItemBatchReader {
public:
    // Requests per batch: few enough that the block stays small.
    static constexpr std::size_t kSlots = 64;

    ItemBatchReader(Platform& p, Hwnd hwnd, Handle process, const ItemLayout& layout, bool programIs64Bit,
                    std::size_t slots = kSlots);
    std::size_t slots() const { return slots_; }
    ReadError error() const { return error_; }
    bool stoppedAnswering() const { return stopped_; }
    // The block was left in the process: a request in it went unanswered.
    bool keptBlock() const { return kept_; }
    // Reads at most slots() items, appending the texts of those answered to
    // texts. False when the read must end here: the window did not answer
    // (the texts of the items before it are kept) or the block failed
    // (nothing was sent).
    bool ReadBatch(const std::vector<ItemAsk>& batch, std::vector<std::string>& texts);

private:
    Platform& p_;
    Hwnd hwnd_;
    ItemLayout layout_;
    std::size_t slots_;
    std::size_t stride_;
    RemoteBlock block_;
    std::vector<std::uint8_t> local_;
    ReadError error_ = ReadError::None;
    bool stopped_ = false;
    bool kept_ = false;
};

}  // namespace lumivex
