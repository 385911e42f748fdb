#include "pagemodel/PageResource.h"

#include "base/ResourceSource.h"
#include "pagemodel/PageData.h"
#include "pagemodel/PagePictures.h"
#include "pagemodel/PageView.h"

std::u16string PageResourceName(int pageNumber) {
    return u"SVG_" + AsciiToResourceName(std::to_string(pageNumber));
}

void ReadPageResource(TPageView& page, int pageNumber, const TResourceSource& resources) {
    const TResourceBytes data = RequireResource(resources, PageResourceName(pageNumber));
    page.PageNumber = pageNumber;
    LoadPageData(page, data.Bytes);
    page.InitialLinesData();
}

void OpenPageResource(TPageView& page, int pageNumber, const TResourceSource& resources) {
    ReadPageResource(page, pageNumber, resources);
    AttachPagePictures(page, resources);
}
