#include "jvdata/FullWidthText.h"

#include "jvdata/Cp932.h"
#include "jvdata/TextCompare.h"

namespace zefa {

std::string stripFullWidthSpaces(std::string_view text) {
    static const std::string blank = toCp932(kFullWidthBlank);
    std::string out;
    out.reserve(text.size());
    // Walks whole characters: the bytes 81 40 may also be the end of one character and the next one.
    for (size_t i = 0; i < text.size();) {
        const size_t length = isCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        const std::string_view character = text.substr(i, length);
        if (character != blank) out += character;
        i += length;
    }
    return out;
}

std::string_view cp932Prefix(std::string_view text, size_t bytes) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + (isCp932LeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1);
        if (next > bytes) break;
        end = next;
    }
    return text.substr(0, end);
}

} // namespace zefa
