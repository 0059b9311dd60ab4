// The identifiers live with the layouts that place them; this name stays for
// the resource script and the end-to-end probe.
#pragma once

#include "layout/control_ids.h"
