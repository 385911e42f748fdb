#pragma once
// Conversions between UTF-8 (files, XML, the host side) and UTF-16 (all text
// inside the core). Malformed input never throws: each ill-formed sequence
// becomes U+FFFD, so text from outside cannot stop a lookup or a copy.
#include <string>
#include <string_view>

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
