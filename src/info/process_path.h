// The program file of the process that owns a window.
#pragma once

#include <map>
#include <string>

#include "app/session.h"
#include "platform/platform.h"

namespace lumivex {

// Drive-letter path of the window's program file (UTF-8); empty when the
// process cannot be opened.
std::string GetWndPath(Platform& p, Session& session, Hwnd hwnd);
// Replaces a leading device name (\Device\HarddiskVolume3) by its drive.
// Works on ANSI bytes.
std::string DevicePathToDos(Platform& p, Session& session, const std::string& path);
// The short 8.3 form of a path (UTF-8 in and out); empty when it does not exist.
std::string GetShortPath(Platform& p, const std::string& path);

}  // namespace lumivex
