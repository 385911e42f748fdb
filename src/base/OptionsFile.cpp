#include "base/OptionsFile.h"

#include <fstream>
#include <system_error>

#include "base/AtomicFileWrite.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsKey(std::string_view key) {
    return !key.empty() && Trim(key) == key && key.find_first_of("=\n\r") == std::string_view::npos &&
           !key.starts_with("\xEF\xBB\xBF");  // read back as the file's byte-order mark
}

}  // namespace

TOptionsFile TOptionsFile::Parse(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    TOptionsFile options;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = Trim(line.substr(0, equals));
        if (!IsKey(key)) continue;
        options.Set(key, line.substr(equals + 1));
    }
    return options;
}

TOptionsFile TOptionsFile::Read(const std::filesystem::path& file) {
    try {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) return {};
        std::ifstream in(file, std::ios::binary);
        std::string image(MaxOptionsFileSize + 1, '\0');
        in.read(image.data(), std::streamsize(image.size()));
        if (in.bad()) return {};
        image.resize(std::size_t(in.gcount()));
        if (image.size() > MaxOptionsFileSize) return {};
        return Parse(image);
    } catch (const std::exception&) {
        return {};  // the system refused the file, or memory ran out
    }
}

std::string TOptionsFile::Text() const {
    std::string text;
    for (const auto& [key, value] : FEntries) text += key + '=' + value + '\n';
    return text;
}

void TOptionsFile::Write(const std::filesystem::path& file) const {
    const std::string text = Text();
    WriteFileAtomically(file, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::optional<std::string> TOptionsFile::Get(std::string_view key) const {
    for (const auto& [k, v] : FEntries)
        if (k == key) return v;
    return std::nullopt;
}

void TOptionsFile::Set(std::string_view key, std::string_view value) {
    if (!IsKey(key)) return;
    std::string clean(Trim(value));
    for (char& c : clean)
        if (c == '\n' || c == '\r') c = ' ';
    clean = std::string(Trim(clean));
    for (auto& [k, v] : FEntries)
        if (k == key) {
            v = std::move(clean);
            return;
        }
    FEntries.emplace_back(std::string(key), std::move(clean));
}
