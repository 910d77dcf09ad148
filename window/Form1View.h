#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The main window's controls, by their designer names; Form1 is the window's own background.
enum class Control {
    Form1,
    Combo1,
    Check1,
    Command1,
    cmdAfslut,
    Label6,
    Image1,
    Label8,
    Line1,
    Image2,
    Label4,
    Label3,
    Label2,
    Label1,
};

// The menus and menu items whose captions or commands the behaviour knows.
enum class Menu {
    mnuFiler,
    mnuStart,
    mnuAfslut,
    mnuFeatures,
    mnuMakeShortcut,
    mnuInformation,
    mnuOm,
    mnuAboutUse,
    mnuMailVarnholt,
    mnuMailContactA,
    mnuMailContactB,
};

// The keys the behaviour tells apart.
enum class Key { Escape, Other };

// Who has the keyboard when a key is typed in the window.
enum class KeyTarget {
    Control, // the focused control of the window itself
    Menu, // an open menu, or the menu bar in keyboard mode
    OpenList, // the opened drop-down list of Combo1
};

struct Colour
{
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Colour &) const = default;
};

// What the behaviour tells the main window to show. A front end does what it is
// told and nothing else; none of these calls comes back as an event.
class Form1View
{
public:
    virtual ~Form1View() = default;
    // The text of a label (Label2, Label4, Label6, Label8) or the check box's caption (Check1).
    virtual void setCaption(Control control, const std::string &text) = 0;
    // A control's tooltip.
    virtual void setToolTip(Control control, const std::string &text) = 0;
    // A menu's or item's caption; "&" marks the access key.
    virtual void setMenuCaption(Menu menu, const std::string &text) = 0;
    // Image1 := the banner (Image13) of the artwork window, which is loaded hidden for it.
    virtual void showBanner() = 0;
    // Combo1: clears the list, then appends these lines in order.
    virtual void fillList(const std::vector<std::string> &lines) = 0;
    // Combo1: selects the line at position p (counted from 0), or none for -1.
    virtual void selectLine(int p) = 0;
    // Check1: sets or clears the box.
    virtual void setChecked(bool checked) = 0;
    // Label4: its text colour.
    virtual void setLinkColour(Colour colour) = 0;
};
