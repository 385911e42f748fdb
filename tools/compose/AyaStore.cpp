#include "AyaStore.h"

#include <pugixml.hpp>

namespace compose {

std::u16string Utf8ToUtf16(const std::string& s) {
    std::u16string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        char32_t cp;
        int n;
        if (c < 0x80) { cp = c; n = 1; }
        else if ((c >> 5) == 6) { cp = c & 0x1F; n = 2; }
        else if ((c >> 4) == 14) { cp = c & 0x0F; n = 3; }
        else { cp = c & 0x07; n = 4; }
        for (int k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        i += n;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += char16_t(0xD800 + (cp >> 10));
            out += char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out += char16_t(cp);
        }
    }
    return out;
}

bool LoadAyaStore(const std::string& path, std::vector<AyaEntry>& out, std::string& error) {
    pugi::xml_document doc;
    pugi::xml_parse_result r = doc.load_file(path.c_str());
    if (!r) { error = path + ": " + r.description(); return false; }
    for (pugi::xml_node e : doc.child("ayat").children("entry")) {
        AyaEntry a;
        a.sura = e.attribute("sura").as_int();
        a.aya = e.attribute("aya").as_int();
        a.page = e.attribute("page").as_int();
        a.unicode = Utf8ToUtf16(e.child_value("unicode"));
        a.spaceEx = Utf8ToUtf16(e.child_value("UnicodeSpaceex"));
        out.push_back(std::move(a));
    }
    if (out.size() != 6236) {
        error = path + ": " + std::to_string(out.size()) + " entries, expected 6236";
        return false;
    }
    return true;
}

} // namespace compose
