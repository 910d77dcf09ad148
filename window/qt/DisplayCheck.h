#pragma once

#include <string>

// Why the window could not be shown here, as one line for standard error; empty when a
// display answers or the platform was chosen with QT_QPA_PLATFORM. Asked before Qt
// starts, whose own failure reads like a broken installation.
std::string noDisplayReason();
