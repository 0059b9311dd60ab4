#include "picture/save_dialog_text.h"

#include <algorithm>

namespace lumivex {

std::u16string SaveDialogFilter(const std::u16string& extension) {
    std::u16string filter;
    filter += extension + u" Files (*." + extension + u")";
    filter += u'\0';
    filter += u"*." + extension;
    filter += u'\0';
    filter += u"All Files (*.*)";
    filter += u'\0';
    filter += u"*.*";
    filter += u'\0';
    return filter;
}

std::u16string BlankDialogBuffer() {
    std::u16string buffer(kDialogBufferBlanks + 1, u' ');
    buffer.back() = u'\0';
    return buffer;
}

std::u16string CleanDialogPath(const std::u16string& buffer) {
    std::u16string path = buffer;
    path.erase(std::remove(path.begin(), path.end(), u'\0'), path.end());
    const auto first = path.find_first_not_of(u' ');
    if (first == std::u16string::npos) return {};
    const auto last = path.find_last_not_of(u' ');
    return path.substr(first, last - first + 1);
}

}  // namespace lumivex
