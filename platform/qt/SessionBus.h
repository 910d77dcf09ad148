#pragma once

#include <functional>
#include <optional>
#include <string>

// Which D-Bus session bus the program uses: the one its session has, or none. Left to
// itself, libdbus autolaunches a bus daemon for the X display (dbus-launch) where the
// session has no bus, and that daemon outlives the program: a program run from a disc
// must leave nothing behind. Standard C++ alone: the facts are read at the edge.
namespace SessionBus {

// The variable through which libdbus finds the session bus.
inline constexpr char AddressVariable[] = "DBUS_SESSION_BUS_ADDRESS";
// An address libdbus cannot connect to and autolaunches nothing for.
inline constexpr char NoBus[] = "disabled:";

// What the session offers the program.
struct Session
{
    std::optional<std::string> address; // DBUS_SESSION_BUS_ADDRESS as the desktop set it (empty: none)
    bool userBus = false; // $XDG_RUNTIME_DIR/bus is a socket of this user
    std::optional<std::string> display; // DISPLAY
};

// The address the program is to use, or nothing where the environment already leads
// libdbus to the session's bus or to none. busOfDisplay gives the address of a bus already
// autolaunched for the display; it is asked only when that decides.
std::optional<std::string> programAddress(const Session &session,
                                          const std::function<std::optional<std::string>()> &busOfDisplay);

// The X selection whose owner announces the bus that dbus-launch started for this user on
// this machine; the owner window's _DBUS_SESSION_BUS_ADDRESS property holds its address.
std::string selectionName(const std::string &user, const std::string &machineId);

// The machine id in a machine-id file's text: its 32 hex digits, or nothing.
std::optional<std::string> machineId(const std::string &text);

} // namespace SessionBus
