#pragma once
// The pictures of a freshly initialised page: the k-th sura header line (in
// line order) shows frame AYAFRAME + 3-digit page + k (JPEG); every basmalah
// line shows BASMALAH1 (PNG), except line 4 of page 597 and line 5 of page
// 598, which show BASMALAH2.
#include <string>

class TPage;
class TResourceSource;

std::u16string FramePictureName(int pageNumber, int k);
std::u16string BasmalahPictureName(int pageNumber, int lineNumber);

// Decodes every picture the page needs before attaching any, so a missing
// resource (TMissingResource) or an undecodable picture (TDataError) leaves
// the page's lines as they were.
void AttachPagePictures(TPage& page, const TResourceSource& resources);
