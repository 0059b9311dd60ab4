// The request structures list views and tree views take their item texts
// through (LVITEMW, TVITEMW: the same layouts as the A forms, the text in
// UTF-16), in the 32-bit and 64-bit layouts, and the rule that turns the
// text buffer read back into a text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lumivex {

enum class ItemKind { ListViewCell, TreeItem };

struct ItemLayout {
    ItemKind kind;
    bool target64;
    std::size_t structSize;       // 40 / 48 (LVITEMW), 44 / 56 (TVITEMW incl. iIntegral)
    std::uint32_t textMax;        // cchTextMax: UTF-16 units, the NUL included
    std::uint32_t allocationType; // MEM_COMMIT, or MEM_COMMIT | MEM_RESERVE for tree items
    std::uint32_t message;        // LVM_GETITEMTEXTW / TVM_GETITEMW
    // Bytes of the remote text block, and of the text read back.
    std::size_t textBytes() const { return std::size_t{textMax} * sizeof(char16_t); }
};

ItemLayout LayoutFor(ItemKind kind, bool target64);

// Writes the request for one item into out (layout.structSize bytes, every
// byte not set being 0). key is the column index of a list-view cell or the
// handle of a tree item; text is the remote text block. In a 32-bit layout
// both are stored in 4 bytes: the caller makes sure they fit.
void EncodeItemRequest(const ItemLayout& layout, std::uint64_t key, RemoteAddress text, std::uint8_t* out);
std::vector<std::uint8_t> ItemRequest(const ItemLayout& layout, std::uint64_t key, RemoteAddress text);

// The text block as read back (layout.textBytes() bytes of UTF-16): ended
// before its first NUL, held to textMax characters as the code page's bytes
// were, blanks removed at both ends.
std::string DecodeItemText(Platform& p, const ItemLayout& layout, const std::uint8_t* bytes);

}  // namespace lumivex
