#include "info/process_path.h"

#include <algorithm>

#include "platform/handles.h"

namespace lumivex {

namespace {

std::string WithoutNuls(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

DriveMap BuildDriveMap(Platform& p) {
    DriveMap map;
    for (std::string drive : p.LogicalDrives()) {
        // QueryDosDevice wants "C:", not "C:\".
        while (!drive.empty() && drive.back() == '\\') drive.pop_back();
        std::string buffer(255, '\0');
        p.QueryDosDeviceA(drive.c_str(), buffer.data(), 255);
        // The first drive that names a device keeps it.
        map.emplace(WithoutNuls(buffer), drive);
    }
    return map;
}

}  // namespace

std::string DevicePathToDos(Platform& p, DriveMapCache& drives, const std::string& path) {
    if (!drives) drives = BuildDriveMap(p);
    // Searching from the 20th character passes the two backslashes of
    // \Device\HarddiskVolume, so the head is the volume's whole device name.
    constexpr std::size_t kSearchFrom = 19;
    if (path.size() <= kSearchFrom) return path;
    const auto backslash = path.find('\\', kSearchFrom);
    if (backslash == std::string::npos) return path;
    const auto drive = drives->find(path.substr(0, backslash));
    if (drive == drives->end()) return path;
    return drive->second + path.substr(backslash);
}

std::string GetWndPath(Platform& p, DriveMapCache& drives, Hwnd hwnd) {
    std::uint32_t processId = 0;
    p.GetWindowThreadProcessId(hwnd, &processId);
    std::string buffer(1024, '\0');
    {
        // The limited right is all the image name needs, and it is what a
        // process running with higher rights (an elevated one) still grants.
        ProcessHandle process(p, p.OpenProcess(win::PROCESS_QUERY_LIMITED_INFORMATION, false, processId));
        if (process) p.GetProcessImageFileNameA(process.get(), buffer.data(), 1024);
    }
    return p.AnsiToUtf8(DevicePathToDos(p, drives, WithoutNuls(buffer)));
}

std::string GetShortPath(Platform& p, const std::string& path) {
    const std::string ansi = p.Utf8ToAnsi(path);
    std::string buffer(256, '\0');
    p.GetShortPathNameA(ansi.c_str(), buffer.data(), 256);
    buffer = buffer.substr(0, buffer.find('\0'));
    const auto first = buffer.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = buffer.find_last_not_of(' ');
    return p.AnsiToUtf8(buffer.substr(first, last - first + 1));
}

}  // namespace lumivex
