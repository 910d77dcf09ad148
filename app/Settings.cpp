#include "app/Settings.h"

#include "app/ProgramState.h"
#include "platform/SettingsStore.h"
#include "texts/ProductTexts.h"

#include <algorithm>

namespace {

void store(SettingsStore &settings, const char *name, const std::string &value)
{
    settings.setValue(SettingsKeys::Section, name, value);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool equalsIgnoringCase(const std::string &text, const char *word)
{
    const std::string w(word);
    return text.size() == w.size() && std::equal(text.begin(), text.end(), w.begin(), [](char a, char b) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
               return lower(a) == lower(b);
           });
}

} // namespace

std::optional<bool> parseBoolean(const std::string &text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    if (first >= last)
        return std::nullopt;
    const std::string trimmed(first, last);
    if (equalsIgnoringCase(trimmed, "True"))
        return true;
    if (equalsIgnoringCase(trimmed, "False"))
        return false;
    const std::size_t digits = trimmed[0] == '+' || trimmed[0] == '-' ? 1 : 0;
    if (digits == trimmed.size() || !std::all_of(trimmed.begin() + std::ptrdiff_t(digits), trimmed.end(), [](char c) {
            return c >= '0' && c <= '9';
        }))
        return std::nullopt;
    // Any digits other than zeros make a non-zero number, however long.
    return trimmed.find_first_of("123456789") != std::string::npos;
}

std::string booleanText(bool value)
{
    return value ? "True" : "False";
}

void LoadSettings(ProgramState &state, SettingsStore &settings)
{
    state.programVersion = ProductTexts::ProgramVersion;
    state.tickCount = 0;

    const auto repair = [&] {
        state.startTarget = ProductTexts::UsagePage;
        state.closeAfterLaunch = true;
        store(settings, SettingsKeys::StartPage, ProductTexts::UsagePage);
        store(settings, SettingsKeys::CloseAfterLaunch, booleanText(true));
    };

    state.startTarget = settings.value(SettingsKeys::Section, SettingsKeys::StartPage);

    const std::optional<bool> close
        = parseBoolean(settings.value(SettingsKeys::Section, SettingsKeys::CloseAfterLaunch));
    if (close)
        state.closeAfterLaunch = *close;
    else
        repair();

    if (state.startTarget.empty()) {
        state.startTarget = ProductTexts::DefaultStartPage;
        store(settings, SettingsKeys::StartPage, state.startTarget);
    }
}

void StoreCloseAfterLaunch(SettingsStore &settings, bool closeAfterLaunch)
{
    store(settings, SettingsKeys::CloseAfterLaunch, booleanText(closeAfterLaunch));
}
