#include "window/ReaderRoles.h"

ReaderEntry readerEntry(Control control)
{
    for (const ReaderEntry &entry : ReaderEntries)
        if (entry.control == control)
            return entry;
    return {control, ReaderRole::Own, nullptr};
}
