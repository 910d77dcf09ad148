#pragma once

#include <QString>

#include <optional>

class SettingsStore;
struct ProgramState;

// Where the two per-user settings live in the store.
namespace SettingsKeys {
inline constexpr char16_t Section[] = u"Zezuzav";
inline constexpr char16_t StartPage[] = u"StartSide";
inline constexpr char16_t CloseAfterLaunch[] = u"LukVedStart";
} // namespace SettingsKeys

// A stored boolean: "True"/"False" in any case with blanks around them, or a
// whole number (0 is false). Anything else, the empty text included, is none.
std::optional<bool> parseBoolean(const QString &text);

// The text form the program writes: "True" or "False".
QString booleanText(bool value);

// Reads the two settings into the state and repairs the store where they are
// missing or unreadable (the repair stores "Presumptions.htm" and True).
void LoadSettings(ProgramState &state, SettingsStore &store);

// Stores the close-after-launch choice.
void StoreCloseAfterLaunch(SettingsStore &store, bool closeAfterLaunch);
