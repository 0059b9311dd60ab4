#include "long_watch.h"

#include <cwchar>

#include "../common/crc32.h"
#include "window_report.h"

namespace probe {

namespace {

// Far beyond the bound the case checks (1 s): a window that takes longer
// is reported with the time-out as its answer time, never waited on for ever.
constexpr UINT kPingTimeoutMs = 10000;

class Clock {
public:
    Clock() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double Ms() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
               static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_{}, start_{};
};

// The part of a command after its n-th colon: a path holds colons of its own.
std::wstring AfterColon(const std::wstring& command, int n) {
    std::size_t at = 0;
    for (int i = 0; i < n && at != std::wstring::npos; ++i) at = command.find(L':', i == 0 ? 0 : at + 1);
    return at == std::wstring::npos ? std::wstring() : command.substr(at + 1);
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

void Ping(e2e::JsonWriter& json, const std::wstring& command) {
    const unsigned long period = std::wcstoul(AfterColon(command, 1).c_str(), nullptr, 0);
    const double most = static_cast<double>(std::wcstoul(AfterColon(command, 2).c_str(), nullptr, 0));
    const std::wstring stopFile = AfterColon(command, 3);
    HWND main = FindLumivexMain();
    const Clock clock;
    long pings = 0, answered = 0;
    double longest = 0, longestAt = 0;
    while (main && IsWindow(main) && !FileExists(stopFile) && clock.Ms() < most) {
        const double sent = clock.Ms();
        DWORD_PTR answer = 0;
        const bool ok = SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kPingTimeoutMs, &answer) != 0;
        const double took = clock.Ms() - sent;
        ++pings;
        answered += ok ? 1 : 0;
        if (took > longest) {
            longest = took;
            longestAt = sent;
        }
        const double next = sent + static_cast<double>(period) - clock.Ms();
        if (next > 0) Sleep(static_cast<DWORD>(next));
    }
    json.BeginObject();
    json.Key("found").Bool(main != nullptr);
    json.Key("pings").Number(pings);
    json.Key("answered").Number(answered);
    json.Key("longestMs").Number(static_cast<std::int64_t>(longest + 0.5));
    json.Key("longestAtMs").Number(static_cast<std::int64_t>(longestAt));
    json.Key("elapsedMs").Number(static_cast<std::int64_t>(clock.Ms()));
    json.EndObject();
}

void ReportTextSummary(e2e::JsonWriter& json, HWND hwnd, const std::wstring& childClass) {
    HWND source = childClass.empty() ? hwnd : FindWindowExW(hwnd, nullptr, childClass.c_str(), nullptr);
    bool answered = false;
    const std::wstring text = source ? TextOf(source, &answered) : std::wstring();
    const std::string utf8 = e2e::ToUtf8(text);
    long lines = 1;
    for (std::size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at + 2)) ++lines;
    const std::size_t firstEnd = text.find(L"\r\n");
    const std::size_t lastStart = text.rfind(L"\r\n");
    json.BeginObject();
    json.Key("found").Bool(source != nullptr && answered);
    json.Key("length").Number(static_cast<std::int64_t>(text.size()));
    json.Key("bytes").Number(static_cast<std::int64_t>(utf8.size()));
    json.Key("crc").Number(e2e::Crc32(utf8));
    json.Key("lines").Number(lines);
    json.Key("first").String(text.substr(0, firstEnd));
    json.Key("last").String(lastStart == std::wstring::npos ? text : text.substr(lastStart + 2));
    json.EndObject();
}

}  // namespace probe
