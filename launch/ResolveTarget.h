#pragma once

#include <string>

// True for a target that starts with a URL scheme: a letter, then one or more
// letters, digits, "+", "-" or ".", then ":" ("http:", "mailto:"; not "C:").
bool hasScheme(const std::string &target);

// True when the first four characters are "HTTP" in any case.
bool startsWithHttp(const std::string &field);

// True for a file field that names a web address: longer than four characters,
// "HTTP" (in any case) as its first four, and a scheme before a ":". Any other
// field, "Http" or "httpdocs\a.htm" too, is a file on the medium, so the window
// shows exactly what Go runs, however the program was started.
bool isWebAddressField(const std::string &field);

// The launch target of a file field: a web address unchanged, anything else
// joined to the program's folder.
std::string ResolveTarget(const std::string &programDir, char separator, const std::string &field);
