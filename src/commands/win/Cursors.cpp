#include "commands/win/Cursors.h"

#include <cstring>
#include <map>
#include <vector>

#include "base/ResourceSource.h"

namespace {

std::map<int, HCURSOR>& Table() {
    static std::map<int, HCURSOR> table;
    return table;
}

std::uint16_t Word(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }
std::uint32_t DWord(const std::uint8_t* p) { return std::uint32_t(Word(p)) | std::uint32_t(Word(p + 2)) << 16; }

}  // namespace

HCURSOR LoadCursorResource(const TResourceSource& resources, std::u16string_view name) {
    const auto found = resources.Find(name);
    if (!found) return nullptr;
    const auto bytes = found->Bytes;
    // File header (reserved, type 2, count), then the first directory entry:
    // width, height, colours, reserved, hot spot x and y, size, offset.
    if (bytes.size() < 22 || Word(bytes.data() + 2) != 2 || Word(bytes.data() + 4) == 0) return nullptr;
    const std::uint8_t* entry = bytes.data() + 6;
    const std::uint32_t size = DWord(entry + 8), offset = DWord(entry + 12);
    if (offset > bytes.size() || size > bytes.size() - offset) return nullptr;
    // A cursor resource is the hot spot followed by the image.
    std::vector<std::uint8_t> resource(4 + size);
    std::memcpy(resource.data(), entry + 4, 4);
    std::memcpy(resource.data() + 4, bytes.data() + offset, size);
    return reinterpret_cast<HCURSOR>(
        CreateIconFromResourceEx(resource.data(), DWORD(resource.size()), FALSE, 0x00030000, 0, 0, LR_DEFAULTCOLOR));
}

void SetTableCursor(int number, HCURSOR cursor) { Table()[number] = cursor; }

HCURSOR TableCursor(int number) {
    const auto it = Table().find(number);
    if (it != Table().end() && it->second) return it->second;
    return LoadCursorW(nullptr, IDC_ARROW);
}
