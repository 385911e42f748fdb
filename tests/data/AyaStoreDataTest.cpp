// Checks of the generated aya store HAFSUNICODE against the sura tables and
// the text rules of its forms.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "base/Utf.h"
#include "text/AyaStore.h"
#include "text/AyaText.h"
#include "text/SuraTables.h"

namespace {

const TAyaStore& Store() {
    static const std::unique_ptr<TAyaStore> store = [] {
        std::ifstream in(TIRAVEL_RESOURCES_DIR "/HAFSUNICODE", std::ios::binary);
        if (!in) throw std::runtime_error("cannot open " TIRAVEL_RESOURCES_DIR "/HAFSUNICODE");
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return std::make_unique<TAyaStore>(bytes.str());
    }();
    return *store;
}

std::string Where(const TAyaEntry& e) { return std::to_string(e.Sura) + ":" + std::to_string(e.Aya); }

TEST(AyaStoreData, EntriesStandInMushafOrder) {
    const TAyaStore& s = Store();
    ASSERT_EQ(s.EntryCount(), 6236u);
    std::set<std::pair<int, int>> keys;
    int sura = 1, aya = 0;
    for (std::size_t i = 0; i < s.EntryCount(); ++i) {
        const TAyaEntry& e = s.Entry(i);
        if (e.Sura == sura + 1 && e.Aya == 1) {
            EXPECT_EQ(aya, SuraAyaCounts[sura]) << "ayat of sura " << sura;
            ++sura;
            aya = 0;
        }
        ASSERT_EQ(e.Sura, sura) << "entry " << i;
        ASSERT_EQ(e.Aya, ++aya) << "entry " << i;
        EXPECT_TRUE(keys.insert({e.Sura, e.Aya}).second) << Where(e);
        EXPECT_GE(e.Page, 1);
        EXPECT_LE(e.Page, 604);
        if (i > 0) {
            EXPECT_GE(e.Page, s.Entry(i - 1).Page) << Where(e);
        }
    }
    EXPECT_EQ(sura, 114);
    EXPECT_EQ(aya, SuraAyaCounts[114]);
    EXPECT_FALSE(s.Version().empty());
}

TEST(AyaStoreData, SuraTablesMatchTheStore) {
    const TAyaStore& s = Store();
    int count[115] = {};
    int firstPage[115] = {};
    for (std::size_t i = 0; i < s.EntryCount(); ++i) {
        const TAyaEntry& e = s.Entry(i);
        ASSERT_TRUE(e.Sura >= 1 && e.Sura <= 114) << i;
        ++count[e.Sura];
        if (firstPage[e.Sura] == 0 || e.Page < firstPage[e.Sura]) firstPage[e.Sura] = e.Page;
    }
    for (int sura = 1; sura <= 114; ++sura) {
        EXPECT_EQ(count[sura], SuraAyaCounts[sura]) << "sura " << sura;
        EXPECT_EQ(firstPage[sura], SuraFirstPages[sura]) << "sura " << sura;
    }
}

TEST(AyaStoreData, SignsStandWhereTheFormsPutThem) {
    const TAyaStore& s = Store();
    int sajda = 0, rub = 0;
    for (std::size_t i = 0; i < s.EntryCount(); ++i) {
        const TAyaEntry& e = s.Entry(i);
        const std::u16string u = s.EntryText(i, TAyaForm::afUnicode);
        // Ends in U+00A0 and the aya number in Arabic-Indic digits.
        std::u16string number;
        for (char c : std::to_string(e.Aya)) number.push_back(char16_t(0x0660 + (c - '0')));
        ASSERT_GT(u.size(), number.size() + 1) << Where(e);
        EXPECT_EQ(u.substr(u.size() - number.size() - 1), u"\u00A0" + number) << Where(e);
        EXPECT_EQ(u.find(u"  "), std::u16string::npos) << Where(e);
        EXPECT_EQ(u.find(u'\uFEFF'), std::u16string::npos) << Where(e);
        for (char16_t sign = 0x06D6; sign <= 0x06DC; ++sign)
            EXPECT_EQ(u.find(std::u16string{u' ', sign}), std::u16string::npos) << Where(e);

        if (const std::size_t p = u.find(u'\u06E9'); p != std::u16string::npos) {
            ++sajda;
            EXPECT_EQ(p + 1, u.size() - number.size() - 1) << Where(e);  // right before the number
            EXPECT_NE(u[p - 1], u' ') << Where(e);
        }
        if (const std::size_t p = u.find(u'\u06DE'); p != std::u16string::npos) {
            ++rub;
            EXPECT_EQ(p, 0u) << Where(e);
            EXPECT_EQ(u[1], u'\u00A0') << Where(e);
        }
        EXPECT_EQ(s.EntryText(i, TAyaForm::afUnicodeSpace), u) << Where(e);
        EXPECT_EQ(s.EntryText(i, TAyaForm::afUnicodeEx), u) << Where(e);
    }
    EXPECT_EQ(sajda, 15);
    EXPECT_GT(rub, 0);
}

TEST(AyaStoreData, ImlaiHoldsLettersAndSingleSpaces) {
    const TAyaStore& s = Store();
    for (std::size_t i = 0; i < s.EntryCount(); ++i) {
        const std::u16string t = s.EntryText(i, TAyaForm::afImlai);
        ASSERT_FALSE(t.empty()) << Where(s.Entry(i));
        EXPECT_NE(t.front(), u' ') << Where(s.Entry(i));
        EXPECT_NE(t.back(), u' ') << Where(s.Entry(i));
        EXPECT_EQ(t.find(u"  "), std::u16string::npos) << Where(s.Entry(i));
        for (char16_t c : t)
            ASSERT_TRUE(c == u' ' || (c >= 0x0621 && c <= 0x064A && c != 0x0640))
                << Where(s.Entry(i)) << " holds U+" << std::hex << int(c);
    }
}

TEST(AyaStoreData, JoiningTheWordObjectsGivesBackTheText) {
    const TAyaStore& s = Store();
    for (std::size_t i = 0; i < s.EntryCount(); ++i) {
        const std::u16string spaced = s.EntryText(i, TAyaForm::afUnicodeSpaceEx);
        std::u16string joined = JoinWawConjunction(JoinWaqfSigns(spaced));
        // The sajda sign and an opening rub el hizb keep the space of their word objects.
        if (const std::size_t p = joined.find(u" \u06E9"); p != std::u16string::npos) joined.erase(p, 1);
        if (joined.rfind(u"\u06DE ", 0) == 0) joined[1] = u'\u00A0';
        EXPECT_EQ(joined, s.EntryText(i, TAyaForm::afUnicode)) << Where(s.Entry(i));
        // Every token is a word object: no empty token, no token of marks only.
        EXPECT_EQ(spaced.find(u"  "), std::u16string::npos) << Where(s.Entry(i));
        EXPECT_EQ(TakeWords(spaced, 1, 0), spaced) << Where(s.Entry(i));
    }
}

// The plain spelling with marks holds the letters of `emlaey` in the same
// order, its signs where the Uthmani word objects have them, and the same
// aya number; every token is a word, a sign or a split conjunction.
TEST(AyaStoreData, ThePlainSpellingWithMarksMatchesTheOtherForms) {
    const TAyaStore& s = Store();
    auto without = [](std::u16string t, auto drop) {
        std::erase_if(t, drop);
        return t;
    };
    auto notLetter = [](char16_t c) { return !(c >= 0x0621 && c <= 0x064A && c != 0x0640); };
    auto notSign = [](char16_t c) { return c != u'\u06DE' && c != u'\u06E9' && c != u'\u00A0'; };
    for (std::size_t i = 0; i < s.EntryCount(); ++i) {
        const std::u16string plain = s.EntryText(i, TAyaForm::afImlaiSpaceEx);
        const std::u16string uthmani = s.EntryText(i, TAyaForm::afUnicodeSpaceEx);
        ASSERT_FALSE(plain.empty()) << Where(s.Entry(i));
        EXPECT_EQ(without(plain, notLetter), without(s.EntryText(i, TAyaForm::afImlai), notLetter)) << Where(s.Entry(i));
        EXPECT_EQ(without(plain, notSign), without(uthmani, notSign)) << Where(s.Entry(i));
        EXPECT_EQ(plain.substr(plain.find(u'\u00A0')), uthmani.substr(uthmani.find(u'\u00A0'))) << Where(s.Entry(i));
        EXPECT_EQ(TakeWords(plain, 1, 0), plain) << Where(s.Entry(i));
    }
}

// A partial aya in the plain spelling: where both spellings split the aya
// into as many words, the word objects' words in the plain spelling; where
// they do not (the README names how many such ayat there are), the whole aya.
TEST(AyaStoreData, APartialAyaInThePlainSpellingIsTheSameWordsOrTheWholeAya) {
    const TAyaStore& s = Store();
    int splitOtherwise = 0;
    for (std::size_t i = 0; i < s.EntryCount(); ++i) {
        const TAyaEntry& e = s.Entry(i);
        const std::u16string plain = s.EntryText(i, TAyaForm::afImlaiSpaceEx);
        const int words = WordCount(s.EntryText(i, TAyaForm::afUnicodeSpaceEx));
        const std::u16string second = s.AyaWords(e.Sura, e.Aya, 2, 1, TSpelling::Imlai);
        if (WordCount(plain) != words) {
            ++splitOtherwise;
            EXPECT_EQ(second, TakeWords(plain, 1, 0)) << Where(e);
        } else {
            EXPECT_EQ(second, TakeWords(plain, 2, 1)) << Where(e);
        }
    }
    std::printf("ayat whose two spellings split into different numbers of words: %d\n", splitOtherwise);
    EXPECT_EQ(splitOtherwise, 403) << "the README names this number";
}

TEST(AyaStoreData, TellingAyat) {
    const TAyaStore& s = Store();
    EXPECT_EQ(s.GetAyaSpaceExWords(112, 1, 1, 0).substr(0, 3), Utf8ToUtf16("قُل"));
    EXPECT_EQ(s.GetAyaUnicodeEx(112, 1).substr(s.GetAyaUnicodeEx(112, 1).size() - 2), u"\u00A0\u0661");
    EXPECT_EQ(s.GetAyaUnicodeEx(2, 287), u"");
    EXPECT_EQ(s.AyaPage(1, 1), 1);
    EXPECT_EQ(s.AyaPage(114, 6), 604);
    // Two signs stand together after their word in 36:52.
    EXPECT_NE(s.GetAyaUnicodeEx(36, 52).find(u"\u06DC\u06D7 "), std::u16string::npos);
    EXPECT_NE(s.AyaText(36, 52, TAyaForm::afUnicodeSpaceEx).find(u"\u06DC \u06D7 "),
              std::u16string::npos);
    // The quarter that begins at 15:49.
    EXPECT_EQ(s.GetAyaUnicodeEx(15, 49).rfind(u"\u06DE\u00A0", 0), 0u);
    EXPECT_EQ(s.GetAyaUnicodeEx(15, 50).find(u'\u06DE'), std::u16string::npos);
}

}  // namespace
