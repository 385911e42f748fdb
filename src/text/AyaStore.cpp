#include "text/AyaStore.h"

#include <charconv>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "base/OutsideNames.h"
#include "base/ResourceSource.h"
#include "base/Utf.h"
#include "text/AyaText.h"

namespace {

constexpr const char* kRecord = "aya store";

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

struct TAyaStore::TImpl {
    pugi::xml_document Document;
    std::vector<TAyaEntry> Entries;
    std::vector<pugi::xml_node> Nodes;  // parallel to Entries
    // (sura, aya) -> position in Entries of the last matching entry.
    std::unordered_map<std::uint64_t, std::uint32_t> Index;

    std::u16string Text(pugi::xml_node entry, TAyaForm form) const {
        const std::string name(AyaFormElementName(form));
        return Utf8ToUtf16(entry.child(name.c_str()).text().get());
    }

    const pugi::xml_node* Find(int sura, int aya) const {
        auto it = Index.find(Key(sura, aya));
        return it == Index.end() ? nullptr : &Nodes[it->second];
    }
};

TAyaStore::TAyaStore(std::string_view xml) : FImpl(std::make_unique<TImpl>()) {
    if (xml.empty()) throw TStoreError(kRecord, 0, "the store is empty");
    const pugi::xml_parse_result parsed = FImpl->Document.load_buffer(
        xml.data(), xml.size(), pugi::parse_default, pugi::encoding_auto);
    if (!parsed)
        throw TStoreError(kRecord, std::size_t(parsed.offset),
                          std::string("not well-formed XML: ") + parsed.description());
    const pugi::xml_node root = FImpl->Document.document_element();
    if (std::string_view(root.name()) != "ayat")
        throw TStoreError(kRecord, 0,
                          "the root element is <" + std::string(root.name()) + ">, not <ayat>");

    for (pugi::xml_node entry : root.children(AyaStoreEntryElement)) {
        bool ok = true;
        TAyaEntry e;
        e.Sura = ParseNumber(entry.attribute("sura"), ok);
        e.Aya = ParseNumber(entry.attribute("aya"), ok);
        bool pageOk = true;
        e.Page = ParseNumber(entry.attribute("page"), pageOk);
        // Later entries overwrite earlier ones, as in a walk that keeps the last match.
        if (ok) FImpl->Index[Key(e.Sura, e.Aya)] = std::uint32_t(FImpl->Entries.size());
        FImpl->Entries.push_back(e);
        FImpl->Nodes.push_back(entry);
    }
}

TAyaStore::~TAyaStore() = default;
TAyaStore::TAyaStore(TAyaStore&&) noexcept = default;
TAyaStore& TAyaStore::operator=(TAyaStore&&) noexcept = default;

std::u16string TAyaStore::Version() const {
    return Utf8ToUtf16(FImpl->Document.document_element().attribute("version").value());
}

std::size_t TAyaStore::EntryCount() const { return FImpl->Entries.size(); }

const TAyaEntry& TAyaStore::Entry(std::size_t index) const { return FImpl->Entries.at(index); }

std::u16string TAyaStore::EntryText(std::size_t index, TAyaForm form) const {
    return FImpl->Text(FImpl->Nodes.at(index), form);
}

std::u16string TAyaStore::AyaText(int sura, int aya, TAyaForm form) const {
    const pugi::xml_node* entry = FImpl->Find(sura, aya);
    return entry ? FImpl->Text(*entry, form) : std::u16string();
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
