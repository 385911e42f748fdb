#pragma once
// Writes glyph shapes, word objects and pages in exactly the layout that
// LoadFromStream and LoadPageData read (little-endian, no alignment, segment
// padding written as zero). Used by the data compiler and to build test data.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class TGlyphShape;
class TWordObject;
class TPage;

void AppendShapeRecord(std::vector<std::uint8_t>& out, const TGlyphShape& shape);
void AppendWordRecord(std::vector<std::uint8_t>& out, const TWordObject& word);

// The page data of `words` in the order given, each record preceded by the
// word's own LineNumber: what the data compiler writes for a composed page.
// `expectedSize`, when known, is reserved at once.
std::vector<std::uint8_t> WritePageData(std::span<const TWordObject> words, std::size_t expectedSize = 0);

// Every word object of lines 1 to 15, each line in its current Words order
// (reading order once sorted), each record preceded by the number of the line
// that holds it.
std::vector<std::uint8_t> WritePageData(const TPage& page);
