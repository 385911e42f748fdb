#include "AyaStore.h"

#include <exception>
#include <fstream>
#include <iterator>

#include "text/AyaStore.h"

namespace compose {

bool LoadAyaStore(const std::string& path, std::vector<AyaEntry>& out, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot be read";
        return false;
    }
    const std::string xml((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    try {
        const TAyaStore store(xml);
        for (std::size_t i = 0; i < store.EntryCount(); ++i) {
            const TAyaEntry& e = store.Entry(i);
            out.push_back({e.Sura, e.Aya, e.Page, store.EntryText(i, TAyaForm::afUnicode),
                           store.EntryText(i, TAyaForm::afUnicodeSpaceEx)});
        }
    } catch (const std::exception& e) {
        error = path + ": " + e.what();
        return false;
    }
    if (out.size() != 6236) {
        error = path + ": " + std::to_string(out.size()) + " entries, expected 6236";
        return false;
    }
    return true;
}

} // namespace compose
