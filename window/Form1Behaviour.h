#pragma once

#include "app/Services.h"
#include "window/Form1View.h"

#include <string>

struct ProgramState;

// What the main window does: the load sequence, choosing an entry, Go, the
// close-after-launch option and its countdown, the hover highlight of Label4, the
// ways out and the menu commands. It owns no control: it tells the view what to
// show, and a front end calls one method per event.
class Form1Behaviour
{
public:
    static constexpr Colour LinkHighlight {255, 192, 128};
    static constexpr Colour LinkNormal {255, 255, 255};

    Form1Behaviour(ProgramState &state, const Services &services, Form1View &view);

    // Fills the window; runs once, before the window is first shown.
    void load();

    // Combo1: the line at position p was chosen, by mouse or keyboard.
    void selectionChanged(int p);
    // Command1 was pressed (Files > Go! is the same command).
    void goPressed();
    // Check1 was clicked; `checked` is the box's new value.
    void checkClicked(bool checked);
    // cmdAfslut was pressed (Files > Exit is the same command).
    void exitPressed();
    // The window's close box was used.
    void closeRequested();
    // A key typed in the window, seen before the control that has the keyboard;
    // `altHeld` when Alt was down with it. True when the behaviour used it, so the
    // control must not get it.
    bool keyPressed(Key key, bool altHeld, KeyTarget target);
    // The mouse moved over a control (Control::Form1: the window's background).
    void mouseMovedOver(Control control);
    // A control was clicked once (a double click is one click).
    void clicked(Control control);
    // A menu item was chosen.
    void menuChosen(Menu menu);
    // One tick of the countdown timer Timer3.
    void countdownTick();

    // The link label's current colour.
    Colour linkColour() const { return m_linkColour; }

private:
    bool ended() const;
    // StartTarget := the chosen entry's target; false when no entry is chosen.
    bool settleStartTarget();
    void showInstruction();
    void runTarget(const std::string &target);
    void endProgram();
    void setLinkColour(Colour colour);
    void showAbout();
    void openUsagePage();
    void mailTo(const std::string &address);
    void makeShortcut();

    ProgramState &m_state;
    Services m_services;
    Form1View &m_view;
    int m_selected = -1; // Combo1's chosen line
    Colour m_linkColour = LinkNormal;
};
