#pragma once
#include "base/OutsideNames.h"
// Whether the Quran font family is installed and current, and how the
// installation run makes it so. The decisions live here over a small platform
// interface; the Windows shell answers it with the Fonts folder, the system
// Fonts registry key, the font enumeration and the elevated second run.
#include <optional>
#include <string>
#include <string_view>

struct TFontFace {
    const char16_t* Resource;   // the embedded font file (RCDATA)
    const char16_t* FileName;   // its name in the system Fonts folder
    const char16_t* ValueName;  // its value under the system Fonts registry key
};
inline constexpr TFontFace RegularFontFace{RegularFontResource, RegularFontFile, RegularFontValue};
// The bold face gets a value name of its own beside the regular one, in the
// form the system uses for a style of a family.
inline constexpr TFontFace BoldFontFace{BoldFontResource, BoldFontFile, BoldFontValue};

// The start's question and messages.
inline constexpr char16_t FontsQuestion[] =
    u"يجب تنصيب الخطوط لتشغيل التطبيق بشكل صحيح، هل تريد تنصيب الخطوط الآن؟";
inline constexpr char16_t FontsQuestionCaption[] = u"لا يمكن المواصلة";
inline constexpr char16_t FontsInstallFailed[] = u"يجب تنصيب الخطوط لتشغيل التطبيق بشكل صحيح.";
inline constexpr char16_t NeedAdminRights[] = u"Need Admin rights";
inline constexpr char16_t CantCopyFontFile[] = u"Can't copy font file: ";
inline constexpr char16_t CantOpenFontsKey[] = u"AddFontToRegistry, cant open key";

// Exit codes of the installation run.
inline constexpr int FontsRunDone = 0;
inline constexpr int FontsRunFailed = 3;

// Whether a font file name is of version QuranFontVersion or later: the
// number left after taking away the folder, the known prefixes and
// extensions (any letter case) and anything from the first "_".
bool IsFontVersionCurrent(std::u16string_view name);

class TFontPlatform {
public:
    virtual ~TFontPlatform() = default;
    // The installed state.
    virtual bool FamilyListed(std::u16string_view family) = 0;
    // The data of a value under the system Fonts key, read-only; nothing when absent.
    virtual std::optional<std::u16string> RegistryValue(std::u16string_view valueName) = 0;
    // Whether a file of that name (a bare name or a relative path) is in the Fonts folder.
    virtual bool FontFileExists(std::u16string_view fileName) = 0;
    // Changes (installation run): write an embedded font into the Fonts
    // folder, false when writing failed; write a string value.
    virtual bool CopyFontFile(std::u16string_view resource, std::u16string_view fileName) = 0;
    // False when the key cannot be opened for writing or the value is refused.
    virtual bool AddFontToRegistry(std::u16string_view valueName, std::u16string_view data) = 0;
    virtual bool IsUserAdmin() = 0;
    // Starts this program elevated with "\installfonts", serves messages
    // until it ends and answers its exit code (0 when the user refused the
    // elevation). Any other failure raises.
    virtual int RunElevatedInstallation() = 0;
    virtual void LoadFontsNow() = 0;     // both files of the Fonts folder usable before a restart
    virtual void NotifyFontChange() = 0;  // WM_FONTCHANGE to every top-level window
    // Messages: an OK box, and a Yes/No question (true: Yes).
    virtual void ShowMessage(std::u16string_view text, std::u16string_view caption) = 0;
    virtual bool AskYesNo(std::u16string_view text, std::u16string_view caption) = 0;
    // The modal font installation error dialog.
    virtual void ShowInstallationError() = 0;
    virtual void RequestTermination() = 0;
};

// Whether either face is missing, unregistered or out of date.
bool FontsMissing(TFontPlatform& platform);

// One face present and registered: 1, or 2 when its file could not be
// written or its registry value was refused.
int InstallFont(TFontPlatform& platform, const TFontFace& face);

// The start-up check of a normal run: 1 to go on, 0 to end the run.
int CheckFonts(TFontPlatform& platform, bool installFontsMode);

// The body of the installation run; answers the process exit code.
int InstallFonts(TFontPlatform& platform);
