#include "pagemodel/PagePictures.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "base/OutsideNames.h"
#include "base/ResourceSource.h"
#include "base/Picture.h"
#include "pagemodel/Page.h"

std::u16string FramePictureName(int pageNumber, int k) {
    char name[48];
    std::snprintf(name, sizeof name, "%s%03d%d", SuraFramePicturePrefix, pageNumber, k);
    return AsciiToResourceName(name);
}

std::u16string BasmalahPictureName(int pageNumber, int lineNumber) {
    const bool second = (pageNumber == 597 && lineNumber == 4) || (pageNumber == 598 && lineNumber == 5);
    return second ? SecondBasmalaPictureName : BasmalaPictureName;
}

void AttachPagePictures(TPage& page, const TResourceSource& resources) {
    std::vector<std::unique_ptr<TPicture>> frames(TPage::LineCount + 1), basmalahs(TPage::LineCount + 1);
    int k = 1;
    for (int i = 1; i <= TPage::LineCount; ++i) {
        const TLine& line = page.Line(i);
        if (line.LineType == ltSuraName) {
            const TResourceBytes bytes = RequireResource(resources, FramePictureName(page.PageNumber, k++));
            frames[i] = TPicture::LoadJpeg(bytes.Bytes);
        } else if (line.LineType == ltBasmala) {
            const TResourceBytes bytes = RequireResource(resources, BasmalahPictureName(page.PageNumber, i));
            basmalahs[i] = TPicture::LoadPng(bytes.Bytes);
        }
    }
    for (int i = 1; i <= TPage::LineCount; ++i) {
        if (frames[i]) page.Line(i).FramePicture = std::move(frames[i]);
        if (basmalahs[i]) page.Line(i).BasmalahPng = std::move(basmalahs[i]);
    }
}
