// Saving the picture: ask for a path, ask before overwriting, write the
// picture as a bitmap file.
#pragma once

#include <cstdint>
#include <string>

#include "picture/picture_view.h"
#include "platform/file_ops.h"

namespace lumivex {

namespace win {
constexpr std::uint32_t MB_OK = 0x00, MB_YESNO = 0x04, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20;
constexpr int IDYES = 6, IDNO = 7;
}  // namespace win

inline constexpr const char* kOverwriteQuestion = "文件已经存在，是否覆盖？";
inline constexpr const char* kOverwriteTitle = "Quorva";
// Followed by the system's reason; shown with the overwrite question's title.
inline constexpr const char* kSaveFailedText = "保存失败：";
// The path chosen does not fit the dialog's buffer: nothing is saved.
inline constexpr const char* kPathTooLongText = "保存失败：文件路径太长。";
inline constexpr const char* kBitmapExtension = "bmp";

// What the save asks the user; the window code answers with the common
// save dialog and a message box, both modal to the main window.
struct SaveDialogChoice {
    std::string path;          // UTF-8; empty when the user cancels
    bool pathTooLong = false;  // chosen, but longer than the dialog could hand back
};

class SaveUi {
public:
    virtual ~SaveUi() = default;
    virtual SaveDialogChoice ShowSaveDialog(const std::string& extension) = 0;
    // Texts in UTF-8; answers IDYES, IDNO, …
    virtual int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t type) = 0;
};

enum class SaveOutcome { NothingToSave, Cancelled, Declined, Saved, Failed };

// ".bmp" is appended unless the last four characters already are, in any case.
std::string WithBmpExtension(const std::string& path);

// A file the save would replace, whatever its attributes: hidden, system
// and read-only files too. A folder is not a file.
bool IsExistingFile(FileOps& files, const std::string& path);

// The save button: asks for a path and, for an existing file, whether to
// replace it, then writes the picture as a bitmap file; a save that fails
// is reported with the system's reason, and the old file is left as it was.
SaveOutcome SavePicture(const Picture& picture, SaveUi& ui, FileOps& files);

}  // namespace lumivex
