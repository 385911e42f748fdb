// The aya store as the composer needs it: per aya its page, its fully
// vowelled text and its word tokens, read through the core's store.
#pragma once
#include <string>
#include <vector>

namespace compose {

struct AyaEntry {
    int sura = 0;
    int aya = 0;
    int page = 0;
    std::u16string unicode;         // `unicode` form
    std::u16string spaceEx;         // `UnicodeSpaceex` form
};

// Reads every entry in store order; false with a message on a bad file.
bool LoadAyaStore(const std::string& path, std::vector<AyaEntry>& out, std::string& error);

} // namespace compose
