#include "text/AyaStore.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "base/OutsideNames.h"
#include "base/ResourceSource.h"
#include "base/Utf.h"
#include "text/AyaText.h"
#include "text/CondensedText.h"

namespace {

constexpr const char* kRecord = "aya store";
constexpr std::size_t kFormCount = 6;

// A decimal integer attribute; `ok` is false for anything else ("", "1x").
int ParseNumber(const pugi::xml_attribute& attr, bool& ok) {
    const char* s = attr.value();
    const char* end = s + std::char_traits<char>::length(s);
    int value = 0;
    auto [p, ec] = std::from_chars(s, end, value);
    ok = ok && attr && ec == std::errc() && p == end;
    return ok ? value : 0;
}

std::uint64_t Key(int sura, int aya) {
    return std::uint64_t(std::uint32_t(sura)) << 32 | std::uint32_t(aya);
}

// Where a text lies in the arena; an empty text is {0, 0}.
struct TSlice {
    std::uint32_t Offset = 0;
    std::uint32_t Length = 0;
};

// Whether `p` points into `range`.
bool Within(const char* p, std::string_view range) {
    return std::less_equal<const char*>()(range.data(), p) && std::less<const char*>()(p, range.data() + range.size());
}

// Where the texts of the entries go as they are read, one after the other:
// to the start of the buffer the document was parsed in, when it was parsed
// in place there, or else to a string of their own. A text is put once the
// texts before it in the buffer are, so that it is never overwritten first.
class TArenaWriter {
public:
    TArenaWriter(std::string& buffer, bool inPlace) : FBuffer(buffer), FInPlace(inPlace) {}

    // The offset of the text in the arena.
    std::uint32_t Put(std::string_view text) {
        if (text.size() > std::numeric_limits<std::uint32_t>::max() - FSize)
            throw TStoreError(kRecord, 0, "the texts of the store exceed 4 GB");
        const std::uint32_t at = std::uint32_t(FSize);
        if (FInPlace) {
            if (!Within(text.data(), std::string_view(FBuffer).substr(FSize)) ||
                text.size() > std::size_t(FBuffer.data() + FBuffer.size() - text.data()))
                throw std::logic_error("aya store: a text outside what is left of the parsed buffer");
            std::memmove(FBuffer.data() + FSize, text.data(), text.size());
        } else {
            FCopy += text;
        }
        FSize += text.size();
        return at;
    }

    // The arena, in a block of its size.
    std::string Finish() {
        std::string& arena = FInPlace ? FBuffer : FCopy;
        arena.resize(FSize);
        arena.shrink_to_fit();
        return std::move(arena);
    }

private:
    std::string& FBuffer;
    const bool FInPlace;
    std::string FCopy;
    std::size_t FSize = 0;
};

// The texts of an entry, by TAyaForm, put in the arena: a text equal to
// that of an earlier form shares its slice; the others are put in the order
// they lie in the document.
void PutTexts(const std::array<std::string_view, kFormCount>& texts, std::array<TSlice, kFormCount>& slices,
              TArenaWriter& arena) {
    std::array<std::size_t, kFormCount> first{};  // the first form with the same text
    std::array<std::size_t, kFormCount> distinct{};
    std::size_t count = 0;
    for (std::size_t f = 0; f < kFormCount; ++f) {
        first[f] = f;
        if (texts[f].empty()) continue;
        for (std::size_t g = 0; g < f; ++g)
            if (texts[g] == texts[f]) {
                first[f] = g;
                break;
            }
        if (first[f] == f) distinct[count++] = f;
    }
    // Mostly in order already: an insertion sort.
    auto before = [&](std::size_t a, std::size_t b) {
        return std::less<const char*>()(texts[a].data(), texts[b].data());
    };
    for (std::size_t k = 1; k < count; ++k)
        for (std::size_t j = k; j > 0 && before(distinct[j], distinct[j - 1]); --j)
            std::swap(distinct[j], distinct[j - 1]);
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t f = distinct[k];
        slices[f] = {arena.Put(texts[f]), std::uint32_t(texts[f].size())};
    }
    for (std::size_t f = 0; f < kFormCount; ++f)
        if (first[f] != f) slices[f] = slices[first[f]];
}

