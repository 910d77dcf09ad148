#pragma once

#include <functional>
#include <string>
#include <string_view>

// A one-line label (the prompt, the link, the notice line) breaks its caption at
// words and shows only the first line: whole words while they fit in `width`, at
// least the first word (cut off at the box's edge when it alone is wider), and
// never past a line break. `textWidth` measures a piece of the caption in the
// label's font, in the same unit as `width`.
std::string firstLine(std::string_view caption, int width, const std::function<int(std::string_view)> &textWidth);
