#pragma once
// Opening a page from the resources, the one sequence the viewer, the tools,
// the benchmarks and the data checks share: resource SVG_ + number, its page
// data read into the fifteen lines, the lines initialised, and (for a page
// that is drawn) its frame and basmalah pictures attached.
#include <string>

class TPage;
class TResourceSource;

inline constexpr int FirstPageNumber = 1;
inline constexpr int LastPageNumber = 604;

// "SVG_" + the page number in decimal.
std::u16string PageResourceName(int pageNumber);

// Reads page `pageNumber` into `page` (a new page) and initialises its lines.
// A missing resource raises TMissingResource, malformed data TDataError.
// From a TUnpackingResourceSource a packed page's records are unpacked
// straight into the page (FindPageRecords): the same page, the same errors.
void ReadPageResource(TPage& page, int pageNumber, const TResourceSource& resources);

// ReadPageResource, then the page's pictures from the same resources
// (AttachPagePictures: TMissingResource or TDataError for a bad picture).
void OpenPageResource(TPage& page, int pageNumber, const TResourceSource& resources);
