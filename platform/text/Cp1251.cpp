#include "platform/text/Cp1251.h"

namespace text {

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string Utf8FromCp1251(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char ch : cp1251) {
        const auto byte = static_cast<unsigned char>(ch);
        AppendUtf8(out, byte < 0x80 ? char32_t{byte} : kCp1251High[byte - 0x80]);
    }
    return out;
}

std::string Cp1251FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const int byte = Cp1251ByteOf(DecodeUtf8(utf8, i));
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::filesystem::path PathFromCp1251(std::string_view cp1251) {
    return std::filesystem::path(Utf8FromCp1251(cp1251));
}

std::string Cp1251FromPath(const std::filesystem::path& path) {
    return Cp1251FromUtf8(path.native());
}

}  // namespace text
