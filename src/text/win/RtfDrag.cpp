#include "text/win/RtfDrag.h"

#include <ole2.h>

#include <cstring>
#include <vector>

#include "base/win/WideText.h"
#include "text/ClipboardDocument.h"
#include "text/DragDetection.h"
#include "text/win/RtfClipboard.h"

namespace {

// One rendered clipboard format of the drag: its bytes in global memory.
struct TFormatData {
    FORMATETC Format;
    std::vector<std::uint8_t> Bytes;
};

HGLOBAL ToGlobal(const std::vector<std::uint8_t>& bytes) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, bytes.size());
    if (!h) return nullptr;
    if (void* p = GlobalLock(h)) {
        std::memcpy(p, bytes.data(), bytes.size());
        GlobalUnlock(h);
    }
    return h;
}

FORMATETC HGlobalFormat(UINT cf) { return {CLIPFORMAT(cf), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// IUnknown for a single-interface object that deletes itself with its last reference.
template <class I, const IID& Iid>
class TComObject : public I {
public:
    virtual ~TComObject() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == Iid) {
            *out = static_cast<I*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++FRefs; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG n = --FRefs;
        if (!n) delete this;
        return n;
    }

private:
    ULONG FRefs = 1;
};

class TFormatEnumerator final : public TComObject<IEnumFORMATETC, IID_IEnumFORMATETC> {
public:
    TFormatEnumerator(std::vector<FORMATETC> formats, ULONG at = 0) : FFormats(std::move(formats)), FAt(at) {}
    HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* out, ULONG* fetched) override {
        ULONG n = 0;
        while (n < count && FAt < FFormats.size()) out[n++] = FFormats[FAt++];
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        FAt = std::min<ULONG>(ULONG(FFormats.size()), FAt + count);
        return FAt < FFormats.size() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        FAt = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** out) override {
        *out = new TFormatEnumerator(FFormats, FAt);
        return S_OK;
    }

private:
    std::vector<FORMATETC> FFormats;
    ULONG FAt;
};

class TRtfDataObject final : public TComObject<IDataObject, IID_IDataObject> {
public:
    explicit TRtfDataObject(std::vector<TFormatData> data) : FData(std::move(data)) {}
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* want, STGMEDIUM* medium) override {
        const TFormatData* d = Lookup(want);
        if (!d) return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = ToGlobal(d->Bytes);
        medium->pUnkForRelease = nullptr;
        return medium->hGlobal ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* want) override { return Lookup(want) ? S_OK : DV_E_FORMATETC; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        std::vector<FORMATETC> formats;
        for (const TFormatData& d : FData) formats.push_back(d.Format);
        *out = new TFormatEnumerator(std::move(formats));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    const TFormatData* Lookup(const FORMATETC* want) const {
        if (!(want->tymed & TYMED_HGLOBAL) || want->dwAspect != DVASPECT_CONTENT) return nullptr;
        for (const TFormatData& d : FData)
            if (d.Format.cfFormat == want->cfFormat) return &d;
        return nullptr;
    }
    std::vector<TFormatData> FData;
};

class TCopyDropSource final : public TComObject<IDropSource, IID_IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) return DRAGDROP_S_CANCEL;
        if (!(keys & (MK_LBUTTON | MK_RBUTTON))) return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

bool DetectDrag(HWND view) {
    if (!(GetKeyState(VK_LBUTTON) & 0x8000) && !(GetKeyState(VK_RBUTTON) & 0x8000)) return false;
    POINT start;
    GetCursorPos(&start);
    TDragDetector detector(start.x, start.y, GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG),
                           GetTickCount());
    SetCapture(view);
    while (detector.State() == TDragDetector::dsWaiting) {
        if (GetCapture() != view) {
            detector.Cancelled();
            break;
        }
        const DWORD now = GetTickCount();
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, detector.MillisecondsUntilStill(now), QS_ALLINPUT) ==
            WAIT_TIMEOUT) {
            detector.Idle(GetTickCount());
            continue;
        }
        MSG msg;
        while (detector.State() == TDragDetector::dsWaiting && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            switch (msg.message) {
            case WM_MOUSEMOVE: {
                POINT p;
                GetCursorPos(&p);
                detector.PointerMoved(p.x, p.y, GetTickCount());
                break;
            }
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_CANCELMODE:
                detector.Cancelled();
                break;
            case WM_KEYDOWN:
                if (msg.wParam == VK_ESCAPE) detector.Cancelled();
                else detector.OtherInput(GetTickCount());
                break;
            case WM_QUIT:
                detector.Cancelled();
                PostQuitMessage(int(msg.wParam));  // the run still ends
                break;
            default:
                if (msg.message >= WM_KEYFIRST && msg.message <= WM_MOUSELAST) detector.OtherInput(GetTickCount());
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }
    if (GetCapture() == view) ReleaseCapture();
    return detector.State() == TDragDetector::dsDrag;
}

void RunRtfDrag(const TClipboardDocument& document, UINT rtfFormat) {
    const std::string ansi = RtfToAnsi(document.Rtf);
    // The text formats hold the plain text when the user chose to offer it,
    // and otherwise the markup itself.
    const std::u16string& text = document.Text ? *document.Text : document.Rtf;
    const LCID locale = GetThreadLocale();
    std::vector<std::uint8_t> localeBytes(sizeof locale);
    std::memcpy(localeBytes.data(), &locale, sizeof locale);

    std::vector<TFormatData> data;
    data.push_back({HGlobalFormat(CF_UNICODETEXT), TerminatedBytes(text)});
    data.push_back({HGlobalFormat(CF_TEXT), TerminatedBytes(document.Text ? RtfToAnsi(text) : ansi)});
    data.push_back({HGlobalFormat(CF_OEMTEXT), TerminatedBytes(RtfToOem(text))});
    data.push_back({HGlobalFormat(CF_LOCALE), localeBytes});
    data.push_back({HGlobalFormat(rtfFormat), TerminatedBytes(ansi)});  // begins with "{\rtf": passed unchanged
    if (document.Html && HtmlClipboardFormat())
        data.push_back({HGlobalFormat(HtmlClipboardFormat()), TerminatedBytes(*document.Html)});

    auto* object = new TRtfDataObject(std::move(data));
    auto* source = new TCopyDropSource;
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(object, source, DROPEFFECT_COPY, &effect);
    source->Release();
    object->Release();
}
