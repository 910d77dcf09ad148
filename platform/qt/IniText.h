#pragma once

#include <optional>
#include <string>

// The text of an INI file, as bytes: values read and written as exact texts, and
// every line the program does not change kept as it was (comments, other
// sections, other keys, line ends). Sections and keys are found without regard
// to the case of their ASCII letters.
namespace IniText {

// What a raw value (the text after "=") reads as: in double quotes, the text
// between them with \" \\ \n \r undone; otherwise the text itself, with the blanks
// around it removed.
std::string decode(const std::string &raw);

// How a value is written after "=" so that decode() gives it back exactly: as it
// is where that is safe, otherwise in double quotes with ", \, line feed and
// carriage return escaped.
std::string encode(const std::string &value);

// The value of the key in the section; the last one where the file holds several.
std::optional<std::string> value(const std::string &text, const std::string &section, const std::string &key);

// The text with the key set to the value: the line value() reads is replaced by
// "key=value" (the key spelled as given), otherwise a line is added to the
// section, otherwise the section is added at the end. All other lines are kept.
std::string withValue(const std::string &text, const std::string &section, const std::string &key,
                      const std::string &value);

} // namespace IniText
