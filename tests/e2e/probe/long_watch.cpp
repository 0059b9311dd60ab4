#include "long_watch.h"

#include <cwchar>
#include <utility>
#include <vector>

#include "../common/bench_support.h"
#include "../common/crc32.h"
#include "window_report.h"

namespace probe {

namespace {

// Far beyond the bound the case checks (1 s): a window that takes longer
// is reported with the time-out as its answer time, never waited on for ever.
constexpr UINT kPingTimeoutMs = 10000;
// Pings slower than this are listed with when they were sent, to tell what
// Lumivex was doing then; the first few only.
constexpr double kSlowPingMs = 100;
constexpr std::size_t kSlowPingsKept = 20;

// The part of a command after its n-th colon: a path holds colons of its own.
std::wstring AfterColon(const std::wstring& command, int n) {
    std::size_t at = 0;
    for (int i = 0; i < n && at != std::wstring::npos; ++i) at = command.find(L':', i == 0 ? 0 : at + 1);
    return at == std::wstring::npos ? std::wstring() : command.substr(at + 1);
}

// Milliseconds since 1970 on the system's clock, which the driver's
// time.time() reads too: it tells whether the pings covered the read.
std::int64_t UnixMs() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const std::int64_t ticks = (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr std::int64_t kTicksFrom1601To1970 = 116444736000000000LL;
    return (ticks - kTicksFrom1601To1970) / 10000;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

void Ping(e2e::JsonWriter& json, const std::wstring& command) {
    const unsigned long period = std::wcstoul(AfterColon(command, 1).c_str(), nullptr, 0);
    const double most = static_cast<double>(std::wcstoul(AfterColon(command, 2).c_str(), nullptr, 0));
    const std::wstring stopFile = AfterColon(command, 3);
    HWND main = FindLumivexMain();
    const double start = e2e::NowMs();
    long pings = 0, answered = 0;
    double longest = 0;
    std::int64_t first = 0, last = 0;
    std::vector<std::pair<std::int64_t, double>> slow;
    // The stop file is looked for after each ping: the last one is answered
    // after the file appeared.
    while (main) {
        const double sent = e2e::NowMs();
        const std::int64_t sentAt = UnixMs();
        if (pings == 0) first = sentAt;
        DWORD_PTR answer = 0;
        const bool ok = SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kPingTimeoutMs, &answer) != 0;
        const double took = e2e::NowMs() - sent;
        last = UnixMs();
        // The driver starts its step once the pings run.
        if (pings == 1) CloseHandle(CreateFileW((stopFile + L".started").c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ++pings;
        answered += ok ? 1 : 0;
        longest = took > longest ? took : longest;
        if (took > kSlowPingMs && slow.size() < kSlowPingsKept) slow.emplace_back(sentAt, took);
        if (!IsWindow(main) || FileExists(stopFile) || e2e::NowMs() - start >= most) break;
        const double next = sent + static_cast<double>(period) - e2e::NowMs();
        if (next > 0) Sleep(static_cast<DWORD>(next));
    }
    json.BeginObject();
    json.Key("found").Bool(main != nullptr);
    json.Key("pings").Number(pings);
    json.Key("answered").Number(answered);
    json.Key("longestMs").Number(static_cast<std::int64_t>(longest + 0.5));
    json.Key("firstUnixMs").Number(first);
    json.Key("lastUnixMs").Number(last);
    json.Key("elapsedMs").Number(static_cast<std::int64_t>(e2e::NowMs() - start));
    json.Key("slow").BeginArray();
    for (const auto& [at, ms] : slow) json.BeginArray().Number(at).Number(static_cast<std::int64_t>(ms)).EndArray();
    json.EndArray();
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
    json.Key("handle").Handle(source);
    json.Key("length").Number(static_cast<std::int64_t>(text.size()));
    json.Key("bytes").Number(static_cast<std::int64_t>(utf8.size()));
    json.Key("crc").Number(e2e::Crc32(utf8));
    json.Key("lines").Number(lines);
    json.Key("first").String(text.substr(0, firstEnd));
    json.Key("last").String(lastStart == std::wstring::npos ? text : text.substr(lastStart + 2));
    json.EndObject();
}

}  // namespace probe
