#include "readers/item_batch.h"

#include <algorithm>
#include <cstring>

#include "platform/send.h"

namespace lumivex {

namespace {
// Each slot holds a request and its text buffer; slots start on 16 bytes so
// that every structure is aligned as the control expects.
std::size_t StrideOf(const ItemLayout& layout) { return (layout.structSize + layout.textBytes() + 15) / 16 * 16; }
}  // namespace

ReadResult ReadOneItem(Platform& p, Hwnd hwnd, ItemKind kind, const ItemAsk& ask, const ReaderOptions& options) {
    ReadResult result;
    const ControlProcess process(p, hwnd, options);
    if (process.error() != ReadError::None) {
        result.error = process.error();
        return result;
    }
    const ItemLayout layout = LayoutFor(kind, process.layouts64());
    if (kind == ItemKind::TreeItem && layout.target64 && !options.programIs64Bit) {
        result.error = ReadError::TargetNeeds64BitBuild;
        return result;
    }
    std::vector<std::uint8_t> local(layout.textBytes(), 0);
    RemoteBlock text(p, process.get(), layout.textBytes(), layout.allocationType);
    RemoteBlock item(p, process.get(), layout.structSize, layout.allocationType);
    const auto request = ItemRequest(layout, ask.key, text.address());
    if (!text || !item) {
        result.error = ReadError::RemoteMemoryFailed;
        return result;
    }
    for (const RemoteBlock* block : {&text, &item}) {
        result.error = CheckBlockAddress(block->address(), block->size(), layout.target64, options.programIs64Bit);
        if (result.error != ReadError::None) return result;
    }
    if (!item.Write(0, request.data(), request.size())) {
        result.error = ReadError::RemoteMemoryFailed;
        return result;
    }
    const SendOutcome sent = SendWithOutcome(p, hwnd, layout.message, ask.wParam, static_cast<Lparam>(item.address()));
    if (!sent.answer) {
        if (sent.noAnswer) {
            text.Keep();
            item.Keep();
            process.CountKept(options);
        }
        result.stoppedAnswering = true;
        return result;
    }
    if (!text.Read(0, local.data(), local.size())) std::fill(local.begin(), local.end(), 0);
    result.text = DecodeItemText(p, layout, local.data());
    return result;
}

ItemBatchReader::ItemBatchReader(Platform& p, Hwnd hwnd, Handle process, const ItemLayout& layout,
                                 bool programIs64Bit, std::size_t slots)
    : p_(p),
      hwnd_(hwnd),
      layout_(layout),
      slots_(std::max<std::size_t>(slots, 1)),
      stride_(StrideOf(layout)),
      block_(p, process, static_cast<std::uint64_t>(slots_) * stride_, layout.allocationType),
      local_(slots_ * stride_, 0) {
    error_ = block_ ? CheckBlockAddress(block_.address(), block_.size(), layout.target64, programIs64Bit)
                    : ReadError::RemoteMemoryFailed;
}

bool ItemBatchReader::ReadBatch(const std::vector<ItemAsk>& batch, std::vector<std::string>& texts) {
    if (error_ != ReadError::None || stopped_) return false;
    const std::size_t n = std::min(batch.size(), slots_);
    if (n == 0) return true;
    for (std::size_t i = 0; i < n; ++i) {
        std::uint8_t* slot = local_.data() + i * stride_;
        EncodeItemRequest(layout_, batch[i].key, block_.address() + i * stride_ + layout_.structSize, slot);
        std::memset(slot + layout_.structSize, 0, stride_ - layout_.structSize);
    }
    // The control must never see a request that is not wholly written.
    if (!block_.Write(0, local_.data(), n * stride_)) {
        error_ = ReadError::RemoteMemoryFailed;
        return false;
    }
    std::size_t answered = 0;
    for (; answered < n; ++answered) {
        const SendOutcome sent = SendWithOutcome(p_, hwnd_, layout_.message, batch[answered].wParam,
                                                 static_cast<Lparam>(block_.address() + answered * stride_));
        if (sent.answer) continue;
        kept_ = sent.noAnswer;
        break;
    }
    stopped_ = answered < n;
    if (answered > 0 && !block_.Read(0, local_.data(), answered * stride_))
        std::fill(local_.begin(), local_.end(), 0);
    for (std::size_t i = 0; i < answered; ++i)
        texts.push_back(DecodeItemText(p_, layout_, local_.data() + i * stride_ + layout_.structSize));
    if (kept_) block_.Keep();  // after the last read of it
    return !stopped_;
}

}  // namespace lumivex
