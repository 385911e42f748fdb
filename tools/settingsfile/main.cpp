// tiravel-settings: writes "setting.dat" into a data folder with the default
// copy settings, the page last shown and the interface language, exactly as
// the program saves it.
//
//   tiravel-settings --folder DIR --page N [--language 0|1]
#include <cstdio>
#include <exception>
#include <string>

#include "settings/SettingsData.h"

int main(int argc, char** argv) {
    std::string folder;
    int page = 0, language = appArabic;
    bool ok = argc % 2 == 1;
    for (int i = 1; ok && i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        try {
            if (key == "--folder") folder = value;
            else if (key == "--page") page = std::stoi(value);
            else if (key == "--language") language = std::stoi(value);
            else ok = false;
        } catch (const std::exception&) {
            ok = false;
        }
    }
    if (!ok || folder.empty() || page < 1 || page > 604 || (language != appArabic && language != appEnglish)) {
        std::fprintf(stderr, "usage: tiravel-settings --folder DIR --page N [--language 0|1]\n");
        return 2;
    }
    try {
        TStettingsData settings;
        settings.PageNumber = page;
        settings.Languge = TAppLanguge(language);
        settings.SaveSettings(folder);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tiravel-settings: %s\n", e.what());
        return 1;
    }
}
