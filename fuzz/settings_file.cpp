// The settings file and profile files: a file loaded as the program loads
// one, saved as it saves the record, and loaded again gives the same record.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "support/FuzzSupport.h"
#include "settings/Settings.h"

namespace {

// One private folder for the files of this process, removed at its end; in
// memory where the system has such a file system, since the save flushes
// every file to disk.
std::filesystem::path TemporaryRoot() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

const std::filesystem::path& Folder() {
    static const struct TFolder {
        std::filesystem::path Path = TemporaryRoot() / ("tiravel-fuzz-settings-" + std::to_string(getpid()));
        TFolder() { std::filesystem::create_directories(Path); }
        ~TFolder() {
            std::error_code ec;
            std::filesystem::remove_all(Path, ec);
        }
    } folder;
    return folder.Path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path profile = Folder() / "fuzzed.cvprofile";
    {
        std::ofstream out(profile, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
        FUZZ_REQUIRE(out.good());
    }
    TSettings loaded;
    if (!loaded.LoadFromFile(profile)) return 0;

    loaded.SaveSettings(Folder());
    TSettings again;
    FUZZ_REQUIRE(again.LoadFromFile(TSettings::SettingsFile(Folder())));
    FUZZ_REQUIRE(again == loaded);
    return 0;
}
