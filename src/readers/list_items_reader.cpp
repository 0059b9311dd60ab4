#include "readers/list_items_reader.h"

#include <algorithm>
#include <string>

#include "platform/send.h"
#include "platform/utf16.h"

namespace lumivex {

namespace {

// The text message writes the item's whole text, however long it has
// become since its length was asked, and is told no buffer size. The buffer
// is therefore never smaller than this, and twice the announced length when
// that is more.
constexpr std::size_t kMinTextUnits = 64 * 1024;

struct ListMessages {
    std::uint32_t length, text;
};

// Reads one item into buffer; nullopt when the window did not answer.
std::optional<std::u16string> AskItem(Platform& p, Hwnd hwnd, const ListMessages& messages, Wparam index,
                                      const ReadLimits& limits, std::u16string& buffer, std::size_t& used) {
    const auto length = SendTimeout(p, hwnd, messages.length, index, 0);
    if (!length) return std::nullopt;
    // LB_ERR or CB_ERR, or a length beyond belief: an empty item, not asked.
    if (*length < 0 || static_cast<std::uint64_t>(*length) > limits.maxListItemChars) return std::u16string();
    const std::size_t wanted = std::max(kMinTextUnits, 2 * (static_cast<std::size_t>(*length) + 1));
    if (buffer.size() < wanted) buffer.assign(wanted, u'\0');
    // What an earlier item left behind must not pass for this one's text.
    std::fill(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(std::min(used, buffer.size())), u'\0');
    const auto copied = SendTimeout(p, hwnd, messages.text, index, reinterpret_cast<Lparam>(buffer.data()));
    if (!copied) return std::nullopt;
    if (*copied < 0) return std::u16string();
    const std::size_t n = std::min(static_cast<std::size_t>(*copied), buffer.size() - 1);
    used = std::max(used, n + 1);
    std::u16string item(buffer.data(), n);
    const auto nul = item.find(u'\0');
    if (nul != std::u16string::npos) item.resize(nul);
    return item;
}

}  // namespace

ReadResult ReadListItems(Platform& p, Hwnd hwnd, const ReaderOptions& options) {
    ReadResult result;
    if (p.IsHungAppWindow(hwnd)) return result;
    const SendOutcome asked = SendWithOutcome(p, hwnd, win::LB_GETCOUNT, 0, 0);
    if (asked.accessDenied) {
        result.error = ReadError::AccessDenied;
        return result;
    }
    const auto& listCount = asked.answer;
    const auto comboCount = listCount ? SendTimeout(p, hwnd, win::CB_GETCOUNT, 0, 0) : std::nullopt;
    if (!comboCount) {
        // A handle that names no window is not one that stopped answering.
        result.stoppedAnswering = p.IsWindow(hwnd);
        return result;
    }
    // The combo box first: its counts are 32-bit answers.
    std::int32_t count = 0;
    ListMessages messages{};
    if (static_cast<std::int32_t>(*comboCount) != 0) {
        count = static_cast<std::int32_t>(*comboCount);
        messages = {win::CB_GETLBTEXTLEN, win::CB_GETLBTEXT};
    } else if (static_cast<std::int32_t>(*listCount) != 0) {
        count = static_cast<std::int32_t>(*listCount);
        messages = {win::LB_GETTEXTLEN, win::LB_GETTEXT};
    }
    if (hwnd == 0 || count < 1) return result;

    const std::uint64_t items = std::min<std::uint64_t>(static_cast<std::uint64_t>(count), options.limits.maxListItems);
    std::u16string buffer;
    std::size_t used = 0;
    for (std::uint64_t i = 0; i < items; ++i) {
        if (StopRequested(options, i, items)) {
            result.cancelled = true;
            break;
        }
        const auto item = AskItem(p, hwnd, messages, static_cast<Wparam>(i), options.limits, buffer, used);
        if (!item) {
            result.stoppedAnswering = true;
            break;
        }
        if (i > 0) result.text += "\r\n";
        result.text += Utf16ToUtf8(*item);
    }
    if (!result.cancelled) StopRequested(options, items, items);
    return result;
}

}  // namespace lumivex
