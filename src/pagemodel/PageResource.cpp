#include "pagemodel/PageResource.h"

#include "base/OutsideNames.h"
#include "base/ResourceSource.h"
#include "pagemodel/PageData.h"
#include "pagemodel/PagePictures.h"
#include "pagemodel/Page.h"
#include "pagemodel/UnpackingResourceSource.h"

std::u16string PageResourceName(int pageNumber) {
    return PageResourcePrefix + AsciiToResourceName(std::to_string(pageNumber));
}

void ReadPageResource(TPage& page, int pageNumber, const TResourceSource& resources) {
    const std::u16string name = PageResourceName(pageNumber);
    // The executable's resources give the page's records straight from the
    // packed page, without its page data written and read again.
    if (const auto* unpacking = dynamic_cast<const TUnpackingResourceSource*>(&resources)) {
        std::optional<std::vector<TWordObject>> records = unpacking->FindPageRecords(name);
        if (!records) throw TMissingResource(name);
        page.PageNumber = pageNumber;
        LoadPageRecords(page, std::move(*records));
    } else {
        const TResourceBytes data = RequireResource(resources, name);
        page.PageNumber = pageNumber;
        LoadPageData(page, data.Bytes);
    }
    page.InitialLinesData();
}

void OpenPageResource(TPage& page, int pageNumber, const TResourceSource& resources) {
    ReadPageResource(page, pageNumber, resources);
    AttachPagePictures(page, resources);
}
