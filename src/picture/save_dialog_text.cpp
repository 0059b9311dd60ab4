#include "picture/save_dialog_text.h"

#include <algorithm>

namespace lumivex {

std::string SaveDialogFilter(const std::string& extension) {
    std::string filter;
    filter += extension + " Files (*." + extension + ")";
    filter += '\0';
    filter += "*." + extension;
    filter += '\0';
    filter += "All Files (*.*)";
    filter += '\0';
    filter += "*.*";
    filter += '\0';
    return filter;
}

std::string CleanDialogPath(const std::string& buffer) {
    std::string path = buffer;
    path.erase(std::remove(path.begin(), path.end(), '\0'), path.end());
    const auto first = path.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = path.find_last_not_of(' ');
    return path.substr(first, last - first + 1);
}

}  // namespace lumivex
