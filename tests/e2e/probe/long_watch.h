// What the case of a long read measures from outside Lumivex: how long its
// main window takes to answer while the read runs, and a summary of a text
// too long to ship whole (Notepad's, once 200,000 lines arrived).
#pragma once

#include <windows.h>

#include <string>

#include "../common/json_writer.h"

namespace probe {

// ping:<period ms>:<most ms>:<stop file>
// Sends Lumivex's main window WM_NULL every period, waiting as long as it
// takes (a freeze is measured, not cut short), until the stop file exists
// or the most time has passed; "<stop file>.started" is made once the first
// ping was answered: {"found", "pings", "answered", "longestMs",
// "elapsedMs", and "firstUnixMs" and "lastUnixMs", when the
// first ping was sent and the last answered, on the system's clock, and
// "slow": [[sent at, ms], ...] of the first pings over 100 ms}.
void Ping(e2e::JsonWriter& json, const std::wstring& command);

// textsum:<hwnd>[:<child class>]
// The text of the window, or of its first child of that class: {"found",
// "handle" (of the window read),
// "length" (UTF-16 units), "bytes" and "crc" (CRC-32) of its UTF-8 form,
// "lines" (split at CR LF), "first" and "last" lines}.
void ReportTextSummary(e2e::JsonWriter& json, HWND hwnd, const std::wstring& childClass);

}  // namespace probe
