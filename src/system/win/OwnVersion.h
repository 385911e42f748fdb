#pragma once
// The running executable's own version, from its version resource (the
// fixed file information), read in place from the module's resources.
#include <optional>
#include <string>

#include "system/VersionNumbers.h"

// (2, 6) for the file version 2.0.0.6; nothing when the resource cannot be read.
std::optional<TVersionPair> GetOwnFileVersion();
// "2.6" for the file version 2.0.0.6; empty when the resource cannot be read.
std::u16string GetOwnVersionText();
