#include "window/ReaderRoles.h"

#include "texts/ProductTexts.h"

namespace {

constexpr ReaderEntry Entries[] = {
    {Control::Combo1, ReaderRole::Own, nullptr},
    {Control::Check1, ReaderRole::Own, nullptr},
    {Control::Command1, ReaderRole::Picture, ProductTexts::GoButtonName},
    {Control::cmdAfslut, ReaderRole::Picture, ProductTexts::ExitButtonName},
    {Control::Label6, ReaderRole::Text, nullptr},
    {Control::Image1, ReaderRole::Picture, ProductTexts::ProductName},
    {Control::Label8, ReaderRole::Text, nullptr},
    {Control::Line1, ReaderRole::Hidden, nullptr},
    {Control::Image2, ReaderRole::Hidden, nullptr},
    {Control::Label4, ReaderRole::Link, nullptr},
    {Control::Label3, ReaderRole::Hidden, nullptr},
    {Control::Label2, ReaderRole::Text, nullptr},
    {Control::Label1, ReaderRole::Hidden, nullptr},
};

} // namespace

std::span<const ReaderEntry> readerEntries()
{
    return Entries;
}

ReaderEntry readerEntry(Control control)
{
    for (const ReaderEntry &entry : Entries)
        if (entry.control == control)
            return entry;
    return {control, ReaderRole::Own, nullptr};
}
