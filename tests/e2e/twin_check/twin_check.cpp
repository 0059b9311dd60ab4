// LumivexTwinCheck.exe <twin program> <reader key> <window handle, hex> <out file>
//
// The 32-bit program's side of a read handed to its twin, run by the 64-bit
// build under Wine with the real platform: a real anonymous pipe, the twin
// started hidden with CreateProcessW, the pipe read with PeekNamedPipe while
// waiting on the process. Writes the outcome to the out file, UTF-8:
//
//   found=1|0
//   error=<ReadError as a number>
//   stopped=0|1
//   cancelled=0|1
//   <empty line>
//   <the text>
//
// The logic headers come before <windows.h>, which they guard against.
#include "platform/utf16.h"
#include "readers/twin_reader.h"
#include "platform/win32/win32_platform.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kExitWritten = 0, kExitBadArguments = 2, kExitNotWritten = 3;

std::u16string Units(const wchar_t* text) { return std::u16string(reinterpret_cast<const char16_t*>(text)); }

bool WriteReport(const wchar_t* path, const std::optional<lumivex::ReadResult>& result) {
    std::string report = "found=" + std::string(result ? "1" : "0") + "\n";
    if (result) {
        report += "error=" + std::to_string(static_cast<int>(result->error)) + "\n";
        report += "stopped=" + std::string(result->stoppedAnswering ? "1" : "0") + "\n";
        report += "cancelled=" + std::string(result->cancelled ? "1" : "0") + "\n\n" + result->text;
    }
    FILE* out = _wfopen(path, L"wb");
    if (!out) return false;
    const bool whole = std::fwrite(report.data(), 1, report.size(), out) == report.size();
    return std::fclose(out) == 0 && whole;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) return kExitBadArguments;
    lumivex::TwinRequest request;
    request.key = lumivex::Utf16ToUtf8(Units(argv[2]));
    request.hwnd = static_cast<lumivex::Hwnd>(std::wcstoul(argv[3], nullptr, 16));
    lumivex::Win32Platform platform;
    const auto result = lumivex::ReadThroughTwin(platform, Units(argv[1]), request, lumivex::ReaderOptions{});
    return WriteReport(argv[4], result) ? kExitWritten : kExitNotWritten;
}
