// The program file of the process that owns a window.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace lumivex {

// Device name (\Device\HarddiskVolume3) to drive (C:), UTF-8, built on first
// use and kept for the whole run: drives rarely change while the program runs.
using DriveMap = std::map<std::string, std::string>;
using DriveMapCache = std::optional<DriveMap>;

// Drive-letter path of the window's program file (UTF-8); empty when the
// process cannot be opened.
std::string GetWndPath(Platform& p, DriveMapCache& drives, Hwnd hwnd);
// Replaces a leading device name (\Device\HarddiskVolume3) by its drive.
// UTF-8 in and out; positions count characters (UTF-16 units).
std::string DevicePathToDos(Platform& p, DriveMapCache& drives, const std::string& path);
// The short 8.3 form of a path (UTF-8 in and out); empty when it does not exist.
std::string GetShortPath(Platform& p, const std::string& path);

}  // namespace lumivex
