// The update server's answer: the body collected in pieces as the check
// thread reads it, refused past its size limit, otherwise read as a version.
// A version read back from its own "major.minor" text is the same pair.
#include <algorithm>
#include <string>

#include "support/FuzzSupport.h"
#include "system/UpdateAnswer.h"

namespace {

std::u16string PairText(TVersionPair v) {
    const std::string text = std::to_string(v.Major) + "." + std::to_string(v.Minor);
    return {text.begin(), text.end()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Pieces of 1, 2, 4, … bytes up to a whole read: the network decides.
    TUpdateAnswer answer;
    bool taken = true;
    for (std::size_t at = 0, piece = 1; at < size && taken; at += piece, piece = std::min(2 * piece, UpdateReadBytes))
        taken = answer.Append({data + at, std::min(piece, size - at)});
    if (size > MaxUpdateAnswerBytes) {
        FUZZ_REQUIRE(answer.Refused() && answer.Bytes().empty());
        return 0;
    }
    FUZZ_REQUIRE(!answer.Refused() && std::equal(data, data + size, answer.Bytes().begin(), answer.Bytes().end()));

    const TVersionPair posted = PostedVersion(answer.Bytes());
    UpdateNoticeWanted(posted, {2, 6});
    if (posted.Minor >= 0) {
        const TParsedVersion again = ParseVersion(PairText(posted));
        FUZZ_REQUIRE((again.Ok ? again.Version : TVersionPair{}) == posted);
    }
    return 0;
}
