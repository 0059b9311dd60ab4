#include "ui/ole_site_window.h"

#include <exdisp.h>
#include <exdispid.h>

namespace lumivex {

namespace {

ULONG AddRefOf(LONG& refs) {
    return static_cast<ULONG>(InterlockedIncrement(&refs));
}

template <class T>
HRESULT Hand(T* object, void** out) {
    object->AddRef();
    *out = object;
    return S_OK;
}

}  // namespace

// ---------------------------------------------------------------- frame

HRESULT BrowserFrame::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceUIWindow) ||
        IsEqualIID(iid, IID_IOleInPlaceFrame))
        return Hand(static_cast<IOleInPlaceFrame*>(this), out);
    return E_NOINTERFACE;
}

ULONG BrowserFrame::AddRef() { return AddRefOf(refs_); }
ULONG BrowserFrame::Release() {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT BrowserFrame::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = frame_;
    return frame_ ? S_OK : E_FAIL;
}

HRESULT BrowserFrame::ContextSensitiveHelp(WINBOOL) { return E_NOTIMPL; }
HRESULT BrowserFrame::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT BrowserFrame::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }

// A null request means the object wants no space, which is all we can give.
HRESULT BrowserFrame::SetBorderSpace(LPCBORDERWIDTHS widths) { return widths ? INPLACE_E_NOTOOLSPACE : S_OK; }

HRESULT BrowserFrame::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }

HRESULT BrowserFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS widths) {
    if (widths)
        for (LONG& width : widths->width) width = 0;
    return S_OK;
}

HRESULT BrowserFrame::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT BrowserFrame::RemoveMenus(HMENU) { return S_OK; }
HRESULT BrowserFrame::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT BrowserFrame::EnableModeless(WINBOOL) { return S_OK; }
HRESULT BrowserFrame::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// ---------------------------------------------------------------- site

BrowserSite::BrowserSite(HWND host) : host_(host), frame_(new BrowserFrame(GetAncestor(host, GA_ROOT))) {}

BrowserSite::~BrowserSite() { frame_->Release(); }

void BrowserSite::Detach() {
    host_ = nullptr;
    frame_->Detach();
}

HRESULT BrowserSite::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        return Hand(static_cast<IOleClientSite*>(this), out);
    if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
        return Hand(static_cast<IOleInPlaceSite*>(this), out);
    if (IsEqualIID(iid, IID_IDocHostUIHandler)) return Hand(static_cast<IDocHostUIHandler*>(this), out);
    return E_NOINTERFACE;
}

ULONG BrowserSite::AddRef() { return AddRefOf(refs_); }
ULONG BrowserSite::Release() {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

// IOleClientSite: the control is never saved and has no container.
HRESULT BrowserSite::SaveObject() { return E_NOTIMPL; }

HRESULT BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

HRESULT BrowserSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}

HRESULT BrowserSite::ShowObject() { return S_OK; }
HRESULT BrowserSite::OnShowWindow(WINBOOL) { return S_OK; }
HRESULT BrowserSite::RequestNewObjectLayout() { return E_NOTIMPL; }

// IOleInPlaceSite
HRESULT BrowserSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = host_;
    return host_ ? S_OK : E_FAIL;
}

HRESULT BrowserSite::ContextSensitiveHelp(WINBOOL) { return E_NOTIMPL; }
HRESULT BrowserSite::CanInPlaceActivate() { return host_ ? S_OK : S_FALSE; }
HRESULT BrowserSite::OnInPlaceActivate() { return S_OK; }
HRESULT BrowserSite::OnUIActivate() { return S_OK; }

