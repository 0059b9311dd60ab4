#pragma once

#include "platform/platform.h"

namespace lumivex {

// flag is a check box's value: 1 makes the window topmost, anything else not.
inline void SetTopMost(Platform& p, Hwnd hwnd, int flag) {
    p.SetWindowPos(hwnd, flag == 1 ? win::HWND_TOPMOST : win::HWND_NOTOPMOST, 0, 0, 0, 0,
                   win::SWP_NOMOVE | win::SWP_NOSIZE);
}

}  // namespace lumivex
