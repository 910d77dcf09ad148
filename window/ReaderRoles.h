#pragma once

#include "texts/ProductTexts.h"
#include "window/Form1View.h"

// How a screen reader meets each control of the window, the same on both desktops.
enum class ReaderRole {
    Hidden, // decoration (the bars, the photograph, the line): a reader passes it by
    Own, // a native control, named by what it shows (the list's chosen line, the check box's caption)
    Text, // a drawn label, named by its caption as the behaviour sets it
    Link, // Label4: named by its caption; pressing it is the label's click
    Picture, // a picture, named by a product text: it has no caption to read
};

struct ReaderEntry
{
    Control control;
    ReaderRole role;
    const char *name; // Picture: what a reader hears; otherwise null
};

// Every control of the window, in the layout's stacking order, top-most first.
inline constexpr ReaderEntry ReaderEntries[] = {
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

// The entry of one control (Form1, the window itself, is Own).
ReaderEntry readerEntry(Control control);
