#include "pagemodel/PagePictures.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "base/ResourceSource.h"
#include "base/Picture.h"
#include "pagemodel/PageView.h"

std::u16string FramePictureName(int pageNumber, int k) {
    char name[48];
    std::snprintf(name, sizeof name, "AYAFRAME%03d%d", pageNumber, k);
    return AsciiToResourceName(name);
}

std::u16string BasmalahPictureName(int pageNumber, int lineNumber) {
    const bool second = (pageNumber == 597 && lineNumber == 4) || (pageNumber == 598 && lineNumber == 5);
    return second ? u"BASMALAH2" : u"BASMALAH1";
}

void AttachPagePictures(TPageView& page, const TResourceSource& resources) {
    std::vector<std::unique_ptr<TPicture>> frames(TPageView::LineCount + 1), basmalahs(TPageView::LineCount + 1);
    int k = 1;
    for (int i = 1; i <= TPageView::LineCount; ++i) {
        const TLine& line = page.Line(i);
        if (line.LineType == ltSorahName) {
            const TResourceBytes bytes = RequireResource(resources, FramePictureName(page.PageNumber, k++));
            frames[i] = TPicture::LoadJpeg(bytes.Bytes);
        } else if (line.LineType == ltBasmalla) {
            const TResourceBytes bytes = RequireResource(resources, BasmalahPictureName(page.PageNumber, i));
            basmalahs[i] = TPicture::LoadPng(bytes.Bytes);
        }
    }
    for (int i = 1; i <= TPageView::LineCount; ++i) {
        if (frames[i]) page.Line(i).FreamJpg = std::move(frames[i]);
        if (basmalahs[i]) page.Line(i).BasmalahPng = std::move(basmalahs[i]);
    }
}
