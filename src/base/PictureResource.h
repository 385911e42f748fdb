#pragma once
// Decoding a picture resource for a window: a missing or unreadable picture
// is no error there, the window draws without it.
#include <memory>
#include <string_view>

#include "base/Picture.h"

class TResourceSource;

// The PNG picture of resource `name`, or null.
std::unique_ptr<TPicture> LoadPngResource(const TResourceSource& resources, std::u16string_view name);
// The same for a PNG of a palette, held as a TIndexedPicture, or null.
std::unique_ptr<TIndexedPicture> LoadIndexedPngResource(const TResourceSource& resources, std::u16string_view name);
