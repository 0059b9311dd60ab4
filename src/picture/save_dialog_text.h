// The texts around the common save dialog (the mdDlgs module): the filter
// it offers and the path read back from its buffer.
#pragma once

#include <cstddef>
#include <string>

namespace lumivex {

// lpstrFile and lpstrFileTitle start as this many blanks, NUL-terminated
// in a buffer one larger (nMaxFile, nMaxFileTitle).
constexpr std::size_t kDialogBufferBlanks = 254;
constexpr const char* kSaveDialogTitle = "Save File";

// "<e> Files (*.<e>)" NUL "*.<e>" NUL "All Files (*.*)" NUL "*.*" NUL, and
// the string's own terminating NUL (std::string keeps it past size()).
std::string SaveDialogFilter(const std::string& extension);

// The dialog's buffer as a path: every NUL removed, blanks trimmed at both ends.
std::string CleanDialogPath(const std::string& buffer);

}  // namespace lumivex
