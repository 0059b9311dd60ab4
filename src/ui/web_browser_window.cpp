#include "ui/web_browser_window.h"

#include "ui/com_ptr.h"
#include "ui/control_ids.h"
#include "ui/ole_site_window.h"
#include "app/res_url.h"

#include <exdisp.h>
#include <ocidl.h>
#include <urlmon.h>

#include <string>

namespace lumivex {

namespace {

constexpr wchar_t kHostClass[] = L"LumivexBrowserHost";

// Posted by the event sink when the page cannot be shown.
constexpr UINT WM_APP_BROWSER_FAILED = WM_APP + 1;
constexpr UINT WM_APP_BROWSER_LOADED = WM_APP + 2;

// The HTML document class: where it cannot be had, there is no engine to
// render the page, and a browser control would only show an empty area.
constexpr CLSID kClsidHtmlDocument = {0x25336920, 0x03f9, 0x11cf, {0x8f, 0xd0, 0x00, 0xaa, 0x00, 0x68, 0x6f, 0x13}};

// Everything the host window owns. Released in WM_DESTROY, while the
// control's own windows (children of the host) still exist; freed in
// WM_NCDESTROY.
struct BrowserHost {
    HINSTANCE instance = nullptr;
    HFONT font = nullptr;
    bool oleReady = false;
    ComPtr<BrowserSite> site;
    ComPtr<BrowserEvents> events;
    ComPtr<IOleObject> object;
    ComPtr<IWebBrowser2> browser;
    ComPtr<IConnectionPoint> eventPoint;
    DWORD eventCookie = 0;
};

BrowserHost* HostOf(HWND hwnd) { return reinterpret_cast<BrowserHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

HWND CreateFallbackLabel(HWND parent, HINSTANCE instance, RECT rect, HFONT font) {
    HWND label = CreateWindowExW(0, L"STATIC", L"Lumivex 窗口查看工具", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE,
                                 rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                 reinterpret_cast<HMENU>(IDC_BANNER), instance, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return label;
}

bool HtmlEngineAvailable() {
    ComPtr<IClassFactory> factory;
    return SUCCEEDED(
        CoGetClassObject(kClsidHtmlDocument, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.PutVoid()));
}

// The full path of the module; empty if it cannot be had whole.
std::wstring ModulePath(HINSTANCE instance) {
    constexpr std::size_t kLongestPath = 32768;  // the longest path Windows allows, in characters
    for (std::size_t size = MAX_PATH; size < 2 * kLongestPath; size *= 2) {
        std::wstring path(size, L'\0');
        const DWORD length = GetModuleFileNameW(instance, path.data(), static_cast<DWORD>(size));
        if (length == 0) return {};
        if (length < size) {  // not truncated
            path.resize(length);
            return path;
        }
    }
    return {};
}

bool NavigateToBanner(IWebBrowser2& browser, HINSTANCE instance) {
    const std::wstring path = ModulePath(instance);
    if (path.empty()) return false;
    VARIANT url;
    VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = SysAllocString(ResPageUrl(path, IDH_ABOUT_PAGE).c_str());
    if (!url.bstrVal) return false;
    VARIANT empty;
    VariantInit(&empty);
    const HRESULT hr = browser.Navigate2(&url, &empty, &empty, &empty, &empty);
    VariantClear(&url);
    return SUCCEEDED(hr);
}

// Failed navigations come back as events; without the sink the browser's
// error page would show instead of the label, so a missing sink is no
// reason to give up the control.
void ConnectEvents(HWND hwnd, BrowserHost& host) {
    auto container = host.object.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container) return;
    ComPtr<IConnectionPoint> point;
    if (FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Put()))) return;
    host.events = ComPtr<BrowserEvents>::Adopt(new BrowserEvents(hwnd, WM_APP_BROWSER_FAILED, WM_APP_BROWSER_LOADED));
    DWORD cookie = 0;
    if (FAILED(point->Advise(host.events.Get(), &cookie))) return;
    host.eventPoint = point;
    host.eventCookie = cookie;
}

// Places the control in the host window, in-place active, and starts the
// navigation. Any step failing means the label is to be shown instead.
bool EmbedControl(HWND hwnd, BrowserHost& host) {
    if (!HtmlEngineAvailable()) return false;
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                host.object.PutVoid())))
        return false;
    host.site = ComPtr<BrowserSite>::Adopt(new BrowserSite(hwnd));
    IOleClientSite* site = host.site.Get();
    // The browser wants its site before it is initialised.
    if (FAILED(host.object->SetClientSite(site))) return false;
    if (auto persist = host.object.As<IPersistStreamInit>(IID_IPersistStreamInit))
        if (FAILED(persist->InitNew())) return false;

    RECT area;
    GetClientRect(hwnd, &area);
    if (FAILED(host.object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, hwnd, &area))) return false;
    host.browser = host.object.As<IWebBrowser2>(IID_IWebBrowser2);
    if (!host.browser) return false;

    ConnectEvents(hwnd, host);
    host.browser->put_Silent(VARIANT_TRUE);  // no script error dialogs
    // A file dropped on the banner would navigate it away.
    host.browser->put_RegisterAsDropTarget(VARIANT_FALSE);
    return NavigateToBanner(*host.browser.Get(), host.instance);
}

