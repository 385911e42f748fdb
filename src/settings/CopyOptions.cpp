#include "settings/CopyOptions.h"

#include "base/OptionsFile.h"
#include "base/OutsideNames.h"

TCopyOptions CopyOptionsFrom(const TOptionsFile& options) {
    TCopyOptions copy;
    copy.HtmlAndText = options.Get(OptionCopyHtmlAndText) == "1";
    copy.Spelling = options.Get(OptionSpelling) == OptionSpellingImlai ? TSpelling::Imlai : TSpelling::Uthmani;
    return copy;
}

void StoreCopyOptions(const TCopyOptions& copy, TOptionsFile& options) {
    options.Set(OptionCopyHtmlAndText, copy.HtmlAndText ? "1" : "0");
    options.Set(OptionSpelling, copy.Spelling == TSpelling::Imlai ? OptionSpellingImlai : OptionSpellingUthmani);
}

std::filesystem::path OptionsFilePath(const std::filesystem::path& dataFolder) {
    return dataFolder / OptionsFileName;
}

TCopyOptions LoadCopyOptions(const std::filesystem::path& dataFolder) {
    return CopyOptionsFrom(TOptionsFile::Read(OptionsFilePath(dataFolder)));
}

void SaveCopyOptions(const TCopyOptions& copy, const std::filesystem::path& dataFolder) {
    const std::filesystem::path file = OptionsFilePath(dataFolder);
    TOptionsFile options = TOptionsFile::Read(file);
    StoreCopyOptions(copy, options);
    options.Write(file);
}
