// The update check's decisions: what an answer body makes of the notice for
// the running version 2.0.0.6, the body-size rule as the reads deliver the
// body, ParseVersion's own results, and the version pair and text of a file
// version.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "system/UpdateAnswer.h"
#include "system/VersionNumbers.h"

namespace {

const TVersionPair Running = VersionFromFileInfo(0x00020000, 0x00000006);  // 2.0.0.6

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// The body as the check thread reads it: pieces of at most UpdateReadBytes
// (smaller when `piece` says so), then the pair it would post, or nothing
// posted when the body was refused.
struct TOutcome {
    bool Posted = false;
    TVersionPair Version;
};
TOutcome Collect(const std::vector<std::uint8_t>& body, std::size_t piece = UpdateReadBytes) {
    TUpdateAnswer answer;
    for (std::size_t at = 0; at < body.size(); at += piece) {
        const std::size_t n = std::min(piece, body.size() - at);
        if (!answer.Append(std::span(body).subspan(at, n))) return {};
    }
    return {true, PostedVersion(answer.Bytes())};
}

bool NoticeShown(const std::string& body, std::size_t piece = UpdateReadBytes) {
    const TOutcome o = Collect(Bytes(body), piece);
    return o.Posted && UpdateNoticeWanted(o.Version, Running);
}

}  // namespace

TEST(UpdateCheck, RunningVersionIsTwoSix) {
    EXPECT_EQ(Running, (TVersionPair{2, 6}));
    EXPECT_EQ(VersionText(0x00020000, 0x00000006), u"2.6");
}

TEST(UpdateCheck, NoticeOnlyForANewerAnswer) {
    struct {
        std::string Body;
        bool Shown;
    } const cases[] = {
        {"2.7", true},    {"3.0", true},       {"2.10", true},  // minor 10 is above 6, not 2.1
        {"2.6", false},   {"2.5", false},      {"1.9", false},   {"2.06", false},
        {"2", false},     {"0.5", false},      {"2.5e1", false}, {"2.7.1", false},
        {"", false},      {"abc", false},      {"2,7", false},   {"2.", false},
        {".7", false},    {"-3.5", false},     {"2.7x", false},  {"<html>2.7</html>", false},
        {"2.99999999999", false},  // minor beyond 32 bits
        {"99999999999.1", false},  // major beyond 32 bits
        {"2.7\r\n", true}, {" 3.1 ", true},  // blanks and a line break around the number
        {std::string("2.7\0", 4), false},
        // A server file saved with a UTF-8 byte-order mark still counts; the
        // mark anywhere else, or twice, is no number.
        {"\xEF\xBB\xBF" "2.7", true}, {"\xEF\xBB\xBF" "3.0\r\n", true}, {"\xEF\xBB\xBF" "2.5", false},
        {"2.7\xEF\xBB\xBF", false}, {"\xEF\xBB\xBF\xEF\xBB\xBF" "2.7", false}, {"\xEF\xBB" "2.7", false},
    };
    for (const auto& c : cases) EXPECT_EQ(NoticeShown(c.Body), c.Shown) << '"' << c.Body << '"';
    // The mark split across reads.
    EXPECT_TRUE(NoticeShown("\xEF\xBB\xBF" "2.7", 1));
}

TEST(UpdateCheck, BodyOverTheLimitIsRefusedWhateverItHolds) {
    // Leading zeros keep "2.7" a valid answer at any length.
    const std::string at1024 = std::string(1021, '0') + "2.7";
    const std::string at1025 = std::string(1022, '0') + "2.7";
    ASSERT_EQ(at1024.size(), MaxUpdateAnswerBytes);
    EXPECT_TRUE(NoticeShown(at1024));
    EXPECT_FALSE(NoticeShown(at1025));
    EXPECT_FALSE(Collect(Bytes(at1025)).Posted);
    // However the reads cut it, and in a single piece a reader may return.
    for (std::size_t piece : {1, 3, 512, 1024, 1025}) {
        EXPECT_TRUE(NoticeShown(at1024, piece)) << piece;
        EXPECT_FALSE(NoticeShown(at1025, piece)) << piece;
    }
}

TEST(UpdateCheck, RefusedAnswerIsEmptiedAndStaysRefused) {
    TUpdateAnswer answer;
    const std::vector<std::uint8_t> big(1025, '7');
    EXPECT_FALSE(answer.Append(big));
    EXPECT_TRUE(answer.Refused());
    EXPECT_TRUE(answer.Bytes().empty());
    const std::vector<std::uint8_t> small = Bytes("2.7");
    EXPECT_FALSE(answer.Append(small));
    EXPECT_TRUE(answer.Bytes().empty());
}

TEST(UpdateCheck, ParseVersionResults) {
    struct {
        std::u16string Text;
        bool Ok;
        TVersionPair Version;
    } const cases[] = {
        {u"2.7", true, {2, 7}},   {u"3.0", true, {3, 0}},  {u"2.07", true, {2, 7}},
        {u"0.5", true, {0, 5}},   // Ok, but major 0: the main window ignores it
        {u"2.5e1", true, {0, 0}},  // a number, but "5e1" is no whole number
        {u"-3.5", true, {-3, 5}},
        // The whole part is read as digits, never rounded up through a double.
        {u"1000000000.99999999", true, {1000000000, 99999999}},
        {u"01000000000.00000000000000000099999999", true, {1000000000, 99999999}},
        {u"2.99999999999999999", true, {0, 0}},  // a minor beyond 32 bits: no version, as before
        {u"3000000000.5", false, {}},
        {u"2", false, {}},        {u"", false, {}},         {u"0.0", false, {}},  // zero is no version
        {u"2.7.1", false, {}},    {u"x.7", false, {}},      {u"2.7 beta", false, {}},
        {u"٢.٧", false, {}},  // Arabic-Indic digits are not what the server sends
    };
    for (const auto& c : cases) {
        const TParsedVersion p = ParseVersion(c.Text);
        EXPECT_EQ(p.Ok, c.Ok) << std::string(c.Text.begin(), c.Text.end());
        EXPECT_EQ(p.Version, c.Version) << std::string(c.Text.begin(), c.Text.end());
    }
}

TEST(UpdateCheck, NewerComparesMajorFirstAndSigned) {
    EXPECT_TRUE(IsNewerVersion({3, 0}, {2, 6}));
    EXPECT_TRUE(IsNewerVersion({2, 7}, {2, 6}));
    EXPECT_FALSE(IsNewerVersion({2, 6}, {2, 6}));
    EXPECT_FALSE(IsNewerVersion({1, 99}, {2, 6}));
    EXPECT_FALSE(IsNewerVersion({-5, 0}, {2, 6}));
    EXPECT_FALSE(UpdateNoticeWanted({0, 9}, {-1, 0}));  // major 0 never shows, even above ours
}

TEST(UpdateCheck, FileVersionPairAndText) {
    // The minor part is the whole lower half of the file version.
    EXPECT_EQ(VersionFromFileInfo(0x00030002, 0x00010004), (TVersionPair{3, 0x00010004}));
    EXPECT_EQ(VersionText(0x00030002, 0x00010004), u"3.65540");
    EXPECT_EQ(VersionText(0xFFFF0000, 0xFFFFFFFF), u"65535.4294967295");
}
