// The twin's side of a read handed over by the 32-bit program: the read
// itself, on the same reader the program's own read takes, with the outcome
// written as twin_protocol.h says.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/platform.h"
#include "readers/twin_command_line.h"

namespace lumivex {

// How often a read that is still running says how far it got: the program
// waiting for it takes a long silence for a twin that is stuck.
constexpr std::uint32_t kTwinHeartbeatMs = 1000;

// Writes all the bytes, or returns false (no one reads the pipe any more).
using TwinWrite = std::function<bool(const std::string& bytes)>;

// The program's exit code: 0 when the whole outcome was written.
int RunTwinRead(Platform& p, const TwinRequest& request, bool programIs64Bit, const TwinWrite& write);

}  // namespace lumivex
