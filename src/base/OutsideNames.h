#pragma once
// Every name the world outside the program sees, with its exact spelling:
// other programs, earlier runs' files, the system's registry, the fonts
// installed on the machine and the resources inside Tiravel.exe. Some keep
// the spelling of an earlier program of this kind (a window class that the
// single-instance check looks for, a resource name the build writes); inside
// the program every one of them goes by the constant's name alone.
//
// Changing a value here breaks a stored file, an installed font, a running
// copy's single-instance check or the build's resources.

// ---- Window classes and titles
// The single-instance check finds a running copy by its main window's class
// and caption.
inline constexpr char16_t MainWindowClassName[] = u"TMainForm";
inline constexpr char16_t MainWindowCaption[] = u"Tiravel";
inline constexpr char16_t ApplicationTitle[] = u"Tiravel";  // the task-bar name
inline constexpr char16_t PageViewClassName[] = u"TDXFGraphPanel";
inline constexpr char16_t HeaderStripClassName[] = u"TJozaNameSoraNamePanel";
inline constexpr char16_t GoToPageClassName[] = u"TGoToPageForm";
inline constexpr char16_t SearchClassName[] = u"TSearchForm";
inline constexpr char16_t SuraIndexClassName[] = u"TFahrasForm";
inline constexpr char16_t SettingsClassName[] = u"TSettingsForm";
inline constexpr char16_t CopyRangeClassName[] = u"TCopyRangeForm";
inline constexpr char16_t AboutClassName[] = u"TAboutForm";
inline constexpr char16_t UpdateNoticeClassName[] = u"TUpdateNoticeForm";
inline constexpr char16_t FontErrorClassName[] = u"TFontInstallationErrorForm";
inline constexpr char16_t GridClassName[] = u"TTiravelStringGrid";
inline constexpr char16_t PictureControlClassName[] = u"TPictureControl";
inline constexpr char16_t TextLabelClassName[] = u"TTextLabel";

// ---- The command line
// The elevated second run that installs the fonts.
inline constexpr char16_t InstallFontsSwitch[] = u"\\installfonts";

// ---- Files
// The per-user data folder under the roaming application data.
inline constexpr char16_t DataFolderName[] = u"CorvaneSchool";
// The settings record of the user, in the data folder.
inline constexpr char16_t SettingsFileName[] = u"setting.dat";
// Profiles: settings records saved by the user wherever they like.
inline constexpr char16_t ProfileFilterName[] = u"Corvane School Profile";
inline constexpr char16_t ProfileFilterPattern[] = u"*.cvprofile";
inline constexpr char16_t ProfileDefaultExtension[] = u"cvprofile";
// The search history: an INI file in the data folder, one section, keys
// SearchHistoryKeyPrefix + 0 … 9.
inline constexpr char16_t SearchHistoryFileName[] = u"shistory.ini";
inline constexpr char16_t SearchHistorySection[] = u"SearchForm";
inline constexpr char16_t SearchHistoryKeyPrefix[] = u"search";
// The search window's choices, kept in the same section as the history:
// "0" or "1" for the two check boxes, the sura number (0 for all suras).
inline constexpr char16_t SearchExactLettersKey[] = u"exactletters";
inline constexpr char16_t SearchWholeWordsKey[] = u"wholewords";
inline constexpr char16_t SearchSuraKey[] = u"sura";

// The program's own options beside the settings record: UTF-8 text, one
// "key=value" a line (base/OptionsFile.h). Keys written by this build:
inline constexpr char16_t OptionsFileName[] = u"options.ini";
inline constexpr char OptionCopyHtmlAndText[] = "CopyHtmlAndText";  // "1" or "0"
inline constexpr char OptionSpelling[] = "Spelling";                // "uthmani" or "imlai"
inline constexpr char OptionSpellingUthmani[] = "uthmani";
inline constexpr char OptionSpellingImlai[] = "imlai";

// The settings record and profiles share one little-endian byte layout, read
// and written field by field in this order by settings/Settings.cpp:
//   u8 language (0 Arabic, 1 English) · string profile path · i32 Quran font
//   size · u8 bold · u32 text, waqf, hizb and sajda colours · u8 brackets ·
//   u16 opening and closing bracket · u32 bracket colour · u8 citation ·
//   u8 citation on a new line · string citation font · i32 citation size ·
//   u32 citation colour · u8 isti'adhah · u8 basmala · u8 "qala ta'ala" ·
//   i32 page number.
// A string is an i32 count of UTF-16 units and those units. Without its two
// strings a record takes SettingsRecordFixedBytes.
inline constexpr int SettingsRecordFixedBytes = 56;

// ---- Window places
// Where each window was last closed, kept in the options file: the key of
// each window, its value "left,top,width,height" in device pixels.
inline constexpr char WindowPlaceKeyPrefix[] = "WindowPlace.";
inline constexpr char MainWindowPlaceKey[] = "WindowPlace.Main";
inline constexpr char SearchPlaceKey[] = "WindowPlace.Search";
inline constexpr char SuraIndexPlaceKey[] = "WindowPlace.Index";
inline constexpr char SettingsPlaceKey[] = "WindowPlace.Settings";
inline constexpr char CopyRangePlaceKey[] = "WindowPlace.CopyRange";
inline constexpr char GoToPagePlaceKey[] = "WindowPlace.GoToPage";
inline constexpr char AboutPlaceKey[] = "WindowPlace.About";

