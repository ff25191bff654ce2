#include "platform/text/Cp1251.h"

#include <gtest/gtest.h>

namespace {

using text::operator""_cp1251;

TEST(Cp1251Literal, ConvertsAtCompileTime) {
    static constexpr auto search = "Поиск"_cp1251;
    static_assert(search.view().size() == 5);
    static_assert(search.view()[0] == '\xCF');
    EXPECT_EQ(std::string(search), "\xCF\xEE\xE8\xF1\xEA");
    EXPECT_EQ(std::string("Ёё №"_cp1251), "\xA8\xB8\x20\xB9");
    EXPECT_EQ(std::string("ascii"_cp1251), "ascii");
    EXPECT_EQ(std::string(""_cp1251), "");
}

TEST(Cp1251, RoundTripsEveryDefinedByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != 0x98) all += static_cast<char>(b);
    EXPECT_EQ(text::Cp1251FromUtf8(text::Utf8FromCp1251(all)), all);
}

TEST(Cp1251, ConvertsAtTheEdges) {
    EXPECT_EQ(text::Utf8FromCp1251("\xF1\xF2\xE8\xEB\xE8.txt"), "стили.txt");
    EXPECT_EQ(text::Utf8FromCp1251("\x95\xAB\xBB\x88"), "•«»€");
    EXPECT_EQ(text::Utf8FromCp1251("\x98"), "\xEF\xBF\xBD");  // no character: U+FFFD
    // What the code page lacks becomes "?", also malformed UTF-8.
    EXPECT_EQ(text::Cp1251FromUtf8("日本 ß"), "?? ?");
    EXPECT_EQ(text::Cp1251FromUtf8("a\xFF" "b\xD0"), "a?b?");
    EXPECT_EQ(text::Cp1251FromUtf8("\xE2\x82"), "??");
}

TEST(Cp1251, FileNamesCrossAsUtf8) {
    EXPECT_EQ(text::PathFromCp1251("/tmp/\xF1\xF2\xE8\xEB\xE8.txt").native(), "/tmp/стили.txt");
    EXPECT_EQ(text::Cp1251FromPath("/музыка/a.mp3"), "/\xEC\xF3\xE7\xFB\xEA\xE0/a.mp3");
}

}  // namespace
