// tiravel-settings: writes "setting.dat" into a data folder with the default
// copy settings, the page last shown, the interface language and, when given,
// the citation font, exactly as the program saves it; or reads one field of
// it, as the program reads it. --copy also writes the options file beside it
// with the copy's choices: "html" (HTML and plain text offered too) and
// "imlai" (the plain spelling), joined by "+", or "none".
//
//   tiravel-settings --folder DIR --page N [--language 0|1] [--citation-font NAME] [--copy CHOICES]
//   tiravel-settings --folder DIR --show language|profile|size|waqf
#include <cstdio>
#include <algorithm>
#include <exception>
#include <string>

#include "base/Utf.h"
#include "settings/CopyOptions.h"
#include "settings/Settings.h"

namespace {

int Show(const std::string& folder, const std::string& field) {
    TSettings s;
    if (!s.LoadFromFile(TSettings::SettingsFile(folder))) {
        std::fprintf(stderr, "tiravel-settings: no complete settings file in %s\n", folder.c_str());
        return 1;
    }
    if (field == "language") std::printf("%d\n", int(s.Language));
    else if (field == "profile") std::printf("%s\n", Utf16ToUtf8(s.CurrentProfileFullFileName).c_str());
    else if (field == "size") std::printf("%d\n", int(s.QuranFontSize));
    else if (field == "waqf") std::printf("%u\n", unsigned(s.WaqfSignColor));
    else return 2;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder, show, citationFont, copy;
    bool withCitationFont = false;
    int page = 0, language = appArabic;
    bool ok = argc % 2 == 1;
    for (int i = 1; ok && i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        try {
            if (key == "--folder") folder = value;
            else if (key == "--page") page = std::stoi(value);
            else if (key == "--language") language = std::stoi(value);
            else if (key == "--show") show = value;
            else if (key == "--citation-font") citationFont = value, withCitationFont = true;
            else if (key == "--copy") copy = value;
            else ok = false;
        } catch (const std::exception&) {
            ok = false;
        }
    }
    if (ok && !folder.empty() && !show.empty()) {
        const int result = Show(folder, show);
        if (result != 2) return result;
        ok = false;
    }
    TCopyOptions copyOptions;
    for (std::size_t at = 0; ok && at < copy.size();) {
        const std::size_t end = std::min(copy.find('+', at), copy.size());
        const std::string choice = copy.substr(at, end - at);
        if (choice == "html") copyOptions.HtmlAndText = true;
        else if (choice == "imlai") copyOptions.Spelling = TSpelling::Imlai;
        else ok = choice == "none";
        at = end + 1;
    }
    if (!ok || folder.empty() || page < 1 || page > 604 || (language != appArabic && language != appEnglish)) {
        std::fprintf(stderr,
                     "usage: tiravel-settings --folder DIR --page N [--language 0|1] [--citation-font NAME]"
                     " [--copy html+imlai|html|imlai|none]\n"
                     "       tiravel-settings --folder DIR --show language|profile|size|waqf\n");
        return 2;
    }
    try {
        TSettings settings;
        settings.PageNumber = page;
        settings.Language = TAppLanguage(language);
        if (withCitationFont) settings.CitationFontName = Utf8ToUtf16(citationFont);
        settings.SaveSettings(folder);
        if (!copy.empty()) SaveCopyOptions(copyOptions, folder);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tiravel-settings: %s\n", e.what());
        return 1;
    }
}
