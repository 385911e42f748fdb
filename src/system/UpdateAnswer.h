#pragma once
// The update server's answer as the check thread collects it: the body is
// read in pieces of at most UpdateReadBytes and kept in memory; a body longer
// than MaxUpdateAnswerBytes is no answer at all, whatever it holds.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "system/VersionNumbers.h"

inline constexpr std::size_t MaxUpdateAnswerBytes = 1024;
inline constexpr std::size_t UpdateReadBytes = 1024;  // asked for by each read

class TUpdateAnswer {
public:
    // Appends one piece; false (and the body emptied) once the body holds
    // more than MaxUpdateAnswerBytes, after which the answer stays refused.
    bool Append(std::span<const std::uint8_t> piece);
    bool Refused() const { return FRefused; }
    const std::vector<std::uint8_t>& Bytes() const { return FBytes; }

private:
    std::vector<std::uint8_t> FBytes;
    bool FRefused = false;
};

// The body as text. The answer is meant to be ASCII digits and a "."; a
// UTF-8 byte-order mark in front is dropped, any other byte becomes U+FFFD,
// which no number holds.
std::u16string DecodeUpdateAnswer(std::span<const std::uint8_t> body);

// The pair the check thread posts for a complete body: ParseVersion of the
// decoded text, (0, 0) when it found nothing.
TVersionPair PostedVersion(std::span<const std::uint8_t> body);
