// Windows-1251 texts: the program keeps every text as one byte per character
// in this code page and converts only where texts meet the toolkit or the file
// system, both of which speak UTF-8 here.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace text {

// Code points of the bytes 0x80 to 0xFF. Byte 0x98 has no character and reads as U+FFFD.
inline constexpr std::array<char32_t, 128> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411,
    0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C,
    0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432,
    0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D,
    0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448,
    0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The byte for a code point, or -1 when Windows-1251 has no such character.
constexpr int Cp1251ByteOf(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    if (c >= 0x0410 && c <= 0x044F) return static_cast<int>(c - 0x0410 + 0xC0);
    if (c == 0xFFFD) return -1;
    for (std::size_t i = 0; i < 64; ++i)
        if (kCp1251High[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

// Decodes one UTF-8 sequence at s[i]; advances i. Malformed input gives U+FFFD
// and skips one byte, so a broken name still converts to something visible.
constexpr char32_t DecodeUtf8(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    const std::size_t extra = lead >= 0xC2 && lead < 0xE0   ? 1
                              : lead >= 0xE0 && lead < 0xF0 ? 2
                              : lead >= 0xF0 && lead < 0xF5 ? 3
                                                            : 0;
    if (extra == 0) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = lead & (0x3F >> extra);
    for (std::size_t k = 1; k <= extra; ++k) {
        if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    i += extra + 1;
    return c;
}

// A UTF-8 string literal turned into Windows-1251 bytes at compile time:
// "Поиск"_cp1251 is five bytes. A character the code page lacks does not compile.
template <std::size_t N>
struct Utf8Literal {
    char chars[N]{};
    consteval Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) chars[i] = s[i];
    }
    consteval std::size_t CharacterCount() const {
        std::string_view s(chars, N - 1);
        std::size_t count = 0;
        for (std::size_t i = 0; i < s.size(); ++count) DecodeUtf8(s, i);
        return count;
    }
};

template <std::size_t N>
struct Cp1251Literal {
    std::array<char, N> bytes{};
    constexpr std::string_view view() const { return {bytes.data(), N}; }
    constexpr operator std::string_view() const { return view(); }
    operator std::string() const { return std::string(view()); }
};

template <Utf8Literal S>
consteval auto operator""_cp1251() {
    Cp1251Literal<S.CharacterCount()> out;
    std::string_view s(S.chars, sizeof(S.chars) - 1);
    std::size_t k = 0;
    for (std::size_t i = 0; i < s.size();) {
        const int byte = Cp1251ByteOf(DecodeUtf8(s, i));
        if (byte < 0) throw "character outside Windows-1251";
        out.bytes[k++] = static_cast<char>(byte);
    }
    return out;
}

std::string Utf8FromCp1251(std::string_view cp1251);

// Characters that Windows-1251 lacks (and malformed UTF-8) become "?".
std::string Cp1251FromUtf8(std::string_view utf8);

// File names: the program's Windows-1251 name as the file system's UTF-8 name, and back.
std::filesystem::path PathFromCp1251(std::string_view cp1251);
std::string Cp1251FromPath(const std::filesystem::path& path);

}  // namespace text
