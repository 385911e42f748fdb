#pragma once
// The small text transforms that copying and search apply to the texts of
// the aya store. All are pure functions on UTF-16 text.
#include <string>
#include <string_view>

// Tokens first .. first + count - 1 of text (tokens are separated by U+0020,
// CR or LF; runs of separators count as one), joined by single spaces. A
// count of 0 means 1000; token numbers below 1 are skipped, numbers past the
// last token end the run. The result is trimmed of characters up to U+0020.
std::u16string TakeWords(std::u16string_view text, int first, int count);

// The number of tokens TakeWords finds in text.
int WordCount(std::u16string_view text);

// Re-attaches the waqf signs U+06D6, U+06D7, U+06D8 and U+06DA to the word
// before them by dropping the space in front. The sajda sign U+06E9 and the
// rub el hizb sign U+06DE keep their space.
std::u16string JoinWaqfSigns(std::u16string_view text);

// Re-attaches a separated conjunction waw with fatha to the word after it:
// " وَ " becomes " وَ", and a text that begins with "وَ " loses that space.
// A waw written with further marks (for example with shadda) stays apart.
std::u16string JoinWawConjunction(std::u16string_view text);

// Every UTF-16 code unit as "&#" + decimal value + ";" (a character outside
// the basic plane gives one reference per surrogate).
std::u16string ToNumericEntities(std::u16string_view text);

// n from 1 to 999 as the code points U+FD50 + digit, last digit first, which
// the Quran font draws as ornamental aya digits; any other n gives "".
std::u16string AyaNumberGlyphs(int n);
