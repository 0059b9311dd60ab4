#include "readers/tree_view_reader.h"

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/send.h"
#include "readers/item_batch.h"
#include "tree/array_ops.h"

namespace lumivex {

namespace {

// An item handle as the program receives it in a message answer: a 32-bit
// build gets the low half only.
std::uint64_t Carried(Lresult answer, bool programIs64Bit) {
    return programIs64Bit ? static_cast<std::uint64_t>(answer) : static_cast<std::uint32_t>(answer);
}

std::string JoinLines(const ValueArray& lines) {
    std::string text;
    for (std::int32_t i = 0; i < ArrayCount(lines); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[static_cast<std::size_t>(i)].Str();
    }
    return text;
}

}  // namespace

ReadResult ReadTreeView(Platform& p, Hwnd hwnd, const ReaderOptions& options) {
    ReadResult result;
    if (p.IsHungAppWindow(hwnd)) return result;
    const SendOutcome asked = SendWithOutcome(p, hwnd, win::TVM_GETCOUNT, 0, 0);
    if (asked.accessDenied) {
        result.error = ReadError::AccessDenied;
        return result;
    }
    const auto& count = asked.answer;
    const auto root = count ? SendTimeout(p, hwnd, win::TVM_GETNEXTITEM, win::TVGN_ROOT, 0) : std::nullopt;
    if (!root) {
        // A handle that names no window is not one that stopped answering.
        result.stoppedAnswering = p.IsWindow(hwnd);
        return result;
    }
    std::uint64_t item = Carried(*root, options.programIs64Bit);
    if (static_cast<std::uint32_t>(*count) == 0 || item == 0) return result;

    const ControlProcess process(p, hwnd, options);
    if (process.error() != ReadError::None) {
        result.error = process.error();
        return result;
    }
    // The 32-bit build would hand the control truncated item handles.
    if (process.layouts64() && !options.programIs64Bit) {
        result.error = ReadError::TargetNeeds64BitBuild;
        return result;
    }
    ItemBatchReader reader(p, hwnd, process.get(), LayoutFor(ItemKind::TreeItem, process.layouts64()),
                           options.programIs64Bit);
    std::vector<std::string> texts;
    std::vector<ItemAsk> batch;
    std::unordered_set<std::uint64_t> met;
    bool more = true;
    while (more && item != 0 && met.size() < options.limits.maxTreeItems && met.insert(item).second) {
        batch.push_back({0, item});
        if (batch.size() == reader.slots()) {
            if (StopRequested(options, texts.size(), static_cast<std::uint32_t>(*count))) {
                result.cancelled = true;
                more = false;
                batch.clear();
                break;
            }
            more = reader.ReadBatch(batch, texts);
            batch.clear();
            if (!more) break;
        }
        const auto next = SendTimeout(p, hwnd, win::TVM_GETNEXTITEM, win::TVGN_NEXTVISIBLE,
                                      static_cast<Lparam>(item));
        if (!next) {
            // Items met but not yet read stay unread: nothing more is sent.
            result.stoppedAnswering = true;
            more = false;
            batch.clear();
            break;
        }
        item = Carried(*next, options.programIs64Bit);
    }
    if (more && !batch.empty()) reader.ReadBatch(batch, texts);
    if (reader.keptBlock()) process.CountKept(options);
    result.error = reader.error();
    result.stoppedAnswering = result.stoppedAnswering || reader.stoppedAnswering();
    if (result.error != ReadError::None) return result;

    ValueArray lines;
    for (std::string& text : texts) ArrayAppend(lines, Value::String(std::move(text)));
    if (ArrayCount(lines) > 0) result.text = JoinLines(lines);
    return result;
}

ReadResult ReadTreeItemText(Platform& p, Hwnd hwnd, std::uint64_t item, const ReaderOptions& options) {
    return ReadOneItem(p, hwnd, ItemKind::TreeItem, {0, item}, options);
}

}  // namespace lumivex
