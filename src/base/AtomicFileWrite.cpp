#include "base/AtomicFileWrite.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <system_error>

#include "base/platform/FileCalls.h"

namespace {

[[noreturn]] void Fail(const std::filesystem::path& target, const char* step) {
    const std::u8string name = target.u8string();
    throw TFileWriteError("cannot write " + std::string(name.begin(), name.end()) + ": " + step);
}

// A name for the temporary file beside `target` that no file has, created
// empty and open: a user's own file is never overwritten. Null when none
// could be created (a folder that refuses new files).
std::FILE* CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temp) {
    static std::atomic<std::uint64_t> counter{0};
    static const std::uint64_t seed = [] {
        std::random_device device;
        return (std::uint64_t(device()) << 32) ^ device() ^
               std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    }();
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::uint64_t n = seed + 0x9E3779B97F4A7C15ull * ++counter;
        char tag[24];
        std::snprintf(tag, sizeof tag, ".%012llx.tmp", static_cast<unsigned long long>(n & 0xFFFFFFFFFFFFull));
        temp = target;
        temp += tag;
        if (std::FILE* f = CreateNewForWriting(temp)) return f;
        std::error_code ec;
        if (!std::filesystem::exists(temp, ec)) return nullptr;  // not a clash: the folder refuses
    }
    return nullptr;
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& target, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path temp;
    std::FILE* f = CreateTemporaryBeside(target, temp);
    if (!f) Fail(target, "the temporary file cannot be created");
    bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    bool flushed = written && FlushToDisk(f);
    bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (!written || !flushed || !closed) {
        std::filesystem::remove(temp, ec);
        Fail(target, "the disk refused the data");
    }
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        Fail(target, "the new file cannot replace the old one");
    }
}
