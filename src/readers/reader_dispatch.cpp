#include "readers/reader_dispatch.h"

#include "info/tools_readings.h"
#include "readers/list_items_reader.h"
#include "readers/list_view_reader.h"
#include "readers/menu_reader.h"
#include "readers/tree_view_reader.h"
#include "readers/twin_reader.h"
#include "text/font_report.h"
#include "text/reader_choice.h"

namespace lumivex {

namespace {

ReaderOutput FromResult(const ReadResult& result, const ReaderOptions& options) {
    ReaderOutput out;
    if (result.error != ReadError::None) {
        out.message = ReadErrorMessage(result.error);
        return out;
    }
    out.text = result.text;
    if (result.cancelled) {
        out.cancelled = true;
        if (!out.text.empty()) out.text += "\r\n";
        out.text += CancelledLine(options.progress ? options.progress->Get() : ProgressSnapshot{});
        return out;
    }
    if (result.stoppedAnswering) out.note = out.text.empty() ? kNothingReadNote : kStoppedAnsweringNote;
    return out;
}

// A list view whose cells are all empty reads as separators only: not shown.
bool HasCellText(const std::string& text) {
    std::string rest;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\t') continue;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        return true;
    }
    return false;
}

}  // namespace

ReaderOutput RunReader(Platform& p, const CharsetTable& charsets, const std::string& key, Hwnd hwnd,
                       const ReaderOptions& options) {
    if (key == "GetListViewText") {
        ReaderOutput out = FromResult(MendByTwin(p, key, hwnd, options, ReadListView(p, hwnd, options)), options);
        if (!HasCellText(out.text)) out.text.clear();
        return out;
    }
    if (key == "GetListBoxText" || key == "GetComboBoxText") return FromResult(ReadListItems(p, hwnd, options), options);
    if (key == "GetMenuText") return ReaderOutput{ReadMenuText(p, hwnd, options.limits), {}, {}};
    if (key == "GetTreeViewText")
        return FromResult(MendByTwin(p, key, hwnd, options, ReadTreeView(p, hwnd, options)), options);
    if (key == "GetFontInfo") return ReaderOutput{GetFontText(p, charsets, hwnd, kFontReport), {}, {}};
    return ReaderOutput{GetWndText(p, hwnd, kWindowTextReaderLimit), {}, {}};
}

std::string ReaderDescription(const std::string& key) {
    for (const ReaderChoice& choice : kReaderChoices)
        if (key == choice.key) return choice.description;
    return {};
}

}  // namespace lumivex
