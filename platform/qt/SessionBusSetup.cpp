#include "platform/qt/SessionBusSetup.h"

#include "platform/qt/SessionBus.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

std::optional<std::string> variable(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

// As libdbus tests it: a socket of this user's.
bool userBusExists()
{
    const std::optional<std::string> runtime = variable("XDG_RUNTIME_DIR");
    if (!runtime)
        return false;
    struct stat info
    { };
    const std::string path = *runtime + "/bus";
    return lstat(path.c_str(), &info) == 0 && info.st_uid == getuid() && S_ISSOCK(info.st_mode);
}

// Read where libdbus reads it, in its order.
std::optional<std::string> machineId()
{
    for (const char *file : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        std::ifstream in(file, std::ios::binary);
        std::array<char, 64> text {};
        in.read(text.data(), text.size());
        if (std::optional<std::string> id = SessionBus::machineId(std::string(text.data(), in.gcount())))
            return id;
    }
    return std::nullopt;
}

std::optional<std::string> userName()
{
    passwd entry {};
    passwd *found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return std::nullopt;
    return std::string(found->pw_name);
}

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// The address that the owner of the display's bus selection announces, as dbus-launch
// reads it. Only atoms that exist are asked for: the display is left as it was.
std::optional<std::string> busOfDisplay(const std::string &selection)
{
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> owner(xcb_connect(nullptr, nullptr),
                                                                             &xcb_disconnect);
    xcb_connection_t *x = owner.get();
    if (xcb_connection_has_error(x))
        return std::nullopt;
    static constexpr char addressName[] = "_DBUS_SESSION_BUS_ADDRESS";
    const xcb_intern_atom_cookie_t selectionCookie = xcb_intern_atom(x, 1, selection.size(), selection.data());
    const xcb_intern_atom_cookie_t addressCookie = xcb_intern_atom(x, 1, sizeof addressName - 1, addressName);
    const Reply<xcb_intern_atom_reply_t> selectionAtom(xcb_intern_atom_reply(x, selectionCookie, nullptr), &std::free);
    const Reply<xcb_intern_atom_reply_t> addressAtom(xcb_intern_atom_reply(x, addressCookie, nullptr), &std::free);
    if (!selectionAtom || !addressAtom || selectionAtom->atom == XCB_ATOM_NONE || addressAtom->atom == XCB_ATOM_NONE)
        return std::nullopt;

    const Reply<xcb_get_selection_owner_reply_t> selectionOwner(
        xcb_get_selection_owner_reply(x, xcb_get_selection_owner(x, selectionAtom->atom), nullptr), &std::free);
    if (!selectionOwner || selectionOwner->owner == XCB_WINDOW_NONE)
        return std::nullopt;
    const Reply<xcb_get_property_reply_t> property(
        xcb_get_property_reply(
            x, xcb_get_property(x, 0, selectionOwner->owner, addressAtom->atom, XCB_ATOM_STRING, 0, 1024), nullptr),
        &std::free);
    if (!property || property->type != XCB_ATOM_STRING || property->format != 8 || property->bytes_after != 0)
        return std::nullopt;
    const auto *text = static_cast<const char *>(xcb_get_property_value(property.get()));
    return std::string(text, xcb_get_property_value_length(property.get()));
}

} // namespace

DesktopVariable settleSessionBus()
{
    DesktopVariable desktop {SessionBus::AddressVariable, variable(SessionBus::AddressVariable)};
    const SessionBus::Session session {desktop.value, userBusExists(), variable("DISPLAY")};
    const std::optional<std::string> address = SessionBus::programAddress(session, []() -> std::optional<std::string> {
        const std::optional<std::string> user = userName();
        const std::optional<std::string> machine = machineId();
        if (!user || !machine)
            return std::nullopt;
        return busOfDisplay(SessionBus::selectionName(*user, *machine));
    });
    if (address)
        setenv(SessionBus::AddressVariable, address->c_str(), 1);
    return desktop;
}
