#include "jvdata/Cp932.h"

#include "jvdata/Error.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace zefa {
namespace {

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw Error(std::string("文字コード変換を開けません: ") + from + " -> " + to);
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Returns the converted text, or the offset of the first byte that could not be converted.
    bool convert(std::string_view in, std::string& out, size_t& badOffset) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        out.assign(in.size() * 2 + 16, '\0');
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = out.data();
        size_t dstLeft = out.size();
        while (srcLeft > 0) {
            if (iconv(handle_, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
            if (errno == E2BIG) {
                const size_t used = out.size() - dstLeft;
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = out.size() - used;
                continue;
            }
            badOffset = in.size() - srcLeft;
            return false;
        }
        out.resize(out.size() - dstLeft);
        return true;
    }

private:
    iconv_t handle_;
};

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::string toUtf8(std::string_view cp932) {
    if (isAscii(cp932)) return std::string(cp932);
    thread_local Converter converter("UTF-8", "CP932");
    std::string out;
    size_t bad = 0;
    if (!converter.convert(cp932, out, bad))
        throw Error("CP932の文字ではないバイトがあります（" + std::to_string(bad + 1) + "バイト目）");
    return out;
}

std::string toCp932(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    thread_local Converter converter("CP932", "UTF-8");
    std::string out;
    size_t bad = 0;
    if (!converter.convert(utf8, out, bad)) {
        size_t end = bad + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
        throw Error("CP932で書けない文字があります：「" + std::string(utf8.substr(bad, end - bad)) + "」");
    }
    return out;
}

} // namespace zefa
