#include "picture/picture_save.h"

#include "picture/bmp_file.h"
#include "picture/file_replace.h"

namespace lumivex {

namespace {
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::string WithBmpExtension(const std::string& path) {
    // Comparing bytes is safe in UTF-8: ASCII bytes are never part of another
    // character, so ".bmp" at the end is always four characters.
    static const std::string kSuffix = ".bmp";
    bool matches = path.size() >= kSuffix.size();
    for (std::size_t i = 0; matches && i < kSuffix.size(); ++i)
        matches = LowerAscii(path[path.size() - kSuffix.size() + i]) == kSuffix[i];
    return matches ? path : path + kSuffix;
}

bool IsExistingFile(FileOps& files, const std::string& path) {
    const std::uint32_t attributes = files.GetFileAttributesW(path);
    return attributes != win::INVALID_FILE_ATTRIBUTES && (attributes & win::FILE_ATTRIBUTE_DIRECTORY) == 0;
}

SaveOutcome SavePicture(const Picture& picture, SaveUi& ui, FileOps& files) {
    if (!picture.HasPixels()) return SaveOutcome::NothingToSave;
    const SaveDialogChoice choice = ui.ShowSaveDialog(kBitmapExtension);
    if (choice.pathTooLong) {
        ui.ShowMessageBox(kPathTooLongText, kOverwriteTitle, win::MB_OK | win::MB_ICONERROR);
        return SaveOutcome::Failed;
    }
    if (choice.path.empty()) return SaveOutcome::Cancelled;
    std::string path = choice.path;
    path = WithBmpExtension(path);
    // A hidden or system file is the user's file as much as any other: it
    // gets the question too, rather than being replaced unasked.
    if (IsExistingFile(files, path) &&
        ui.ShowMessageBox(kOverwriteQuestion, kOverwriteTitle, win::MB_YESNO | win::MB_ICONQUESTION) != win::IDYES)
        return SaveOutcome::Declined;
    const ReplaceResult result = SaveFileReplacing(files, path, EncodeBmp(picture));
    if (result.replaced) return SaveOutcome::Saved;
    // Silence would let the user believe the picture was saved.
    ui.ShowMessageBox(kSaveFailedText + result.failure, kOverwriteTitle, win::MB_OK | win::MB_ICONERROR);
    return SaveOutcome::Failed;
}

}  // namespace lumivex
