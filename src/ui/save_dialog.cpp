#include "picture/save_dialog_text.h"
#include "ui/save_dialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <cstddef>

namespace lumivex {

namespace {
// The structure of the Windows 95/NT4 era: the dialog then takes no
// places bar and no extra flags. 76 bytes in the 32-bit build.
constexpr DWORD kOpenFileNameSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
#ifndef _WIN64
static_assert(kOpenFileNameSize == 76, "OPENFILENAMEW version 4.0");
#endif
static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wide characters");

std::wstring ToWide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }
std::u16string ToU16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

// Kept for the whole run: the dialog writes back the filter the user chose,
// and the next save starts with it.
DWORD lastFilterIndex = 0;
}  // namespace

SaveDialogChoice ShowSaveDialog(HWND owner, HINSTANCE instance, const std::string& extension) {
    const std::wstring filter = ToWide(SaveDialogFilter(ToU16(Utf8ToWide(extension))));
    const std::wstring title = ToWide(kSaveDialogTitle);
    std::wstring file = ToWide(BlankDialogBuffer());
    file.resize(kDialogFileBufferChars, L'\0');
    std::wstring fileTitle = ToWide(BlankDialogBuffer());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = owner;
    dialog.hInstance = instance;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = lastFilterIndex;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = fileTitle.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    dialog.lpstrTitle = title.c_str();
    // No overwrite prompt: the caller asks itself. The current folder stays
    // where it was: programs started later must not be looked for in the
    // folder a picture went to.
    dialog.Flags = OFN_NOCHANGEDIR;
    const BOOL chosen = GetSaveFileNameW(&dialog);
    lastFilterIndex = dialog.nFilterIndex;
    if (!chosen) return {{}, CommDlgExtendedError() == FNERR_BUFFERTOOSMALL};
    return {WideToUtf8(ToWide(CleanDialogPath(ToU16(file)))), false};
}

}  // namespace lumivex
