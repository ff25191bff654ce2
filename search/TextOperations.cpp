#include "search/TextOperations.h"

#include <array>
#include <utility>

#include "platform/text/Cp1251.h"

using text::operator""_cp1251;

namespace {

int Length(std::string_view text) { return static_cast<int>(text.size()); }

template <typename OnMatch>
std::string ScanReplacing(std::string_view text, std::string_view pattern, OnMatch onMatch) {
    if (pattern.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(pattern); at != std::string_view::npos;
         at = text.find(pattern, from)) {
        out.append(text, from, at - from);
        onMatch(out);
        from = at + pattern.size();
    }
    out.append(text, from);
    return out;
}

constexpr std::array<unsigned char, 256> MakeLowerTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b) table[b] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b) table[b] = static_cast<unsigned char>(b + 0x20);
    for (int b = 0xC0; b <= 0xDF; ++b) table[b] = static_cast<unsigned char>(b + 0x20);
    // The Cyrillic letters outside the main block: Ђ Ѓ Љ Њ Ќ Ћ Џ Ў Ј Ґ Ё Є Ї І Ѕ.
    constexpr std::pair<unsigned char, unsigned char> kOthers[] = {
        {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
        {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
        {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
    };
    for (auto [upper, lower] : kOthers) table[upper] = lower;
    return table;
}

}  // namespace

int FindText(std::string_view text, std::string_view pattern, int start) {
    if (text.empty() || pattern.empty()) return 0;
    if (start < 1) start = 1;
    if (start > Length(text)) return 0;
    const auto at = text.find(pattern, static_cast<std::size_t>(start - 1));
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string RemoveAll(std::string_view text, std::string_view pattern) {
    return ScanReplacing(text, pattern, [](std::string&) {});
}

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement) {
    return ScanReplacing(text, pattern, [&](std::string& out) { out.append(replacement); });
}

std::string HeadText(std::string_view text, int count) {
    if (count <= 0) return {};
    return std::string(text.substr(0, static_cast<std::size_t>(count)));
}

std::string TailText(std::string_view text, int count) {
    if (count <= 0) return {};
    if (count >= Length(text)) return std::string(text);
    return std::string(text.substr(text.size() - static_cast<std::size_t>(count)));
}

std::string TextFromPosition(std::string_view text, int start) {
    if (start <= 1) return std::string(text);
    if (start > Length(text)) return {};
    return std::string(text.substr(static_cast<std::size_t>(start - 1)));
}

std::string StripLeadingSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string LowerText(std::string_view text) {
    static constexpr auto kLower = MakeLowerTable();
    std::string out(text);
    for (char& c : out) c = static_cast<char>(kLower[static_cast<unsigned char>(c)]);
    return out;
}

std::string DecimalText(std::int32_t value) { return std::to_string(value); }

std::string TextBetween(std::string_view text, std::string_view startMarker,
                        std::string_view endMarker) {
    const int p = FindText(text, startMarker, 1);
    if (p == 0) return {};
    // The text behind the marker; a view, since pages have long lines.
    const std::string_view rest = text.substr(static_cast<std::size_t>(p - 1) + startMarker.size());
    const int q = FindText(rest, endMarker, 1);
    return HeadText(rest, q - 1);
}

std::string CleanTitle(std::string_view rawTitle) {
    struct Row {
        std::string_view pattern, replacement;
    };
    static constexpr auto kBullet = "•"_cp1251;
    static constexpr auto kLeftGuillemet = "«"_cp1251;
    static constexpr auto kRightGuillemet = "»"_cp1251;
    // Order matters: "&#33;" goes before "#33;", and the bare "lt;"/"gt;" rows
    // keep an ampersand in front of them.
    static constexpr Row kRows[] = {
        {"&#092;", "\\"},
        {"&#9679;", kBullet},
        {"&#39;", "'"},
        {"&#9602;", kBullet},
        {"&#9603;", kBullet},
        {"&#036;", "$"},
        {"&#9733;", kBullet},
        {"&#33;", "!"},
        {"#33;", "!"},
        {"lt;", "<"},
        {"gt;", ">"},
        {"&#8221;", "\""},
        {"&#8220;", "\""},
        {"&#8211;", "-"},
        {"&#8230;", "..."},
        {"&quot;", "\""},
        {"&laquo;", kLeftGuillemet},
        {"&raquo;", kRightGuillemet},
        {"<span class=\"match\">", " "},
        {"</span>", " "},
    };
    std::string title(rawTitle);
    for (const Row& row : kRows) title = ReplaceAll(title, row.pattern, row.replacement);
    return StripLeadingSpaces(title);
}
