#include "system/UpdateAnswer.h"

bool TUpdateAnswer::Append(std::span<const std::uint8_t> piece) {
    if (FRefused) return false;
    FBytes.insert(FBytes.end(), piece.begin(), piece.end());
    if (FBytes.size() <= MaxUpdateAnswerBytes) return true;
    FBytes.clear();
    FRefused = true;
    return false;
}

std::u16string DecodeUpdateAnswer(std::span<const std::uint8_t> body) {
    std::u16string text;
    text.reserve(body.size());
    for (std::uint8_t b : body) text += b < 0x80 ? char16_t(b) : u'\uFFFD';
    return text;
}

TVersionPair PostedVersion(std::span<const std::uint8_t> body) {
    const TParsedVersion parsed = ParseVersion(DecodeUpdateAnswer(body));
    return parsed.Ok ? parsed.Version : TVersionPair{};
}
