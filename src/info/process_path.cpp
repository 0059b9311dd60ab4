#include "info/process_path.h"

#include <algorithm>

#include "platform/handles.h"
#include "platform/text_limit.h"

namespace lumivex {

namespace {

std::u16string WithoutNuls(std::u16string text) {
    text.erase(std::remove(text.begin(), text.end(), u'\0'), text.end());
    return text;
}

DriveMap BuildDriveMap(Platform& p) {
    DriveMap map;
    for (std::string drive : p.LogicalDrives()) {
        // QueryDosDevice wants "C:", not "C:\".
        while (!drive.empty() && drive.back() == '\\') drive.pop_back();
        std::u16string buffer(255, u'\0');
        p.QueryDosDeviceW(Utf8ToUtf16(drive).c_str(), buffer.data(), 255);
        // The first drive that names a device keeps it.
        map.emplace(Utf16ToUtf8(WithoutNuls(buffer)), drive);
    }
    return map;
}

}  // namespace

std::string DevicePathToDos(Platform& p, DriveMapCache& drives, const std::string& path) {
    if (!drives) drives = BuildDriveMap(p);
    // Searching from the 20th character passes the two backslashes of
    // \Device\HarddiskVolume, so the head is the volume's whole device name.
    constexpr std::size_t kSearchFrom = 19;
    const std::u16string wide = Utf8ToUtf16(path);
    if (wide.size() <= kSearchFrom) return path;
    const auto backslash = wide.find(u'\\', kSearchFrom);
    if (backslash == std::u16string::npos) return path;
    const auto drive = drives->find(Utf16ToUtf8(wide.substr(0, backslash)));
    if (drive == drives->end()) return path;
    return drive->second + Utf16ToUtf8(wide.substr(backslash));
}

std::string GetWndPath(Platform& p, DriveMapCache& drives, Hwnd hwnd) {
    std::uint32_t processId = 0;
    p.GetWindowThreadProcessId(hwnd, &processId);
    constexpr std::size_t kPathBuffer = 1024;
    std::u16string buffer(kPathBuffer, u'\0');
    {
        // The limited right is all the image name needs, and it is what a
        // process running with higher rights (an elevated one) still grants.
        ProcessHandle process(p, p.OpenProcess(win::PROCESS_QUERY_LIMITED_INFORMATION, false, processId));
        if (process) p.GetProcessImageFileNameW(process.get(), buffer.data(), kPathBuffer);
    }
    return DevicePathToDos(p, drives, TextWithin(p, WithoutNuls(buffer), kPathBuffer - 1));
}

std::string GetShortPath(Platform& p, const std::string& path) {
    constexpr std::size_t kShortPathBuffer = 256;
    std::u16string buffer(kShortPathBuffer, u'\0');
    p.GetShortPathNameW(Utf8ToUtf16(path).c_str(), buffer.data(), kShortPathBuffer);
    const std::string shortPath = TextWithin(p, CutAtNul(buffer), kShortPathBuffer - 1);
    const auto first = shortPath.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = shortPath.find_last_not_of(' ');
    return shortPath.substr(first, last - first + 1);
}

}  // namespace lumivex
