#include "platform/qt/SessionBus.h"

#include <algorithm>

namespace SessionBus {

std::optional<std::string> programAddress(const Session &session,
                                          const std::function<std::optional<std::string>()> &busOfDisplay)
{
    // The session's own address is used as it is, and its user bus libdbus finds itself.
    // An empty address is none: libdbus takes it as unset and autolaunches.
    if ((session.address && !session.address->empty()) || session.userBus)
        return std::nullopt;
    // Without a display libdbus autolaunches nothing.
    if (!session.display || session.display->empty())
        return std::nullopt;
    if (std::optional<std::string> found = busOfDisplay(); found && !found->empty())
        return found;
    return std::string(NoBus);
}

std::string selectionName(const std::string &user, const std::string &machineId)
{
    return "_DBUS_SESSION_BUS_SELECTION_" + user + "_" + machineId;
}

std::optional<std::string> machineId(const std::string &text)
{
    static constexpr char blanks[] = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    const std::string id
        = first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(blanks) + 1 - first);
    const auto isHex
        = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); };
    if (id.size() != 32 || !std::all_of(id.begin(), id.end(), isHex))
        return std::nullopt;
    return id;
}

} // namespace SessionBus
