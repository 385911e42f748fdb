// The clipboard and the 8-bit texts of a copy, against Wine's real calls.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "text/ClipboardDocument.h"
#include "text/win/RtfClipboard.h"

namespace {

UINT RichText() { return RegisterClipboardFormatW(L"Rich Text Format"); }

std::string ClipboardBytes(UINT format) {
    std::string out;
    if (!OpenClipboard(nullptr)) return "<cannot open>";
    if (HANDLE h = GetClipboardData(format)) {
        const char* p = static_cast<const char*>(GlobalLock(h));
        out.assign(p, GlobalSize(h));
        GlobalUnlock(h);
    }
    CloseClipboard();
    return out;
}

void PutText(const char* text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    memcpy(GlobalLock(h), text, strlen(text) + 1);
    GlobalUnlock(h);
    SetClipboardData(CF_TEXT, h);
    CloseClipboard();
}

// Another program holding the clipboard open: a thread of ours that opens it
// and keeps it open until told to let go, or for `milliseconds`.
class TClipboardHolder {
public:
    explicit TClipboardHolder(DWORD milliseconds = INFINITE) {
        FThread = std::thread([this, milliseconds] {
            // The clipboard is held by a window: opened without one, it
            // would be shared by every caller that has none.
            HWND window = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          nullptr, nullptr);
            FOpened = OpenClipboard(window) != 0;
            FReady = true;
            WaitForSingleObject(FRelease, milliseconds);
            if (FOpened) CloseClipboard();
            DestroyWindow(window);
        });
        while (!FReady) Sleep(1);
    }
    ~TClipboardHolder() {
        SetEvent(FRelease);
        FThread.join();
        CloseHandle(FRelease);
    }
    bool Opened() const { return FOpened; }

private:
    HANDLE FRelease = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> FReady{false}, FOpened{false};
    std::thread FThread;
};

}  // namespace

TEST(RtfClipboard, TheDocumentIsTheOnlyFormatWithItsNul) {
    PutText("before");
    ASSERT_TRUE(PutRtfOnClipboard(nullptr, RichText(), "{\\rtf1 a}"));
    EXPECT_EQ(ClipboardBytes(RichText()), std::string("{\\rtf1 a}", 10));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(CountClipboardFormats(), 1);
    CloseClipboard();
}

TEST(RtfClipboard, AClipboardHeldForAMomentIsWaitedFor) {
    PutText("before");
    TClipboardHolder holder(3 * ClipboardRetryMilliseconds);
    ASSERT_TRUE(holder.Opened());
    EXPECT_TRUE(PutRtfOnClipboard(nullptr, RichText(), "{\\rtf1 b}"));
    EXPECT_EQ(ClipboardBytes(RichText()), std::string("{\\rtf1 b}", 10));
}

TEST(RtfClipboard, AClipboardThatStaysHeldIsReportedAndKeepsItsContent) {
    PutText("before");
    {
        TClipboardHolder holder;
        ASSERT_TRUE(holder.Opened());
        EXPECT_FALSE(PutRtfOnClipboard(nullptr, RichText(), "{\\rtf1 c}"));
    }
    EXPECT_EQ(ClipboardBytes(CF_TEXT), std::string("before", 7));
    EXPECT_EQ(ClipboardBytes(RichText()), "");
}

// Each 8-bit text is sized by its own code page: a character that the code
// page writes in fewer bytes than UTF-16 units (one outside the BMP) or in
// more never cuts the end off, nor writes past it.
TEST(RtfClipboard, EightBitTextsKeepTheWholeDocument) {
    const std::u16string document = u"{\\rtf1 \U0001D538 \u0627\u0644 \u00e9 end}";
    for (const std::string& text : {RtfToAnsi(document), RtfToOem(document)}) {
        EXPECT_EQ(text.rfind("{\\rtf1 ", 0), 0u) << text;
        EXPECT_EQ(text.substr(text.size() - 5), " end}") << text;
    }
    const std::u16string ascii = u"{\\rtf1\\ansi {\\f0 \\u1575?}}";
    EXPECT_EQ(RtfToOem(ascii), "{\\rtf1\\ansi {\\f0 \\u1575?}}");
    EXPECT_EQ(RtfToAnsi(ascii), "{\\rtf1\\ansi {\\f0 \\u1575?}}");
    EXPECT_EQ(RtfToOem(u""), "");
}

// With the HTML and the text chosen, one copy puts three formats, each with
// its NUL: the Rich Text in 8 bits, the HTML in UTF-8, the text in UTF-16;
// the system derives CF_TEXT from the Unicode text. Without them, the Rich
// Text alone, as before.
TEST(RtfClipboard, ADocumentWithHtmlAndTextPutsThreeFormats) {
    TClipboardDocument document;
    document.Rtf = u"{\\rtf1 d}";
    document.Html = "Version:0.9\r\n<b>\xD8\xA8</b>";
    document.Text = u"\uFD3F\u0628\uFD3E";
    ASSERT_NE(HtmlClipboardFormat(), 0u);
    ASSERT_TRUE(PutBlocksOnClipboard(nullptr, ClipboardBlocks(document, RichText())));
    EXPECT_EQ(ClipboardBytes(RichText()), std::string("{\\rtf1 d}", 10));
    EXPECT_EQ(ClipboardBytes(HtmlClipboardFormat()), *document.Html + '\0');
    EXPECT_EQ(ClipboardBytes(CF_UNICODETEXT), std::string("\x3F\xFD\x28\x06\x3E\xFD\0\0", 8));
    EXPECT_FALSE(ClipboardBytes(CF_TEXT).empty()) << "derived by the system";

    document.Html.reset();
    document.Text.reset();
    ASSERT_TRUE(PutBlocksOnClipboard(nullptr, ClipboardBlocks(document, RichText())));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(CountClipboardFormats(), 1);
    CloseClipboard();
}
