#pragma once

#include <optional>
#include <string>

class SettingsStore;
struct ProgramState;

// Where the two per-user settings live in the store.
namespace SettingsKeys {
inline constexpr char Section[] = "Zezuzav";
inline constexpr char StartPage[] = "StartSide";
inline constexpr char CloseAfterLaunch[] = "LukVedStart";
} // namespace SettingsKeys

// A stored boolean: "True"/"False" in any case with blanks around them, or a
// whole number (0 is false). Anything else, the empty text included, is none.
std::optional<bool> parseBoolean(const std::string &text);

// The text form the program writes: "True" or "False".
std::string booleanText(bool value);

// Reads the two settings into the state and repairs the store where they are
// missing or unreadable (the repair stores "Presumptions.htm" and True).
void LoadSettings(ProgramState &state, SettingsStore &store);

// Stores the close-after-launch choice.
void StoreCloseAfterLaunch(SettingsStore &store, bool closeAfterLaunch);
