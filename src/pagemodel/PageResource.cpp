#include "pagemodel/PageResource.h"

#include "base/OutsideNames.h"
#include "base/ResourceSource.h"
#include "pagemodel/PageData.h"
#include "pagemodel/PagePictures.h"
#include "pagemodel/Page.h"

std::u16string PageResourceName(int pageNumber) {
    return PageResourcePrefix + AsciiToResourceName(std::to_string(pageNumber));
}

void ReadPageResource(TPage& page, int pageNumber, const TResourceSource& resources) {
    const TResourceBytes data = RequireResource(resources, PageResourceName(pageNumber));
    page.PageNumber = pageNumber;
    LoadPageData(page, data.Bytes);
    page.InitialLinesData();
}

void OpenPageResource(TPage& page, int pageNumber, const TResourceSource& resources) {
    ReadPageResource(page, pageNumber, resources);
    AttachPagePictures(page, resources);
}
