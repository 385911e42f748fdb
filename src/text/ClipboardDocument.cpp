#include "text/ClipboardDocument.h"

#include "text/CopiedText.h"
#include "text/HtmlComposition.h"
#include "text/PlainTextComposition.h"
#include "text/RtfComposition.h"

TClipboardDocument ClipboardDocument(const TCopiedText& copy, const TCopyOptions& options) {
    TClipboardDocument d;
    d.Rtf = CopiedRtf(copy);
    if (options.HtmlAndText) {
        d.Html = CopiedHtml(copy);
        d.Text = CopiedPlainText(copy);
    }
    return d;
}
