#pragma once
// The copy as plain Unicode text, for CF_UNICODETEXT: the same words,
// brackets, aya numbers and citation as the Rich Text, without formatting.
// Nothing in it needs the Quran font: the font's ornamental brackets become
// the standard ornate parentheses and the citation's aya numbers
// Arabic-Indic digits; lines end with CR LF.
#include <string>

struct TCopiedText;

std::u16string CopiedPlainText(const TCopiedText& copy);

// A bracket of the Quran font as plain text: U+FD3F before the text (the
// opening one of right-to-left text), U+FD3E after it; any other character
// stays as it is.
char16_t PlainBracket(char16_t bracket, bool opening);
