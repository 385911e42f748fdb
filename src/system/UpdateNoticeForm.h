#pragma once
// The update notice: its texts in both languages and its layout. The shell
// builds the small fixed window from these when the server's version is
// newer; the link shows and opens the product site.
#include "base/ControlPlace.h"
#include "base/DisplayScale.h"
#include "settings/Settings.h"

struct TUpdateNoticeTexts {
    const char16_t* Caption;
    const char16_t* Message;  // word-wrapped
    const char16_t* Cancel;
};
// Arabic texts come with a mirrored window layout its children do not inherit.
TUpdateNoticeTexts UpdateNoticeTexts(TAppLanguage language);
// What the link shows: the product site's address.
const char16_t* UpdateNoticeLinkText();

// The client size, places and character heights (negative, as fonts are
// created) in device pixels at the scale given.
struct TUpdateNoticePlaces {
    TSizeI Client;
    TControlPlace Message, Link, Cancel;
    int MessageFontHeight, LinkFontHeight;
};
TUpdateNoticePlaces UpdateNoticePlaces(TScale scale);
