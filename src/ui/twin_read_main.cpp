#include "ui/twin_read_main.h"

#include "readers/read_result.h"
#include "readers/twin_command_line.h"
#include "readers/twin_entry.h"
#include "platform/win32/win32_platform.h"

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lumivex {

namespace {

constexpr int kExitBadCommand = 1, kExitNoOutput = 3;

std::vector<std::u16string> Arguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words) return {};
    std::vector<std::u16string> arguments;
    for (int i = 1; i < count; ++i) arguments.emplace_back(reinterpret_cast<const char16_t*>(words[i]));
    LocalFree(words);
    return arguments;
}

// A pipe takes a large write in pieces: loop until all of it is in.
bool WriteAll(HANDLE out, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(out, bytes.data() + done, piece, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

std::optional<int> RunTwinReadIfAsked() {
    const std::vector<std::u16string> arguments = Arguments();
    if (!IsTwinCommand(arguments)) return std::nullopt;
    const std::optional<TwinRequest> request = ParseTwinArguments(arguments);
    if (!request) return kExitBadCommand;
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) return kExitNoOutput;
    Win32Platform platform;
    return RunTwinRead(platform, *request, kProgramIs64Bit,
                       [out](const std::string& bytes) { return WriteAll(out, bytes); });
}

}  // namespace lumivex
