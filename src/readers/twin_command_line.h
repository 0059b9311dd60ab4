// The command line on which the 32-bit program starts its 64-bit twin for
// one read, and the twin's reading of it:
//
//   "C:\…\Lumivex64.exe" /read GetTreeViewText 0x0001A2B4
//
// the reader's key as in the reader choice, the window's handle in
// hexadecimal. The twin shows no window: it reads, writes the outcome to its
// standard output (twin_protocol.h) and ends.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace lumivex {

// The twin's file, beside the program's own (the release ships both).
inline constexpr std::u16string_view kTwinFileName = u"Lumivex64.exe";
inline constexpr std::u16string_view kTwinReadSwitch = u"/read";

struct TwinRequest {
    std::string key;  // a key of the reader choice the twin takes (TwinTakesKey)
    Hwnd hwnd = 0;
};

// The readers that work through the target's memory, whose reads the
// 32-bit build cannot always do.
bool TwinTakesKey(const std::string& key);

// The twin beside ownPath (the program's own file); empty when ownPath
// names no folder.
std::u16string TwinPathBeside(std::u16string_view ownPath);

// Empty when twinPath cannot be quoted (it holds a quote).
std::u16string TwinCommandLine(std::u16string_view twinPath, const TwinRequest& request);

// The arguments after the program's own path ask for a twin's read: the
// program then opens no window, whether the rest is right or not.
bool IsTwinCommand(const std::vector<std::u16string>& arguments);
// nullopt unless the arguments are exactly a twin's read of a key it takes
// and a handle other than 0.
std::optional<TwinRequest> ParseTwinArguments(const std::vector<std::u16string>& arguments);

}  // namespace lumivex
