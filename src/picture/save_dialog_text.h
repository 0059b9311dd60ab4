// The texts around the common save dialog (the mdDlgs module): the filter
// it offers and the path read back from its buffer, in UTF-16 as the wide
// dialog takes and gives them, so that a name in any script survives.
#pragma once

#include <cstddef>
#include <string>

namespace lumivex {

// lpstrFile and lpstrFileTitle start as this many blanks and a NUL; the
// file's buffer holds the longest path the system takes (nMaxFile), the
// title's just the blanks and the NUL (nMaxFileTitle), in characters.
constexpr std::size_t kDialogBufferBlanks = 254;
constexpr std::size_t kDialogFileBufferChars = 32768;
constexpr const char16_t* kSaveDialogTitle = u"Save File";

// "<e> Files (*.<e>)" NUL "*.<e>" NUL "All Files (*.*)" NUL "*.*" NUL, and
// the string's own terminating NUL (std::u16string keeps it past size()).
std::u16string SaveDialogFilter(const std::u16string& extension);

// A buffer for the dialog to write into: kDialogBufferBlanks blanks and a NUL.
std::u16string BlankDialogBuffer();

// The dialog's buffer as a path: every NUL removed, blanks trimmed at both ends.
std::u16string CleanDialogPath(const std::u16string& buffer);

}  // namespace lumivex
