#include "readers/item_layouts.h"

#include <cstring>

#include "platform/text_limit.h"

namespace lumivex {

namespace {

constexpr std::size_t kListViewItem32 = 40, kListViewItem64 = 48;
constexpr std::size_t kTreeViewItem32 = 44, kTreeViewItem64 = 56;
constexpr std::uint32_t kListViewTextMax = 255, kTreeViewTextMax = 256;

void Put32(std::uint8_t* out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put64(std::uint8_t* out, std::size_t at, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

struct Offsets {
    std::size_t key, text, textMax;
};

// mask is at 0 in every layout; iItem stays 0 (the item index travels in wParam).
Offsets OffsetsOf(const ItemLayout& layout) {
    if (layout.kind == ItemKind::ListViewCell)
        return layout.target64 ? Offsets{8, 24, 32} : Offsets{8, 20, 24};
    return layout.target64 ? Offsets{8, 24, 32} : Offsets{4, 16, 20};
}

}  // namespace

ItemLayout LayoutFor(ItemKind kind, bool target64) {
    if (kind == ItemKind::ListViewCell)
        return {kind, target64, target64 ? kListViewItem64 : kListViewItem32, kListViewTextMax, win::MEM_COMMIT,
                win::LVM_GETITEMTEXTW};
    return {kind, target64, target64 ? kTreeViewItem64 : kTreeViewItem32, kTreeViewTextMax,
            win::MEM_COMMIT | win::MEM_RESERVE, win::TVM_GETITEMW};
}

void EncodeItemRequest(const ItemLayout& layout, std::uint64_t key, RemoteAddress text, std::uint8_t* out) {
    std::memset(out, 0, layout.structSize);
    const Offsets at = OffsetsOf(layout);
    Put32(out, 0, layout.kind == ItemKind::ListViewCell ? win::LVIF_TEXT : win::TVIF_TEXT);
    // iSubItem is 32-bit in both layouts; hItem and pszText are pointers.
    const bool keyIsPointer = layout.kind == ItemKind::TreeItem;
    if (layout.target64) {
        if (keyIsPointer)
            Put64(out, at.key, key);
        else
            Put32(out, at.key, static_cast<std::uint32_t>(key));
        Put64(out, at.text, text);
    } else {
        Put32(out, at.key, static_cast<std::uint32_t>(key));
        Put32(out, at.text, static_cast<std::uint32_t>(text));
    }
    Put32(out, at.textMax, layout.textMax);
}

std::vector<std::uint8_t> ItemRequest(const ItemLayout& layout, std::uint64_t key, RemoteAddress text) {
    std::vector<std::uint8_t> out(layout.structSize);
    EncodeItemRequest(layout, key, text, out.data());
    return out;
}

std::string DecodeItemText(Platform& p, const ItemLayout& layout, const std::uint8_t* bytes) {
    std::u16string raw(layout.textMax, u'\0');
    std::memcpy(raw.data(), bytes, layout.textBytes());
    const std::string text = TextWithin(p, CutAtNul(raw), layout.textMax);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace lumivex
