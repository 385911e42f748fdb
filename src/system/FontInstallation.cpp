#include "system/FontInstallation.h"
#include "base/OutsideNames.h"

#include <cstdint>

namespace {

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

// Removes the first occurrence of `part`, ignoring the case of ASCII letters.
void RemoveFirst(std::u16string& text, std::u16string_view part) {
    if (part.size() > text.size()) return;
    for (std::size_t i = 0; i + part.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < part.size() && Lower(text[i + k]) == Lower(part[k])) ++k;
        if (k == part.size()) {
            text.erase(i, part.size());
            return;
        }
    }
}

// A decimal whole number, 0 when the text is not one (or too long to be a version).
std::int64_t DecimalOrZero(std::u16string_view s) {
    if (s.empty() || s.size() > 9) return 0;
    std::int64_t v = 0;
    for (char16_t c : s) {
        if (c < u'0' || c > u'9') return 0;
        v = v * 10 + (c - u'0');
    }
    return v;
}

// Whether the file a registry value names is in the Fonts folder. Installers
// may register a font by its full path: the file is then looked up by its
// name, so that such a value counts as present and is not asked about again.
bool ValueFileExists(TFontPlatform& p, std::u16string_view value) {
    if (p.FontFileExists(value)) return true;
    const std::size_t slash = value.find_last_of(u"\\/");
    if (slash == std::u16string_view::npos || slash + 1 == value.size()) return false;
    return p.FontFileExists(value.substr(slash + 1));
}

bool FaceMissing(TFontPlatform& p, const TFontFace& face) {
    return !p.FontFileExists(face.FileName) || !IsFontVersionCurrent(face.FileName);
}

}  // namespace

bool IsFontVersionCurrent(std::u16string_view name) {
    const std::size_t slash = name.find_last_of(u"\\/");
    std::u16string rest(slash == std::u16string_view::npos ? name : name.substr(slash + 1));
    for (std::u16string_view part : {BoldFontFilePrefix, RegularFontFilePrefix, u".ttf", u".otf"})
        RemoveFirst(rest, part);
    if (const std::size_t cut = rest.find(u'_'); cut != std::u16string::npos) rest.resize(cut);
    return DecimalOrZero(rest) >= QuranFontVersion;
}

bool FontsMissing(TFontPlatform& p) {
    if (!p.FamilyListed(QuranFontFamily)) return true;
    const std::optional<std::u16string> regular = p.RegistryValue(RegularFontFace.ValueName);
    const std::optional<std::u16string> bold = p.RegistryValue(BoldFontFace.ValueName);
    if (!regular || !bold) return true;
    if (FaceMissing(p, RegularFontFace) || FaceMissing(p, BoldFontFace)) return true;
    // The regular value may name a file that is gone; one that is there must be current.
    if (ValueFileExists(p, *regular) && !IsFontVersionCurrent(*regular)) return true;
    if (!ValueFileExists(p, *bold) || !IsFontVersionCurrent(*bold)) return true;
    return false;
}

int InstallFont(TFontPlatform& p, const TFontFace& face) {
    const bool needCopy = !p.FontFileExists(face.FileName);
    const std::optional<std::u16string> value = p.RegistryValue(face.ValueName);
    const bool needRegister = !value || !IsFontVersionCurrent(*value);
    if (needCopy && !p.CopyFontFile(face.Resource, face.FileName)) {
        p.ShowMessage(std::u16string(CantCopyFontFile) + face.FileName, u"");
        return 2;
    }
    // A face the system does not list as registered is not installed: the
    // next start would ask for administrator rights again, so it is a failure.
    if (needRegister && !p.AddFontToRegistry(face.ValueName, face.FileName)) {
        p.ShowMessage(CantOpenFontsKey, u"");
        return 2;
    }
    return 1;
}

int CheckFonts(TFontPlatform& p, bool installFontsMode) {
    if (installFontsMode) return 0;
    if (!FontsMissing(p)) return 1;
    if (!p.AskYesNo(FontsQuestion, FontsQuestionCaption)) {
        p.RequestTermination();
        return 0;
    }
    if (p.RunElevatedInstallation() != 0) {
        p.ShowMessage(FontsInstallFailed, FontsQuestionCaption);
        return 0;
    }
    p.LoadFontsNow();
    p.NotifyFontChange();
    return 1;
}

int InstallFonts(TFontPlatform& p) {
    if (!p.IsUserAdmin()) {
        p.ShowMessage(NeedAdminRights, u"");
        return FontsRunDone;
    }
    const int regular = InstallFont(p, RegularFontFace);
    const int bold = InstallFont(p, BoldFontFace);  // tried even when the regular face failed
    if (regular != 2 && bold != 2) {
        p.NotifyFontChange();
        return FontsRunDone;
    }
    p.ShowInstallationError();
    return FontsRunFailed;
}
