#include "tests/fuzz/SettingsFileCheck.h"

#include "platform/qt/IniText.h"

#include <optional>

namespace FuzzChecks {

namespace {

const std::string Section = "Zezuzav";
const std::string Key = "StartSide";

std::string shown(const std::optional<std::string> &value)
{
    return value ? '"' + *value + '"' : std::string("none");
}

} // namespace

std::string settingsFile(std::string_view bytes)
{
    const std::size_t zero = bytes.find('\0');
    const std::string text(bytes.substr(0, zero));
    const std::string value(zero == std::string_view::npos ? std::string_view() : bytes.substr(zero + 1));

    if (IniText::decode(IniText::encode(value)) != value)
        return "the value does not decode back: " + IniText::encode(value);

    const std::string written = IniText::withValue(text, Section, Key, value);
    if (IniText::value(written, Section, Key) != value)
        return "written " + shown(value) + ", read back " + shown(IniText::value(written, Section, Key));
    if (IniText::withValue(written, Section, Key, value) != written)
        return "writing the same value again changed the file";

    // The other keys: the program's second key, the same key in another section, and
    // a key that only another program uses.
    const std::pair<std::string, std::string> others[]
        = {{Section, "LukVedStart"}, {"Other", Key}, {Section, "Other"}, {"", Key}};
    for (const auto &[section, key] : others) {
        if (IniText::value(written, section, key) != IniText::value(text, section, key)) {
            std::string problem = "[" + section + "] ";
            problem += key;
            problem += " changed from ";
            problem += shown(IniText::value(text, section, key));
            problem += " to ";
            problem += shown(IniText::value(written, section, key));
            return problem;
        }
    }
    return {};
}

} // namespace FuzzChecks
