// The options file: any bytes are read without a fault, what was read is
// written and read back the same, and storing the copy options changes
// their two keys alone and reads back as stored.
#include <string>

#include "support/FuzzSupport.h"
#include "base/OptionsFile.h"
#include "base/OutsideNames.h"
#include "settings/CopyOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TOptionsFile read = TOptionsFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_REQUIRE(TOptionsFile::Parse(read.Text()).Entries() == read.Entries());

    const TCopyOptions was = CopyOptionsFrom(read);
    for (const TCopyOptions copy : {TCopyOptions{true, TSpelling::Imlai}, TCopyOptions{}, was}) {
        TOptionsFile written = read;
        StoreCopyOptions(copy, written);
        const TOptionsFile again = TOptionsFile::Parse(written.Text());
        FUZZ_REQUIRE(CopyOptionsFrom(again) == copy);
        for (const auto& [key, value] : read.Entries())
            if (key != OptionCopyHtmlAndText && key != OptionSpelling) FUZZ_REQUIRE(again.Get(key) == value);
    }
    return 0;
}
