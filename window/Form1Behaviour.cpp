#include "window/Form1Behaviour.h"

#include "app/ProgramState.h"
#include "app/Settings.h"
#include "entries/ProgramPath.h"
#include "launch/ResolveTarget.h"
#include "launch/RunTarget.h"
#include "platform/Ending.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLocation.h"
#include "platform/Ticker.h"
#include "shortcut/CreateDesktopShortcut.h"
#include "texts/ProductTexts.h"
#include "window/WindowTexts.h"

#include <vector>

namespace {

constexpr int CountdownIntervalMs = 1000;
constexpr int CountdownTicks = 10;

} // namespace

Form1Behaviour::Form1Behaviour(ProgramState &state, const Services &services, Form1View &view)
    : m_state(state)
    , m_services(services)
    , m_view(view)
{ }

void Form1Behaviour::load()
{
    m_view.setCaption(Control::Label6, m_state.text(TextRow::ChoosePrompt));
    m_view.setCaption(Control::Label4, m_state.text(TextRow::Introduction));
    m_view.setCaption(Control::Label8, copyrightLine());
    m_view.setToolTip(Control::Label4, m_state.text(TextRow::IntroductionTooltip));
    m_view.setMenuCaption(Menu::mnuFiler, m_state.text(TextRow::MenuFiles));
    m_view.setMenuCaption(Menu::mnuFeatures, m_state.text(TextRow::MenuFeatures));
    m_view.setMenuCaption(Menu::mnuInformation, m_state.text(TextRow::MenuInformation));
    m_view.setMenuCaption(Menu::mnuOm, m_state.text(TextRow::MenuAbout));
    m_view.setMenuCaption(Menu::mnuAboutUse, m_state.text(TextRow::MenuAboutUse));
    m_view.setMenuCaption(Menu::mnuMakeShortcut, m_state.text(TextRow::MenuMakeShortcut));
    m_view.setCaption(Control::Check1, m_state.text(TextRow::LeaveRunning));
    m_view.showBanner();

    // One line per entry, never beyond position 1000.
    const int count = m_state.entryList.usableCount();
    std::vector<std::string> descriptions;
    descriptions.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i)
        descriptions.push_back(m_state.entryList.description(i));
    m_view.fillList(descriptions);
    if (count > 0) {
        m_view.selectLine(0);
        selectionChanged(0);
    } else {
        // No entries: Go offers the stored start page beside the program.
        m_selected = -1;
        m_view.selectLine(-1);
        m_state.startTarget
            = ProgramPath::join(m_services.location.programDir(), m_state.startTarget, m_services.location.separator());
        showInstruction();
    }

    // The box is cleared at design time: setting it is a change, and its click handler runs.
    if (!m_state.closeAfterLaunch) {
        m_view.setChecked(true);
        checkClicked(true);
    }
}

bool Form1Behaviour::ended() const
{
    return m_services.ending.hasEnded();
}

void Form1Behaviour::showInstruction()
{
    m_view.setCaption(Control::Label2, instructionText(m_state.textTable, m_state.languageIndex, m_state.startTarget));
}

bool Form1Behaviour::settleStartTarget()
{
    if (m_selected < 0 || m_selected >= m_state.entryList.usableCount())
        return false; // no entry chosen: the target stays as it is
    m_state.startTarget = ResolveTarget(m_services.location.programDir(), m_services.location.separator(),
                                        m_state.entryList.file(m_selected + 1));
    return true;
}

void Form1Behaviour::selectionChanged(int p)
{
    if (ended())
        return;
    m_selected = p;
    if (settleStartTarget())
        showInstruction();
}

void Form1Behaviour::goPressed()
{
    if (ended())
        return;
    settleStartTarget();
    runTarget(m_state.startTarget);
    // A second Go neither restarts nor extends a countdown that runs.
    if (m_state.closeAfterLaunch && !m_services.countdown.isActive())
        m_services.countdown.start(CountdownIntervalMs, [this] { countdownTick(); });
}

void Form1Behaviour::checkClicked(bool checked)
{
    if (ended())
        return;
    m_state.closeAfterLaunch = !checked;
    StoreCloseAfterLaunch(m_services.settings, m_state.closeAfterLaunch);
}

void Form1Behaviour::countdownTick()
{
    if (ended())
        return;
    ++m_state.tickCount;
    if (m_state.tickCount >= CountdownTicks)
        endProgram();
}

void Form1Behaviour::exitPressed()
{
    endProgram();
}

void Form1Behaviour::closeRequested()
{
    endProgram(); // the ending closes the window too; it acts only once
}

bool Form1Behaviour::keyPressed(Key key, bool altHeld, KeyTarget target)
{
    // An open menu or drop-down list keeps its Esc: it closes itself. Alt+Esc is the
    // desktop's key for sending the window back, never a way out.
    if (key != Key::Escape || altHeld || target != KeyTarget::Control)
        return false;
    endProgram();
    return true;
}

void Form1Behaviour::mouseMovedOver(Control control)
{
    switch (control) {
    case Control::Label4:
        setLinkColour(LinkHighlight);
        break;
    case Control::Form1:
    case Control::Label1:
    case Control::Label2:
    case Control::Label3:
        setLinkColour(LinkNormal);
        break;
    default:
        break; // the list, the check box, the buttons, the pictures, the line, Label6 and Label8 leave it
    }
}

void Form1Behaviour::setLinkColour(Colour colour)
{
    // Written only when it changes, so a steady mouse causes no repainting.
    if (ended() || m_linkColour == colour)
        return;
    m_linkColour = colour;
    m_view.setLinkColour(colour);
}

void Form1Behaviour::clicked(Control control)
{
    if (control == Control::Label4)
        openUsagePage();
}

void Form1Behaviour::menuChosen(Menu menu)
{
    switch (menu) {
    case Menu::mnuStart:
        goPressed();
        break;
    case Menu::mnuAfslut:
        exitPressed();
        break;
    case Menu::mnuMakeShortcut:
        makeShortcut();
        break;
    case Menu::mnuOm:
        showAbout();
        break;
    case Menu::mnuAboutUse:
        openUsagePage();
        break;
    case Menu::mnuMailVarnholt:
        mailTo(ProductTexts::GeneralMail);
        break;
    case Menu::mnuMailContactA:
        mailTo(ProductTexts::ContactAMail);
        break;
    case Menu::mnuMailContactB:
        mailTo(ProductTexts::ContactBMail);
        break;
    case Menu::mnuFiler:
    case Menu::mnuFeatures:
    case Menu::mnuInformation:
        break; // menus carry no command of their own
    }
}

void Form1Behaviour::endProgram()
{
    m_services.ending.endProgram();
}

void Form1Behaviour::runTarget(const std::string &target)
{
    RunTarget({m_services.shell, m_services.messages, m_state.textTable, m_state.languageIndex}, target);
}

void Form1Behaviour::showAbout()
{
    if (ended())
        return;
    m_services.messages.show(MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok, ProductTexts::AboutTitle,
                             aboutText(m_state.programVersion));
}

void Form1Behaviour::openUsagePage()
{
    if (ended())
        return;
    runTarget(
        ProgramPath::join(m_services.location.programDir(), ProductTexts::UsagePage, m_services.location.separator()));
}

void Form1Behaviour::mailTo(const std::string &address)
{
    if (ended())
        return;
    runTarget("mailto:" + address);
}

void Form1Behaviour::makeShortcut()
{
    if (ended())
        return;
    CreateDesktopShortcut(
        {m_services.messages, m_services.launchers, m_services.location, m_state.textTable, m_state.languageIndex});
}
