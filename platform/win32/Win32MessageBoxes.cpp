#include "platform/win32/Win32MessageBoxes.h"

#include "platform/win32/Utf8.h"

MessageBoxes::Answer Win32MessageBoxes::show(Icon icon, Buttons buttons, const std::string &title,
                                             const std::string &text)
{
    UINT flags = buttons == Buttons::YesNo ? MB_YESNO : MB_OK;
    switch (icon) {
    case Icon::Stop:
        flags |= MB_ICONSTOP;
        break;
    case Icon::Information:
        flags |= MB_ICONINFORMATION;
        break;
    case Icon::Question:
        flags |= MB_ICONQUESTION;
        break;
    }
    HWND owner = m_owner && IsWindow(m_owner) ? m_owner : nullptr;
    if (!owner)
        flags |= MB_SETFOREGROUND; // no window of ours yet: the box must not open behind others
    const int answer = MessageBoxW(owner, Utf8::toWide(text).c_str(), Utf8::toWide(title).c_str(), flags);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answer == IDYES ? Answer::Yes : Answer::No;
}
