#pragma once
// Resources as the build produced them, from a source that holds them as the
// executable carries them: packed pages and packed resources are unpacked on
// each Find (callers keep what they need), anything else passes unchanged.
// The outline dictionary that packed pages refer to is read from the same
// source at the first packed page and kept for the life of this source; or
// ahead of it, on a worker thread, while the splash shows.
// Wraps the executable's resources in the shell and a folder of packed
// resources in the benchmarks and data checks.
#include <future>
#include <memory>
#include <mutex>
#include <vector>

#include "base/ResourceSource.h"
#include "pagemodel/WordObject.h"

class TOutlineDictionary;

class TUnpackingResourceSource final : public TResourceSource {
public:
    // `packed` is not owned and outlives this source.
    explicit TUnpackingResourceSource(const TResourceSource& packed);
    ~TUnpackingResourceSource() override;
    // A packed resource that cannot be unpacked raises TDataError; a packed
    // page without the outline dictionary, TMissingResource.
    std::optional<TResourceBytes> Find(std::u16string_view name) const override;

    // The word records of the page data resource `name`, as ReadPageRecords
    // reads them from Find's bytes and with the same errors; a packed page is
    // unpacked straight into them (UnpackPageRecords), which is how the
    // viewer opens a page. Nothing when there is no such resource.
    std::optional<std::vector<TWordObject>> FindPageRecords(std::u16string_view name) const;

    // Starts reading the outline dictionary on a worker thread, so that the
    // first page finds it read (the program starts it with the splash, which
    // lasts far longer). The first packed page waits for the worker, and gets
    // its error; without a worker it reads the dictionary itself. Once only.
    void StartReadingOutlines() const;

private:
    const TOutlineDictionary& Outlines() const;

    const TResourceSource& FPacked;
    mutable std::mutex FOutlinesLock;
    mutable std::unique_ptr<const TOutlineDictionary> FOutlines;
    // The worker's dictionary; its destructor waits for the worker.
    mutable std::future<std::unique_ptr<const TOutlineDictionary>> FReading;
};
