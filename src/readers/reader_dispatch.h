// The reader chosen by its key in the reader choice, run on a window, and
// the description shown as the choice's tool tip.
#pragma once

#include <string>

#include "platform/platform.h"
#include "readers/read_result.h"
#include "text/charset_table.h"

namespace lumivex {

// The limit of the "GetWindowText" reader: 100 M characters.
constexpr std::uint32_t kWindowTextReaderLimit = 1024u * 1024u * 100u;

struct ReaderOutput {
    // For ShowInNotepad, which leaves a blank text alone. UTF-8.
    std::string text;
    // Not empty: the read failed; show the user this, and no text.
    std::string message;
    // Not empty: the window stopped answering; text holds what was read before.
    std::string note;
    // The user stopped the read: text holds what was read before, and a
    // last line saying so.
    bool cancelled = false;
};

// Keys are compared exactly and tested in this order: "GetListViewText",
// "GetListBoxText" or "GetComboBoxText", "GetMenuText", "GetTreeViewText",
// "GetFontInfo"; any other key reads the window text.
ReaderOutput RunReader(Platform& p, const CharsetTable& charsets, const std::string& key, Hwnd hwnd,
                       const ReaderOptions& options = {});

// The description of a key, or the empty text for a key not in the choice.
std::string ReaderDescription(const std::string& key);

}  // namespace lumivex