// Undoes EmbedControl in reverse order; safe on a partly built host.
void ReleaseControl(BrowserHost& host) {
    if (host.eventPoint) host.eventPoint->Unadvise(host.eventCookie);
    host.eventPoint.Reset();
    if (host.events) host.events->Detach();
    host.events.Reset();
    host.browser.Reset();
    if (host.object) {
        host.object->Close(OLECLOSE_NOSAVE);  // leaves the in-place state, destroys its windows
        host.object->SetClientSite(nullptr);
        host.object.Reset();
    }
    if (host.site) host.site->Detach();
    host.site.Reset();
}

// The browser could not show the page after all: the label takes the area.
void ReplaceByLabel(HWND hwnd) {
    BrowserHost* host = HostOf(hwnd);
    HWND parent = GetParent(hwnd);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    const HINSTANCE instance = host->instance;
    const HFONT font = host->font;
    DestroyWindow(hwnd);  // host is freed from here on
    CreateFallbackLabel(parent, instance, rect, font);
}

// A page that finishes loading may take the keyboard focus; the banner is no
// place for it, so it goes back to the handle field as on every activation.
void GiveFocusBack(HWND host) {
    HWND focus = GetFocus();
    if (focus != host && !IsChild(host, focus)) return;
    HWND parent = GetParent(host);
    SetFocus(GetDlgItem(GetDlgItem(parent, IDC_TAB_PANEL0), IDC_HANDLE));
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_APP_BROWSER_FAILED:
            if (HostOf(hwnd)) ReplaceByLabel(hwnd);
            return 0;
        case WM_APP_BROWSER_LOADED:
            GiveFocusBack(hwnd);
            return 0;
        // A change of DPI moves the host and hands it the new font: the
        // page follows the host's size, a later fallback label the font.
        case WM_SIZE:
            if (BrowserHost* host = HostOf(hwnd); host && host->object) {
                RECT area;
                GetClientRect(hwnd, &area);
                if (auto inPlace = host->object.As<IOleInPlaceObject>(IID_IOleInPlaceObject))
                    inPlace->SetObjectRects(&area, &area);
            }
            return 0;
        case WM_SETFONT:
            if (BrowserHost* host = HostOf(hwnd)) host->font = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_DESTROY:
            if (BrowserHost* host = HostOf(hwnd)) {
                ReleaseControl(*host);
                if (host->oleReady) OleUninitialize();
                host->oleReady = false;
            }
            return 0;
        case WM_NCDESTROY:
            delete HostOf(hwnd);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
        default: break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateHostWindow(HWND parent, HINSTANCE instance, RECT rect) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = HostProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    RegisterClassExW(&wc);  // a second main window finds the class registered
    return CreateWindowExW(0, kHostClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(IDC_BANNER), instance, nullptr);
}

}  // namespace

HWND CreateWebBrowser(HWND parent, HINSTANCE instance, RECT rect, HFONT font) {
    // No clicks on navigation, whatever the control ends up showing.
    CoInternetSetFeatureEnabled(FEATURE_DISABLE_NAVIGATION_SOUNDS, SET_FEATURE_ON_PROCESS, TRUE);

    HWND hwnd = CreateHostWindow(parent, instance, rect);
    if (!hwnd) return CreateFallbackLabel(parent, instance, rect, font);
    // The window owns its state from here on: WM_NCDESTROY frees it.
    auto* host = new BrowserHost;
    host->instance = instance;
    host->font = font;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
    host->oleReady = SUCCEEDED(OleInitialize(nullptr));
    if (host->oleReady && EmbedControl(hwnd, *host)) return hwnd;
    DestroyWindow(hwnd);
    return CreateFallbackLabel(parent, instance, rect, font);
}

}  // namespace lumivex
