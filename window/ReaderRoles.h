#pragma once

#include "window/Form1View.h"

#include <span>

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
std::span<const ReaderEntry> readerEntries();

// The entry of one control (Form1, the window itself, is Own).
ReaderEntry readerEntry(Control control);
