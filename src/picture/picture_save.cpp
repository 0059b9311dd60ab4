#include "picture/picture_save.h"

#include "picture/bmp_file.h"
#include "picture/file_replace.h"

namespace lumivex {

namespace {
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::string WithBmpExtension(const std::string& path) {
    // Comparing bytes is safe in a double-byte code page: a '.' is never the
    // second byte of a character, so ".bmp" at the end is always four characters.
    static const std::string kSuffix = ".bmp";
    bool matches = path.size() >= kSuffix.size();
    for (std::size_t i = 0; matches && i < kSuffix.size(); ++i)
        matches = LowerAscii(path[path.size() - kSuffix.size() + i]) == kSuffix[i];
    return matches ? path : path + kSuffix;
}

bool IsNormalFile(FileOps& files, const std::string& path) {
    const std::uint32_t attributes = files.GetFileAttributesA(path);
    if (attributes == win::INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (win::FILE_ATTRIBUTE_HIDDEN | win::FILE_ATTRIBUTE_SYSTEM | win::FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

SaveOutcome SavePicture(const Picture& picture, SaveUi& ui, FileOps& files) {
    if (!picture.HasPixels()) return SaveOutcome::NothingToSave;
    std::string path = ui.ShowSaveDialog(kBitmapExtension);
    if (path.empty()) return SaveOutcome::Cancelled;
    path = WithBmpExtension(path);
    if (IsNormalFile(files, path) &&
        ui.ShowMessageBox(kOverwriteQuestion, kOverwriteTitle, win::MB_YESNO | win::MB_ICONQUESTION) != win::IDYES)
        return SaveOutcome::Declined;
    return SaveFileReplacing(files, path, EncodeBmp(picture)) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

}  // namespace lumivex
