#include "picture/save_dialog_text.h"

#include "picture/save_dialog.h"

#include <commdlg.h>

#include <cstddef>

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
    std::string file(kDialogBufferBlanks, ' ');
    std::string fileTitle(kDialogBufferBlanks, ' ');

    OPENFILENAMEA dialog{};
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = owner;
    dialog.hInstance = instance;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = lastFilterIndex;
    // The strings' terminating NULs make the buffers one longer than the blanks.
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size() + 1);
    dialog.lpstrFileTitle = fileTitle.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(fileTitle.size() + 1);
    dialog.lpstrTitle = kSaveDialogTitle;
    dialog.Flags = 0;  // no overwrite prompt: the caller asks itself
    const BOOL chosen = GetSaveFileNameA(&dialog);
    lastFilterIndex = dialog.nFilterIndex;
    if (!chosen) return {};
    return CleanDialogPath(file);
}

}  // namespace lumivex
