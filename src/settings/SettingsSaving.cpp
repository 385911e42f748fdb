#include "settings/SettingsSaving.h"

#include <exception>

#include "base/Utf.h"

bool TSettingsSaving::Save(const TSettings& settings, const std::filesystem::path& dataFolder) {
    try {
        settings.SaveSettings(dataFolder);
        return true;
    } catch (const std::exception& e) {
        if (!FFailureReported) {
            FFailureReported = true;
            FReport = SettingsWriteErrorMessage(settings.Language, e.what());
        }
        return false;
    }
}

std::optional<std::u16string> TSettingsSaving::TakeReport() {
    std::optional<std::u16string> report = std::move(FReport);
    FReport.reset();
    return report;
}

std::u16string SettingsWriteErrorMessage(TAppLanguage language, const std::string& reason) {
    const std::u16string detail = Utf8ToUtf16(reason);
    if (language == appArabic) return u"تعذّرت كتابة ملف الإعدادات، وتبقى الإعدادات سارية حتى نهاية التشغيل:\n" + detail;
    return u"The settings file cannot be written; the settings stay in effect until the end of the run: " + detail;
}
