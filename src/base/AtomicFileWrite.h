#pragma once
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <vector>

// Replaces the file `target` with `bytes` so that, whatever happens midway (a
// crash, a full disk), the target holds either its old or its new contents:
// the bytes go to a temporary file of a new, unique name in the same folder
// (never a file that exists, such as the user's own "x.cvprofile.new"), are
// flushed to disk,
// and the temporary file then takes the target's place in one rename.
// Throws TFileWriteError naming the file when any step fails; the temporary
// file is removed and the old target is left as it was.
void WriteFileAtomically(const std::filesystem::path& target, const std::vector<std::uint8_t>& bytes);

class TFileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
