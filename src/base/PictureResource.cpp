#include "base/PictureResource.h"

#include <exception>

#include "base/ResourceSource.h"

std::unique_ptr<TPicture> LoadPngResource(const TResourceSource& resources, std::u16string_view name) {
    try {
        if (auto found = resources.Find(name)) return TPicture::LoadPng(found->Bytes);
    } catch (const std::exception&) {
        // drawn as a missing picture
    }
    return nullptr;
}

std::unique_ptr<TIndexedPicture> LoadIndexedPngResource(const TResourceSource& resources, std::u16string_view name) {
    try {
        if (auto found = resources.Find(name)) return TIndexedPicture::LoadPng(found->Bytes);
    } catch (const std::exception&) {
        // drawn as a missing picture
    }
    return nullptr;
}
