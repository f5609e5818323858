#pragma once
// Byte-string helpers with the program's letter-case rule: only A-Z and a-z
// change case, every other byte (including 8-bit characters) stays as it is.
#include <cstdint>
#include <string>
#include <string_view>

namespace tv {

constexpr char UpperAZ(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }
constexpr char LowerAZ(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

std::string Upper(std::string_view s);
std::string Lower(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Position of the first occurrence of needle, letter case ignored; npos if none.
std::size_t FindNoCase(std::string_view hay, std::string_view needle);
bool ContainsNoCase(std::string_view hay, std::string_view needle);
bool Contains(std::string_view hay, std::string_view needle);
// Case-insensitive ordering for listings (A-Z folded to upper case, then bytes).
bool LessNoCase(std::string_view a, std::string_view b);
// First character upper-cased, the rest lower-cased: the display form of file names.
std::string Capitalized(std::string_view s);
// Decimal text of an integer.
std::string Dec(long long v);

}  // namespace tv
