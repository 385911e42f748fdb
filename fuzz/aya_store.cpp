// The aya store (resource HAFSUNICODE): parsed and indexed, every entry read
// in every form, the lookups of copying, and the search index built from it
// with a few searches and the words they mark.
#include <string_view>

#include "support/FuzzSupport.h"
#include "search/AyaSearch.h"
#include "text/AyaStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<TAyaStore> store;
    try {
        store = std::make_unique<TAyaStore>(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const TStoreError&) {
        return 0;
    }
    store->Version();
    for (std::size_t i = 0; i < store->EntryCount(); ++i) {
        const TAyaEntry& e = store->Entry(i);
        for (TAyaForm form : {TAyaForm::afUnicode, TAyaForm::afImlai, TAyaForm::afUnicodeSpace,
                              TAyaForm::afUnicodeEx, TAyaForm::afUnicodeSpaceEx})
            store->EntryText(i, form);
        store->AyaPage(e.Sura, e.Aya);
        store->GetAyaUnicodeEx(e.Sura, e.Aya);
        store->GetAyaSpaceExWords(e.Sura, e.Aya, 2, 0);
        store->GetAyaSpaceExWords(e.Sura, e.Aya, 1, 3);
    }
    const TSearchIndex index(*store);
    // "ال", in nearly every aya, with the words it marks in some of them.
    const TSearchOutcome hits = SearchForText(index, u"\u0627\u0644");
    for (std::size_t i = 0; i < hits.Results.size() && i < 64; ++i) MarkedWords(hits.Results[i], u"\u0627\u0644", {});
    SearchForText(index, u"\u0627\u0644", {true, true, 2});
    SearchForText(index, u"7");
    return 0;
}
