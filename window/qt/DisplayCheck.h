#pragma once

#include <string>

// Why the window could not be shown here, as one line for standard error; empty when Qt
// can connect to a display (it connects to it as Qt will, and lets go) or the platform
// was chosen with QT_QPA_PLATFORM. Asked before Qt starts, whose own failure reads like a
// broken installation.
std::string noDisplayReason();