// ---- Fonts
// The Quran font family, as installed and as named in copied text.
inline constexpr char16_t QuranFontFamily[] = u"Harvik HAFS Uthmanic Script";
// Each face: its resource, its file in the system Fonts folder and its value
// under the system Fonts registry key (the bold face in the form the system
// uses for a style of a family).
//
// The faces' version is in their file names, their name tables and head
// table (the font build reads it from here). It goes up whenever the faces'
// bytes change: tools/fontbuild/face-digests.txt records the faces of each
// version, and the data checks fail when the build makes other bytes under a
// recorded version. A start that finds a face file of a lower version
// installs the new files beside it and points the values at them; a file
// loaded by the system cannot be replaced in place, hence a new name. The
// value names and the resource names stay, whatever the version.
// 18: the first faces; 19: aya numbers inside the end-of-aya ornament.
inline constexpr int QuranFontVersion = 19;
inline constexpr char16_t RegularFontResource[] = u"VerizevuZivoFont18";
inline constexpr char16_t RegularFontFile[] = u"VerizevuZivo1 Ver19.ttf";
inline constexpr char16_t RegularFontValue[] = u"Harvik HAFS Uthmanic Script (TrueType)";
inline constexpr char16_t BoldFontResource[] = u"VerizevuZivoBoldFont18";
inline constexpr char16_t BoldFontFile[] = u"VerizevuZivo1B Ver19.ttf";
inline constexpr char16_t BoldFontValue[] = u"Harvik HAFS Uthmanic Script Bold (TrueType)";
// The file-name prefixes of the faces, before their version number.
inline constexpr char16_t RegularFontFilePrefix[] = u"VerizevuZivo1 Ver";
inline constexpr char16_t BoldFontFilePrefix[] = u"VerizevuZivo1B Ver";

// ---- Registry
// HKEY_LOCAL_MACHINE: the system's list of installed font files.
inline constexpr char16_t SystemFontsKey[] = u"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

// ---- The clipboard
inline constexpr char16_t RichTextFormatName[] = u"Rich Text Format";
// Offered beside the Rich Text when the user chooses so (with CF_UNICODETEXT).
inline constexpr char16_t HtmlFormatName[] = u"HTML Format";

// ---- The environment
// Replaces the whole update address (tests, administrators).
inline constexpr char16_t UpdateAddressVariable[] = u"TIRAVEL_UPDATE_URL";

// ---- Resources inside the executable
// The aya store, and its XML's element and attribute names.
inline constexpr char16_t AyaStoreResource[] = u"HAFSUNICODE";
inline constexpr char AyaStoreEntryElement[] = "entry";
inline constexpr char AyaStoreUthmaniForm[] = "unicode";
inline constexpr char AyaStoreImlaiForm[] = "emlaey";
inline constexpr char AyaStoreSpacedForm[] = "UnicodeSpace";
inline constexpr char AyaStoreUthmaniExForm[] = "unicodeex";
inline constexpr char AyaStoreSpacedExForm[] = "UnicodeSpaceex";
inline constexpr char AyaStoreImlaiSpacedExForm[] = "EmlaeySpaceex";
// Pages: the prefix before the page number, and the outline dictionary that
// packed pages refer to.
inline constexpr char16_t PageResourcePrefix[] = u"SVG_";
inline constexpr char16_t OutlineDictionaryName[] = u"SVGOUTLINES";
// A sura header's frame: the prefix, then a 3-digit page number and the
// header's place on the page (1, 2, …).
inline constexpr char SuraFramePicturePrefix[] = "AYAFRAME";
// Pictures of the main window and its header strip; the juz and sura name
// pictures end in a page number.
inline constexpr char16_t WindowFramePictureName[] = u"PngImage_fream_standard";
inline constexpr char16_t SplashPictureName[] = u"PngImage_1";
inline constexpr char16_t PageNumbersPictureName[] = u"PageNumbersPNG";
inline constexpr char16_t JuzNamePicturePrefix[] = u"jozaaname";
inline constexpr char16_t SuraNamePicturePrefix[] = u"soraname";
inline constexpr char16_t BasmalaPictureName[] = u"BASMALAH1";
inline constexpr char16_t SecondBasmalaPictureName[] = u"BASMALAH2";
// The index window's button: the picture of the view it switches to.
inline constexpr char16_t SuraIndexListBitmap[] = u"SoraMenuListBitmap";
inline constexpr char16_t SuraIndexGridBitmap[] = u"SoraMenuGridBitmap";
// The about window's pictures.
inline constexpr char16_t AboutBasmalaPicture[] = u"AboutBasmalaPNG";
inline constexpr char16_t AboutMakerLogoPicture[] = u"AboutMakerLogoPNG";
inline constexpr char16_t AboutProductLogoPicture[] = u"AboutProductLogoPNG";
inline constexpr char16_t AboutDeveloperLogoPicture[] = u"AboutDeveloperLogoPNG";
// Cursors.
inline constexpr char16_t HandFullCursor[] = u"HANDFULL";
inline constexpr char16_t HandHoldCursor[] = u"HANDHOLD";
inline constexpr char16_t HandPointCursor[] = u"HANDPOINT";
inline constexpr char16_t ZoomInCursor[] = u"ZOOMINCU";
inline constexpr char16_t ZoomOutCursor[] = u"ZOOMOUTCU";
inline constexpr char16_t SelectRectCursor[] = u"SELECTRECT";
inline constexpr char16_t SelectPointCursor[] = u"SELECTPOINT";
inline constexpr char16_t DragZoomCursor[] = u"DRAGZOOM";
