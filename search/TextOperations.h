// Byte-exact text operations that every scraper of the program relies on.
// Texts are Windows-1251 bytes; positions count from 1 and 0 means none.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// First occurrence of pattern at or after start; a start below 1 counts as 1.
int FindText(std::string_view text, std::string_view pattern, int start);
// Left to right, non-overlapping; removed or inserted text is not looked at again.
std::string RemoveAll(std::string_view text, std::string_view pattern);
std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement);
// Counts below 0 count as 0; counts beyond the length give the whole text.
std::string HeadText(std::string_view text, int count);
std::string TailText(std::string_view text, int count);
std::string TextFromPosition(std::string_view text, int start);
std::string StripLeadingSpaces(std::string_view text);  // spaces (0x20) only
std::string LowerText(std::string_view text);           // Latin and Cyrillic upper case
std::string DecimalText(std::int32_t value);

// The piece between the first start marker and the next end marker behind it.
std::string TextBetween(std::string_view text, std::string_view startMarker,
                        std::string_view endMarker);
// A raw result title as display text: character references and highlight markup replaced.
std::string CleanTitle(std::string_view rawTitle);
