#include "system/UpdateAnswer.h"

#include <algorithm>

bool TUpdateAnswer::Append(std::span<const std::uint8_t> piece) {
    if (FRefused) return false;
    FBytes.insert(FBytes.end(), piece.begin(), piece.end());
    if (FBytes.size() <= MaxUpdateAnswerBytes) return true;
    FBytes.clear();
    FRefused = true;
    return false;
}

std::u16string DecodeUpdateAnswer(std::span<const std::uint8_t> body) {
    // A server file saved by an editor that writes a UTF-8 byte-order mark.
    constexpr std::uint8_t Bom[] = {0xEF, 0xBB, 0xBF};
    if (body.size() >= 3 && std::equal(Bom, Bom + 3, body.begin())) body = body.subspan(3);
    std::u16string text;
    text.reserve(body.size());
    for (std::uint8_t b : body) text += b < 0x80 ? char16_t(b) : u'\uFFFD';
    return text;
}

TVersionPair PostedVersion(std::span<const std::uint8_t> body) {
    const TParsedVersion parsed = ParseVersion(DecodeUpdateAnswer(body));
    return parsed.Ok ? parsed.Version : TVersionPair{};
}
