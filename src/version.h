// The program's version, shown in its title and carried in its resources.
#pragma once

#define LUMIVEX_VERSION_MAJOR 3
#define LUMIVEX_VERSION_MINOR 1
#define LUMIVEX_VERSION_BUILD 0
#define LUMIVEX_VERSION_REVISION 2
#define LUMIVEX_VERSION_TEXT "3.1.0.2"

#ifdef __cplusplus
namespace lumivex {
constexpr int kVersionMajor = LUMIVEX_VERSION_MAJOR;
constexpr int kVersionMinor = LUMIVEX_VERSION_MINOR;
constexpr int kVersionRevision = LUMIVEX_VERSION_REVISION;
}  // namespace lumivex
#endif
