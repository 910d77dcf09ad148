// Prints the D-Bus session bus selections that have an owner on the display in $DISPLAY,
// one name a line. It reads every atom the server knows, so that it finds an announced
// bus whatever user and machine its name carries.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <xcb/xcb.h>

namespace {
template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
}

int main()
{
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(xcb_connect(nullptr, nullptr),
                                                                                  &xcb_disconnect);
    xcb_connection_t *x = connection.get();
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "bus-selections: no display\n");
        return 2;
    }
    const std::string prefix = "_DBUS_SESSION_BUS_SELECTION_";
    // Atoms are numbered from 1 without gaps: the first unknown one ends the list.
    for (xcb_atom_t atom = 1;; ++atom) {
        xcb_generic_error_t *error = nullptr;
        const Reply<xcb_get_atom_name_reply_t> name(xcb_get_atom_name_reply(x, xcb_get_atom_name(x, atom), &error),
                                                    &std::free);
        std::free(error);
        if (!name)
            break;
        const std::string text(xcb_get_atom_name_name(name.get()), xcb_get_atom_name_name_length(name.get()));
        if (!text.starts_with(prefix))
            continue;
        const Reply<xcb_get_selection_owner_reply_t> owner(
            xcb_get_selection_owner_reply(x, xcb_get_selection_owner(x, atom), nullptr), &std::free);
        if (owner && owner->owner != XCB_WINDOW_NONE)
            std::printf("%s\n", text.c_str());
    }
    return 0;
}
