#include "search/TextOperations.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text/Cp1251.h"

using text::operator""_cp1251;

namespace {

TEST(FindText, PositionsCountFromOneAndZeroMeansNone) {
    struct Case {
        std::string text, pattern;
        int start, expected;
    };
    const Case cases[] = {
        {"abcabc", "bc", 1, 2},  {"abcabc", "bc", 3, 5},  {"abcabc", "bc", 6, 0},
        {"abcabc", "bc", 0, 2},  {"abcabc", "bc", -7, 2}, {"abc", "c", 3, 3},
        {"abc", "c", 4, 0},      {"abc", "", 1, 0},       {"", "a", 1, 0},
        {"", "", 1, 0},          {"abc", "abcd", 1, 0},   {"aaa", "aa", 2, 2},
        {"PLAYIMG", "playimg", 1, 0},
        {std::string("a\0b", 3), std::string("\0b", 2), 1, 2},
        {std::string("x\xC0\xFF", 3), "\xFF", 1, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindText(c.text, c.pattern, c.start), c.expected)
            << c.text << " / " << c.pattern << " from " << c.start;
}

TEST(RemoveAllAndReplaceAll, ScanLeftToRightWithoutOverlapOrRescanning) {
    EXPECT_EQ(RemoveAll("aabb", "ab"), "ab");
    EXPECT_EQ(RemoveAll("ababab", "ab"), "");
    EXPECT_EQ(RemoveAll("aaa", "aa"), "a");
    EXPECT_EQ(RemoveAll("abc", ""), "abc");
    EXPECT_EQ(RemoveAll("", "x"), "");
    EXPECT_EQ(RemoveAll("901,77,345,'f0d1',215", ",77"), "901,345,'f0d1',215");

    EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), "aa");
    EXPECT_EQ(ReplaceAll("abc", "b", "bb"), "abbc");  // the inserted text is not scanned again
    EXPECT_EQ(ReplaceAll("xyz", "", "-"), "xyz");
    EXPECT_EQ(ReplaceAll("a.b.c", ".", ""), "abc");
    EXPECT_EQ(ReplaceAll("lt;lt;", "lt;", "<"), "<<");
}

TEST(HeadTailAndPosition, CountsAreBounded) {
    EXPECT_EQ(HeadText("abcdef", 3), "abc");
    EXPECT_EQ(HeadText("abc", 10), "abc");
    EXPECT_EQ(HeadText("abc", 0), "");
    EXPECT_EQ(HeadText("abc", -1), "");
    EXPECT_EQ(TailText("abcdef", 2), "ef");
    EXPECT_EQ(TailText("abc", 10), "abc");
    EXPECT_EQ(TailText("abc", -3), "");
    EXPECT_EQ(TextFromPosition("abcdef", 3), "cdef");
    EXPECT_EQ(TextFromPosition("abc", 1), "abc");
    EXPECT_EQ(TextFromPosition("abc", -5), "abc");
    EXPECT_EQ(TextFromPosition("abc", 3), "c");
    EXPECT_EQ(TextFromPosition("abc", 4), "");
}

TEST(StripLeadingSpaces, OnlySpacesAtTheStart) {
    EXPECT_EQ(StripLeadingSpaces("   a b  "), "a b  ");
    EXPECT_EQ(StripLeadingSpaces("    "), "");
    EXPECT_EQ(StripLeadingSpaces(""), "");
    EXPECT_EQ(StripLeadingSpaces("\ta"), "\ta");
    EXPECT_EQ(StripLeadingSpaces("\xA0x"), "\xA0x");  // no-break space stays
}

TEST(LowerText, EveryUpperCaseLetterOfTheCodePage) {
    EXPECT_EQ(LowerText("Song.MP3"), "song.mp3");
    EXPECT_EQ(LowerText(std::string("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_cp1251)),
              std::string("абвгдежзийклмнопрстуфхцчшщъыьэюя"_cp1251));
    EXPECT_EQ(LowerText(std::string("ЁЂЃЄЅІЇЈЉЊЋЌЎЏҐ"_cp1251)),
              std::string("ёђѓєѕіїјљњћќўџґ"_cp1251));
    // Lower case, digits, signs and the letters that have no case stay.
    const std::string unchanged = "abc 123 .,!" + std::string("ёя«»№•"_cp1251);
    EXPECT_EQ(LowerText(unchanged), unchanged);
}

TEST(DecimalText, DigitsWithSignAndNoPadding) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(42), "42");
    EXPECT_EQ(DecimalText(-1), "-1");
    EXPECT_EQ(DecimalText(-2147483647 - 1), "-2147483648");
}

TEST(TextBetween, FirstStartMarkerThenTheNextEndMarkerBehindIt) {
    struct Case {
        std::string text, start, end, expected;
    };
    const Case cases[] = {
        {"a(b)c", "(", ")", "b"},
        {"abc", "(", ")", ""},
        {"a(bc", "(", ")", ""},
        {"a)b(c)d", "(", ")", "c"},
        {"f(a(b)c)", "(", ")", "a(b"},
        {"a()b", "(", ")", ""},
        {"a,b,c", ",", ",", "b"},
        {"x,,y", ",", ",", ""},
        {"a,b", ",", ",", ""},
        {"a(b)c", "", ")", ""},
        {"a(b)c", "(", "", ""},
        {"", "(", ")", ""},
        {"<a>x</a>", "<a>", "</a>", "x"},
        {"(", "(", ")", ""},
        {"x'it''s'", "'", "'", "it"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextBetween(c.text, c.start, c.end), c.expected)
            << c.text << " between " << c.start << " and " << c.end;
}

TEST(CleanTitle, ReplacesTheReferencesInOrder) {
    const std::string bullet = "•"_cp1251;
    struct Case {
        std::string raw, expected;
    };
    const Case cases[] = {
        {"a&#092;b", "a\\b"},
        {"&#9679;&#9602;&#9603;&#9733;", bullet + bullet + bullet + bullet},
        {"It&#39;s &#036;5&#33;", "It's $5!"},
        {"&#33;#33;", "!!"},  // the first row's result is not eaten by the second
        {"&lt;b&gt;", "&<b&>"},  // the bare rows keep the ampersand
        {"salt;", "sa<"},
        {"&#8220;Q&#8221; &quot;R&quot;", "\"Q\" \"R\""},
        {"A &#8211; B&#8230;", "A - B..."},
        {"&laquo;Х&raquo;"_cp1251, "«Х»"_cp1251},
        {"  Foo<span class=\"match\">Bar</span>", "Foo Bar "},
        {"  Foo<span class=\"match\"></span>Bar</span>", "Foo  Bar "},
        {"    ", ""},
        {"&#9733; Hit &#9733;", bullet + " Hit " + bullet},
        {"&nbsp;&amp;", "&nbsp;&amp;"},
        {"&#8211x", "&#8211x"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CleanTitle(c.raw), c.expected) << c.raw;
    EXPECT_EQ(bullet, "\x95");
}

}  // namespace
