#include "base/AtomicFileWrite.h"

#include <cstdio>
#include <system_error>

#include "base/platform/FileCalls.h"

namespace {

[[noreturn]] void Fail(const std::filesystem::path& target, const char* step) {
    const std::u8string name = target.u8string();
    throw TFileWriteError("cannot write " + std::string(name.begin(), name.end()) + ": " + step);
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& target, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path temp = target;
    temp += ".new";
    std::FILE* f = OpenForWriting(temp);
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