HRESULT BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                      LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (frame) *frame = nullptr;
    if (document) *document = nullptr;  // no document window of its own: the frame serves
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    if (!host_) return E_FAIL;
    frame_->AddRef();
    *frame = frame_;
    GetClientRect(host_, position);
    *clip = *position;
    // info->cb is the caller's, telling how much of the structure it has.
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(host_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

HRESULT BrowserSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT BrowserSite::OnUIDeactivate(WINBOOL) { return S_OK; }
HRESULT BrowserSite::OnInPlaceDeactivate() { return S_OK; }
HRESULT BrowserSite::DiscardUndoState() { return S_OK; }
HRESULT BrowserSite::DeactivateAndUndo() { return S_OK; }

// The area is fixed: the control keeps the rectangle it was given.
HRESULT BrowserSite::OnPosRectChange(LPCRECT) { return S_OK; }

// IDocHostUIHandler. S_OK from ShowContextMenu means "handled": no menu.
HRESULT BrowserSite::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) { return S_OK; }

HRESULT BrowserSite::GetHostInfo(DOCHOSTUIINFO* info) {
    if (!info) return E_POINTER;
    info->dwFlags = DOCHOSTUIFLAG_DIALOG | DOCHOSTUIFLAG_DISABLE_HELP_MENU | DOCHOSTUIFLAG_NO3DBORDER |
                    DOCHOSTUIFLAG_SCROLL_NO | DOCHOSTUIFLAG_NO3DOUTERBORDER;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    info->pchHostCss = nullptr;
    info->pchHostNS = nullptr;
    return S_OK;
}

HRESULT BrowserSite::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                            IOleInPlaceUIWindow*) {
    return S_OK;
}

HRESULT BrowserSite::HideUI() { return S_OK; }
HRESULT BrowserSite::UpdateUI() { return S_OK; }
HRESULT BrowserSite::EnableModeless(WINBOOL) { return S_OK; }
HRESULT BrowserSite::OnDocWindowActivate(WINBOOL) { return S_OK; }
HRESULT BrowserSite::OnFrameWindowActivate(WINBOOL) { return S_OK; }
HRESULT BrowserSite::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, WINBOOL) { return S_OK; }
HRESULT BrowserSite::TranslateAccelerator(LPMSG, const GUID*, DWORD) { return S_FALSE; }

HRESULT BrowserSite::GetOptionKeyPath(LPOLESTR* key, DWORD) {
    if (key) *key = nullptr;
    return S_FALSE;
}

HRESULT BrowserSite::GetDropTarget(IDropTarget*, IDropTarget** target) {
    if (target) *target = nullptr;
    return E_NOTIMPL;
}

HRESULT BrowserSite::GetExternal(IDispatch** external) {
    if (external) *external = nullptr;
    return E_NOTIMPL;
}

HRESULT BrowserSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* out) {
    if (out) *out = nullptr;
    return S_FALSE;
}

HRESULT BrowserSite::FilterDataObject(IDataObject*, IDataObject** out) {
    if (out) *out = nullptr;
    return S_FALSE;
}

// ---------------------------------------------------------------- events

HRESULT BrowserEvents::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID_DWebBrowserEvents2))
        return Hand(static_cast<IDispatch*>(this), out);
    return E_NOINTERFACE;
}

ULONG BrowserEvents::AddRef() { return AddRefOf(refs_); }
ULONG BrowserEvents::Release() {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT BrowserEvents::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT BrowserEvents::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT BrowserEvents::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

// NavigateError(pDisp, URL, Frame, StatusCode, Cancel): the arguments come
// last first, so Cancel is rgvarg[0]. Cancelling keeps the browser's own
// error page out of the banner area until the host has swapped it out.
HRESULT BrowserEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
    if (id == DISPID_DOCUMENTCOMPLETE) {
        if (host_) PostMessageW(host_, loadedMessage_, 0, 0);
        return S_OK;
    }
    if (id != DISPID_NAVIGATEERROR) return S_OK;
    if (params && params->cArgs >= 5 && params->rgvarg[0].vt == (VT_BYREF | VT_BOOL) && params->rgvarg[0].pboolVal)
        *params->rgvarg[0].pboolVal = VARIANT_TRUE;
    if (host_) PostMessageW(host_, failMessage_, 0, 0);
    return S_OK;
}

}  // namespace lumivex