// The element of each form in an entry: the first child of its name, as
// entry.child(name) finds it, in one walk over the children that tries the
// form after the last one found first.
std::array<pugi::xml_node, kFormCount> FormElements(pugi::xml_node entry) {
    static constexpr const char* kNames[kFormCount] = {
        AyaStoreUthmaniForm,   AyaStoreImlaiForm,    AyaStoreSpacedForm,
        AyaStoreUthmaniExForm, AyaStoreSpacedExForm, AyaStoreImlaiSpacedExForm};
    std::array<pugi::xml_node, kFormCount> found;
    std::size_t next = 0;
    for (pugi::xml_node child = entry.first_child(); child; child = child.next_sibling()) {
        const char* name = child.name();
        for (std::size_t k = 0; k < kFormCount; ++k) {
            const std::size_t f = (next + k) % kFormCount;
            if (std::strcmp(name, kNames[f]) != 0) continue;
            if (!found[f]) found[f] = child;
            next = f + 1;
            break;
        }
    }
    return found;
}

}  // namespace

std::string_view AyaFormElementName(TAyaForm form) {
    switch (form) {
    case TAyaForm::afUnicode: return AyaStoreUthmaniForm;
    case TAyaForm::afImlai: return AyaStoreImlaiForm;
    case TAyaForm::afUnicodeSpace: return AyaStoreSpacedForm;
    case TAyaForm::afUnicodeEx: return AyaStoreUthmaniExForm;
    case TAyaForm::afUnicodeSpaceEx: return AyaStoreSpacedExForm;
    case TAyaForm::afImlaiSpaceEx: return AyaStoreImlaiSpacedExForm;
    }
    return "";
}

// The store without its document: the texts of every entry in one arena,
// each text of an entry once however many of its forms hold it; condensed
// to a byte a character when they use few enough characters, else UTF-8.
struct TAyaStore::TImpl {
    std::string Version;  // the root's `version` attribute, UTF-8
    std::vector<TAyaEntry> Entries;
    std::vector<std::array<TSlice, kFormCount>> Texts;  // parallel to Entries, by TAyaForm
    std::string Arena;
    bool Condensed = false;
    std::array<char16_t, 256> Characters{};  // of a condensed arena
    // (sura, aya) -> position in Entries of the last matching entry.
    std::unordered_map<std::uint64_t, std::uint32_t> Index;

    std::u16string Text(const std::array<TSlice, kFormCount>& texts, TAyaForm form) const {
        if (std::size_t(form) >= kFormCount) return {};
        const TSlice s = texts[std::size_t(form)];
        const std::string_view text = std::string_view(Arena).substr(s.Offset, s.Length);
        return Condensed ? ExpandText(text, Characters) : Utf8ToUtf16(text);
    }

    // The arena one byte a character, when it can be.
    void Condense() {
        std::vector<std::uint32_t> boundaries;
        boundaries.reserve(Texts.size() * kFormCount * 2);
        for (const auto& slices : Texts)
            for (const TSlice& s : slices) boundaries.insert(boundaries.end(), {s.Offset, s.Offset + s.Length});
        std::sort(boundaries.begin(), boundaries.end());
        boundaries.erase(std::unique(boundaries.begin(), boundaries.end()), boundaries.end());
        std::vector<std::uint32_t> moved = boundaries;
        std::optional<TCondensedText> condensed = CondenseText(Arena, moved);
        if (!condensed) return;
        const auto to = [&](std::uint32_t offset) {
            return moved[std::size_t(std::lower_bound(boundaries.begin(), boundaries.end(), offset) - boundaries.begin())];
        };
        for (auto& slices : Texts)
            for (TSlice& s : slices) {
                const std::uint32_t end = to(s.Offset + s.Length);
                s.Offset = to(s.Offset);
                s.Length = end - s.Offset;
            }
        Arena = std::move(condensed->Bytes);
        Characters = condensed->Characters;
        Condensed = true;
    }
};

