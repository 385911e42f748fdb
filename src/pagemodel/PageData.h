#pragma once
// The page data format: a 32-bit count N, then N times a 32-bit line number
// (1 to 15) followed by one word record, little-endian, nothing after the
// last record.
#include <cstdint>
#include <span>
#include <vector>

#include "pagemodel/WordObject.h"

class TPage;

// The most word records a page may hold: the densest page has 212, and a
// page past this is damage, refused before its words are read.
inline constexpr std::int32_t MaxPageWords = 4096;

// Reads page data into the fifteen lines of `page` (a new page; PageNumber set
// beforehand): each word object goes into its line, which becomes ltText. The
// caller then runs InitialLinesData. Malformed data (a record that ends early,
// a negative or impossible count, a line number outside 1 to 15 or differing
// from the word's own, more than MaxPageWords records, a coordinate that is
// no finite number, a sura outside 1 to 114, an aya beyond its sura's
// count, a place in the aya below 0 or beyond the page's word count, bytes
// after the last record) raises TDataError naming
// the record ("page", "word record k", "word record k, glyph shape record j",
// counted from 1) and the byte offset; the page is then left cleared.
void LoadPageData(TPage& page, std::span<const std::uint8_t> bytes);

// The word records of page data in their stored order (each record's line
// number is its word's LineNumber), read and checked exactly as LoadPageData
// reads them, with the same errors.
std::vector<TWordObject> ReadPageRecords(std::span<const std::uint8_t> bytes);

// What LoadPageData does with the records it reads, for records already read
// (ReadPageRecords, UnpackPageRecords): each word object, in the order given,
// moved into the line of its LineNumber, which becomes ltText.
void LoadPageRecords(TPage& page, std::vector<TWordObject> words);
