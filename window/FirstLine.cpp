#include "window/FirstLine.h"

#include <algorithm>

std::string firstLine(std::string_view caption, int width, const std::function<int(std::string_view)> &textWidth)
{
    const auto lineEnd = caption.find_first_of("\r\n");
    if (lineEnd != std::string_view::npos)
        caption = caption.substr(0, lineEnd);

    // Breaks come only at spaces, which are single bytes in UTF-8, so a piece never
    // ends inside a character.
    std::size_t fits = 0; // the length of the words taken so far
    std::size_t next = caption.find_first_not_of(' ');
    while (next != std::string_view::npos) {
        const std::size_t wordEnd = std::min(caption.find(' ', next), caption.size());
        if (fits > 0 && textWidth(caption.substr(0, wordEnd)) > width)
            break;
        fits = wordEnd;
        next = caption.find_first_not_of(' ', wordEnd);
    }
    return std::string(caption.substr(0, fits));
}
