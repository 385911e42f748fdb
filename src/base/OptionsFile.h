#pragma once
// The program's own small options file: UTF-8 text, one "key=value" a line.
// Several parts of the program keep their options in it, each under keys of
// its own, so an entry that one part does not know is kept as it stands when
// another part writes the file. Reading is tolerant: a missing, unreadable or
// over-long file gives no entries, a line without "=" or with an empty key is
// skipped, a key given twice keeps its last value; nothing is ever reported,
// and whoever asks for a key it does not find uses its own default.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// No options file is longer: a longer one is not read at all.
inline constexpr std::size_t MaxOptionsFileSize = 64 * 1024;

class TOptionsFile {
public:
    // The entries of a file image (any bytes; blanks around keys and values
    // are dropped, CR LF and LF both end a line).
    static TOptionsFile Parse(std::string_view text);
    // Reads the file; never throws.
    static TOptionsFile Read(const std::filesystem::path& file);

    // The file image: the entries in the order they were first seen, each
    // "key=value" and LF.
    std::string Text() const;
    // Replaces `file` with Text() in one step (WriteFileAtomically), so a
    // crash leaves the old file or the new one. Throws TFileWriteError.
    void Write(const std::filesystem::path& file) const;

    std::optional<std::string> Get(std::string_view key) const;
    // Adds or replaces an entry. A key that could not be read back (empty,
    // holding "=", a line break or outer blanks) is ignored; line breaks in
    // the value become spaces and its outer blanks go.
    void Set(std::string_view key, std::string_view value);

    const std::vector<std::pair<std::string, std::string>>& Entries() const { return FEntries; }

private:
    std::vector<std::pair<std::string, std::string>> FEntries;
};