TAyaStore::TAyaStore(std::string_view xml) : FImpl(std::make_unique<TImpl>()) {
    if (xml.empty()) throw TStoreError(kRecord, 0, "the store is empty");
    // Parsed in place in a copy of the bytes (the one copy the parser would
    // otherwise make), whose texts are then gathered at its start and kept
    // in a block of their size. The first text of an element is kept in the
    // element (parse_embed_pcdata), a node less for each form; text() reads
    // it as it reads a text node.
    std::string buffer(xml);
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer_inplace(
        buffer.data(), buffer.size(), pugi::parse_default | pugi::parse_embed_pcdata, pugi::encoding_auto);
    if (!parsed)
        throw TStoreError(kRecord, std::size_t(parsed.offset),
                          std::string("not well-formed XML: ") + parsed.description());
    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != "ayat")
        throw TStoreError(kRecord, 0, "the root element is <" + std::string(root.name()) + ">, not <ayat>");
    FImpl->Version = root.attribute("version").value();
    // A document in another encoding is parsed in a buffer of the parser's
    // own, converted; its texts are copied out of it.
    TArenaWriter arena(buffer, Within(root.name(), buffer));

    const auto entries = root.children(AyaStoreEntryElement);
    const std::size_t count = std::size_t(std::distance(entries.begin(), entries.end()));
    FImpl->Entries.reserve(count);
    FImpl->Texts.reserve(count);
    FImpl->Index.reserve(count);
    for (pugi::xml_node entry : entries) {
        bool ok = true;
        TAyaEntry e;
        e.Sura = ParseNumber(entry.attribute("sura"), ok);
        e.Aya = ParseNumber(entry.attribute("aya"), ok);
        bool pageOk = true;
        e.Page = ParseNumber(entry.attribute("page"), pageOk);
        // Later entries overwrite earlier ones, as in a walk that keeps the last match.
        if (ok) FImpl->Index[Key(e.Sura, e.Aya)] = std::uint32_t(FImpl->Entries.size());
        FImpl->Entries.push_back(e);
        // The entry's texts are read before they move, and what moves over
        // them later lies before the next entry.
        const std::array<pugi::xml_node, kFormCount> forms = FormElements(entry);
        std::array<std::string_view, kFormCount> texts;
        for (std::size_t f = 0; f < kFormCount; ++f) texts[f] = forms[f].text().get();
        PutTexts(texts, FImpl->Texts.emplace_back(), arena);
    }
    document.reset();  // its nodes go before the arena's block is made
    FImpl->Arena = arena.Finish();
    FImpl->Condense();
}

TAyaStore::~TAyaStore() = default;
TAyaStore::TAyaStore(TAyaStore&&) noexcept = default;
TAyaStore& TAyaStore::operator=(TAyaStore&&) noexcept = default;

std::u16string TAyaStore::Version() const { return Utf8ToUtf16(FImpl->Version); }

std::size_t TAyaStore::EntryCount() const { return FImpl->Entries.size(); }

const TAyaEntry& TAyaStore::Entry(std::size_t index) const { return FImpl->Entries.at(index); }

std::u16string TAyaStore::EntryText(std::size_t index, TAyaForm form) const {
    return FImpl->Text(FImpl->Texts.at(index), form);
}

std::u16string TAyaStore::AyaText(int sura, int aya, TAyaForm form) const {
    auto it = FImpl->Index.find(Key(sura, aya));
    return it == FImpl->Index.end() ? std::u16string() : FImpl->Text(FImpl->Texts[it->second], form);
}

int TAyaStore::AyaPage(int sura, int aya) const {
    auto it = FImpl->Index.find(Key(sura, aya));
    return it == FImpl->Index.end() ? 0 : FImpl->Entries[it->second].Page;
}

std::u16string TAyaStore::GetAyaUnicodeEx(int sura, int aya) const {
    return AyaText(sura, aya, TAyaForm::afUnicodeEx);
}

std::u16string TAyaStore::GetAyaSpaceExWords(int sura, int aya, int first, int count) const {
    return TakeWords(AyaText(sura, aya, TAyaForm::afUnicodeSpaceEx), first, count);
}

std::u16string TAyaStore::WholeAya(int sura, int aya, TSpelling spelling) const {
    if (spelling == TSpelling::Uthmani) return GetAyaUnicodeEx(sura, aya);
    return JoinWawConjunction(JoinWaqfSigns(AyaText(sura, aya, TAyaForm::afImlaiSpaceEx)));
}

std::u16string TAyaStore::AyaWords(int sura, int aya, int first, int count, TSpelling spelling) const {
    if (spelling == TSpelling::Uthmani) return GetAyaSpaceExWords(sura, aya, first, count);
    const std::u16string imlai = AyaText(sura, aya, TAyaForm::afImlaiSpaceEx);
    if (WordCount(imlai) != WordCount(AyaText(sura, aya, TAyaForm::afUnicodeSpaceEx)))
        return TakeWords(imlai, 1, 0);
    return TakeWords(imlai, first, count);
}

std::unique_ptr<TAyaStore> LoadAyaStoreResource(const TResourceSource& resources) {
    const TResourceBytes store = RequireResource(resources, AyaStoreResource);
    return std::make_unique<TAyaStore>(
        std::string_view(reinterpret_cast<const char*>(store.Bytes.data()), store.Bytes.size()));
}
