#include "base/win/FontHandle.h"

#include "base/OutsideNames.h"
#include "base/win/WideText.h"

TFontHandle CreateQuranFont(int height) {
    return TFontHandle(CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ARABIC_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                                   WidePtr(QuranFontFamily)));
}

TFontHandle CreateInterfaceFont(bool arabic, int height) {
    return TFontHandle(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                   arabic ? ARABIC_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Tahoma"));
}

TFontHandle CreateLinkFont(int height) {
    return TFontHandle(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                                   L"Tahoma"));
}
