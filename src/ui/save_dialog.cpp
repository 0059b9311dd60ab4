#include "picture/save_dialog_text.h"

#include "ui/save_dialog.h"

#include <commdlg.h>

#include <cstddef>
#include <vector>

namespace lumivex {

namespace {
// The structure of the Windows 95/NT4 era: the dialog then takes no
// places bar and no extra flags. 76 bytes in the 32-bit build.
constexpr DWORD kOpenFileNameSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#ifndef _WIN64
static_assert(kOpenFileNameSize == 76, "OPENFILENAMEA version 4.0");
#endif

// Kept for the whole run: the dialog writes back the filter the user chose,
// and the next save starts with it.
DWORD lastFilterIndex = 0;
}  // namespace

std::string ShowSaveDialog(HWND owner, HINSTANCE instance, const std::string& extension) {
    const std::string filter = SaveDialogFilter(extension);
    // 254 blanks and a NUL: the 255 bytes the dialog may fill.
    std::vector<char> file(kDialogBufferBlanks + 1, ' ');
    std::vector<char> fileTitle(kDialogBufferBlanks + 1, ' ');
    file.back() = fileTitle.back() = '\0';

    OPENFILENAMEA dialog{};
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = owner;
    dialog.hInstance = instance;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = lastFilterIndex;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = fileTitle.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    dialog.lpstrTitle = kSaveDialogTitle;
    dialog.Flags = 0;  // no overwrite prompt: the caller asks itself
    const BOOL chosen = GetSaveFileNameA(&dialog);
    lastFilterIndex = dialog.nFilterIndex;
    if (!chosen) return {};
    return CleanDialogPath(std::string(file.data(), file.size()));
}

}  // namespace lumivex
