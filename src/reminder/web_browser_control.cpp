#include "reminder/web_browser_control.h"

#include <cstdio>
#include <stdexcept>

namespace natalo {

// The container side that the browser control talks to. Its lifetime is the control's:
// the reference count is kept for the protocol, and the browser lets go of the site
// (SetClientSite(nullptr) and Close) before the control goes away.
class WebBrowserControl::Site : public IOleClientSite,
                                public IOleInPlaceSite,
                                public IOleInPlaceFrame {
  public:
    explicit Site(HWND host) : host_(host) {}

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
            *object = static_cast<IOleClientSite*>(this);
        } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
            *object = static_cast<IOleInPlaceSite*>(this);
        } else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) ||
                   IsEqualIID(iid, IID_IOleInPlaceFrame)) {
            *object = static_cast<IOleInPlaceFrame*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override { return references_ > 1 ? --references_ : 1; }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker)
            *moniker = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** container) override {
        if (container)
            *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (for the in-place site and the frame alike)
    STDMETHODIMP GetWindow(HWND* window) override {
        if (!window)
            return E_POINTER;
        *window = host_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT position, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) override {
        if (frame) {
            *frame = this;
            AddRef();
        }
        if (document)
            *document = nullptr;
        RECT client{};
        ::GetClientRect(host_, &client);
        if (position)
            *position = client;
        if (clip)
            *clip = client;
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = ::GetAncestor(host_, GA_ROOT);
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(LPRECT) override { return E_NOTIMPL; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  private:
    HWND host_;
    ULONG references_ = 1;
};

namespace {

void ThrowOnFailure(HRESULT result) {
    if (FAILED(result))
        throw std::runtime_error(ComErrorText(result));
}

std::wstring Widened(const std::string& text) {
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          length);
    return wide;
}

// A BSTR for the duration of one call.
class BasicString {
  public:
    explicit BasicString(const std::wstring& text)
        : value_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~BasicString() { ::SysFreeString(value_); }
    BasicString(const BasicString&) = delete;
    BasicString& operator=(const BasicString&) = delete;
    BSTR get() const { return value_; }

  private:
    BSTR value_;
};

}  // namespace

std::string ComErrorText(HRESULT result) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message;
    if (length > 0 && text)
        message.assign(text, length);
    if (text)
        ::LocalFree(text);
    // The error box adds its own period.
    while (!message.empty() && (message.back() == '\r' || message.back() == '\n' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    if (message.empty()) {
        char fallback[32];
        std::snprintf(fallback, sizeof fallback, "OLE-Fehler %08lX",
                      static_cast<unsigned long>(result));
        message = fallback;
    }
    return message;
}

const char* WebBrowserControl::ClassName() {
    static constexpr char kClass[] = "NataloWebBrowserHost";
    RegisterOwnClass(kClass, 0, IDC_ARROW);
    return kClass;
}

WebBrowserControl::WebBrowserControl(ui::Window& parent, const ui::Bounds& bounds)
    : Control(parent, bounds, "", ClassName(), WS_CLIPCHILDREN, 0, Kind::Own) {
    site_ = std::make_unique<Site>(Handle());
    CreateBrowser();
}

WebBrowserControl::~WebBrowserControl() {
    browser_.reset();
    if (oleObject_) {
        ComRef<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(oleObject_->QueryInterface(IID_IOleInPlaceObject, inPlace.outVoid())))
            inPlace->InPlaceDeactivate();
        oleObject_->Close(OLECLOSE_NOSAVE);
        oleObject_->SetClientSite(nullptr);
        oleObject_.reset();
    }
}

void WebBrowserControl::CreateBrowser() {
    ComRef<IOleObject> object;
    if (FAILED(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  object.outVoid()))) {
        return;
    }
    IOleClientSite* site = site_.get();
    if (FAILED(object->SetClientSite(site)))
        return;
    ::OleSetContainedObject(object.get(), TRUE);
    RECT client = ClientRect();
    ComRef<IWebBrowser2> browser;
    if (FAILED(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, -1, Handle(), &client)) ||
        FAILED(object->QueryInterface(IID_IWebBrowser2, browser.outVoid()))) {
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
        return;
    }
    // Script errors of a page are the page's business, not the user's.
    browser->put_Silent(VARIANT_TRUE);
    oleObject_ = std::move(object);
    browser_ = std::move(browser);
}

void WebBrowserControl::FitToWindow() {
    if (!oleObject_)
        return;
    ComRef<IOleInPlaceObject> inPlace;
    if (SUCCEEDED(oleObject_->QueryInterface(IID_IOleInPlaceObject, inPlace.outVoid()))) {
        RECT client = ClientRect();
        inPlace->SetObjectRects(&client, &client);
    }
}

bool WebBrowserControl::Navigate(const std::string& url) {
    if (!browser_)
        return false;
    BasicString address(Widened(url));
    VARIANT empty;
    ::VariantInit(&empty);
    return SUCCEEDED(browser_->Navigate(address.get(), &empty, &empty, &empty, &empty));
}

void WebBrowserControl::GoBack() {
    if (browser_)
        ThrowOnFailure(browser_->GoBack());
}

void WebBrowserControl::GoForward() {
    if (browser_)
        ThrowOnFailure(browser_->GoForward());
}

void WebBrowserControl::Stop() {
    if (browser_)
        ThrowOnFailure(browser_->Stop());
}

LRESULT WebBrowserControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            FitToWindow();
            return 0;
        case WM_ERASEBKGND: {
            RECT client = ClientRect();
            ::FillRect(reinterpret_cast<HDC>(wParam), &client,
                       static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
            return 1;
        }
        default:
            return Control::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace natalo
