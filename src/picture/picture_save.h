// Saving the picture: ask for a path, ask before overwriting, write the
// picture as a bitmap file.
#pragma once

#include <cstdint>
#include <string>

#include "picture/picture_view.h"
#include "platform/file_ops.h"

namespace lumivex {

namespace win {
constexpr std::uint32_t MB_YESNO = 0x04, MB_ICONQUESTION = 0x20;
constexpr int IDYES = 6, IDNO = 7;
}  // namespace win

inline constexpr const char* kOverwriteQuestion = "文件已经存在，是否覆盖？";
inline constexpr const char* kOverwriteTitle = "Quorva";
inline constexpr const char* kBitmapExtension = "bmp";

// What the save asks the user; the window code answers with the common
// save dialog and a message box, both modal to the main window.
class SaveUi {
public:
    virtual ~SaveUi() = default;
    // The chosen path (ANSI), or the empty text when the user cancels.
    virtual std::string ShowSaveDialog(const std::string& extension) = 0;
    // Texts in UTF-8; answers IDYES, IDNO, …
    virtual int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t type) = 0;
};

enum class SaveOutcome { NothingToSave, Cancelled, Declined, Saved, Failed };

// ".bmp" is appended unless the last four characters already are, in any case.
std::string WithBmpExtension(const std::string& path);

// A file the save would replace: a normal file. Hidden and system files and
// folders are not found, as a plain file-name lookup does not find them.
bool IsNormalFile(FileOps& files, const std::string& path);

// The save button: asks for a path and, for an existing file, whether to
// replace it, then writes the picture as a bitmap file.
SaveOutcome SavePicture(const Picture& picture, SaveUi& ui, FileOps& files);

}  // namespace lumivex
