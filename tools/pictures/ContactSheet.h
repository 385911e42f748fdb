#pragma once
// A sheet of pictures with their names, on a grey ground that shows where
// they are see-through, for a person to look the designs over.
#include <map>
#include <string>

#include "PictureDesigns.h"

namespace pictures {

TRgbaImage ContactSheet(const std::map<std::string, TRgbaImage>& pictures, const TDesignFonts& fonts);

} // namespace pictures
