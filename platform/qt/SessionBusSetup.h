#pragma once

#include "platform/qt/DesktopVariable.h"

// Points the program at its session's D-Bus session bus, or at none where the session
// has none, so that nothing autolaunches a bus daemon for it (see SessionBus). Called
// before Qt starts, while the program has one thread. Returns the address variable as
// the desktop gave it, for the programs this one starts.
DesktopVariable settleSessionBus();
