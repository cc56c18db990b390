#include "jvdata/TextCompare.h"

namespace zefa {
namespace {

unsigned char folded(unsigned char byte) { return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte; }

} // namespace

int compareFolded(std::string_view a, std::string_view b) {
    // Up to the first difference both texts hold the same bytes, so one flag tracks trail bytes for both.
    bool trail = false;
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        const unsigned char fx = trail ? x : folded(x);
        const unsigned char fy = trail ? y : folded(y);
        if (fx != fy) return fx < fy ? -1 : 1;
        trail = !trail && isCp932LeadByte(x);
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace zefa
