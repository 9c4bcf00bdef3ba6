#include "ui/frame_accessible.h"

#include <oleacc.h>

#include <atomic>
#include <new>

#include "ui/window.h"

namespace natalo::ui {
namespace {

// A caption as it is read: without the "&" that marks its mnemonic ("&&" is one "&").
std::string ReadCaption(const std::string& caption) {
    std::string read;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        if (caption[at] == '&' && at + 1 < caption.size())
            ++at;
        read += caption[at];
    }
    return read;
}

// The mnemonic of a caption as a shortcut ("Alt+D"), or empty.
std::string Shortcut(const std::string& caption) {
    for (std::size_t at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] == '&' && caption[at + 1] != '&')
            return std::string("Alt+") + caption[at + 1];
        if (caption[at] == '&')
            ++at;
    }
    return {};
}

HRESULT ToBstr(const std::string& text, BSTR* result) {
    if (!result)
        return E_INVALIDARG;
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    *result = ::SysAllocStringLen(nullptr, static_cast<UINT>(length > 0 ? length - 1 : 0));
    if (!*result)
        return E_OUTOFMEMORY;
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, *result, length);
    return S_OK;
}

HRESULT ToVariant(long value, VARIANT* result) {
    if (!result)
        return E_INVALIDARG;
    ::VariantInit(result);
    result->vt = VT_I4;
    result->lVal = value;
    return S_OK;
}

class FramePartObject final : public IAccessible {
  public:
    FramePartObject(HWND window, FramePart part) : window_(window), part_(part) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    // IDispatch: screen readers call the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count)
            *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent)
            return E_INVALIDARG;
        return ::AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW),
                                            IID_IDispatch, reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        FrameParts* parts = Parts();
        if (!count)
            return E_INVALIDARG;
        if (!parts)
            return RPC_E_DISCONNECTED;
        *count = part_ == FramePart::MenuStrip
                     ? static_cast<long>(parts->MenuStripCaptions().size())
                     : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        if (child)
            *child = nullptr;
        return S_FALSE;  // the items are simple elements of this object
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        std::string text;
        if (HRESULT found = Text(child, text); FAILED(found))
            return found;
        return ToBstr(ReadCaption(text), name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
        if (value)
            *value = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override {
        if (text)
            *text = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (HRESULT found = Check(child); FAILED(found))
            return found;
        if (part_ == FramePart::TitleBand)
            return ToVariant(ROLE_SYSTEM_TITLEBAR, role);
        return ToVariant(Item(child) < 0 ? ROLE_SYSTEM_MENUBAR : ROLE_SYSTEM_MENUITEM, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (HRESULT found = Check(child); FAILED(found))
            return found;
        return ToVariant(Item(child) < 0 ? 0 : STATE_SYSTEM_HASPOPUP, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        if (help)
            *help = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (file)
            *file = nullptr;
        if (topic)
            *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        std::string text;
        if (HRESULT found = Text(child, text); FAILED(found))
            return found;
        if (Item(child) < 0) {
            *shortcut = nullptr;
            return S_FALSE;
        }
        return ToBstr(Shortcut(text), shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (focus)
            ::VariantInit(focus);  // VT_EMPTY: the focus is elsewhere
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (selection)
            ::VariantInit(selection);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (HRESULT found = Check(child); FAILED(found))
            return found;
        if (Item(child) < 0) {
            *action = nullptr;
            return S_FALSE;
        }
        return ToBstr("Open", action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (HRESULT found = Check(child); FAILED(found))
            return found;
        if (!left || !top || !width || !height)
            return E_INVALIDARG;
        const RECT at = Parts()->PartOnScreen(part_ == FramePart::TitleBand ? -1 : Item(child));
        *left = at.left;
        *top = at.top;
        *width = at.right - at.left;
        *height = at.bottom - at.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
        if (end)
            ::VariantInit(end);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* found) override {
        FrameParts* parts = Parts();
        if (!found)
            return E_INVALIDARG;
        if (!parts)
            return RPC_E_DISCONNECTED;
        const POINT point{x, y};
        const long count = part_ == FramePart::MenuStrip
                               ? static_cast<long>(parts->MenuStripCaptions().size())
                               : 0;
        for (long index = 0; index < count; ++index) {
            const RECT at = parts->PartOnScreen(static_cast<int>(index));
            if (::PtInRect(&at, point))
                return ToVariant(index + 1, found);
        }
        const RECT whole = parts->PartOnScreen(-1);
        if (part_ == FramePart::TitleBand && ::PtInRect(&whole, point))
            return ToVariant(CHILDID_SELF, found);
        ::VariantInit(found);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (HRESULT found = Check(child); FAILED(found))
            return found;
        if (Item(child) < 0)
            return DISP_E_MEMBERNOTFOUND;
        Parts()->OpenMenuStripItemSoon(Item(child));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    FrameParts* Parts() const { return ::IsWindow(window_) ? FramePartsOf(window_) : nullptr; }
    // The strip's item a child id names (0-based), or -1 for the object itself.
    static int Item(const VARIANT& child) {
        return child.vt == VT_I4 && child.lVal != CHILDID_SELF ? static_cast<int>(child.lVal - 1)
                                                               : -1;
    }
    // Whether the window is there and the child id names something.
    HRESULT Check(const VARIANT& child) const {
        FrameParts* parts = Parts();
        if (!parts)
            return RPC_E_DISCONNECTED;
        if (child.vt != VT_I4)
            return E_INVALIDARG;
        const int item = Item(child);
        const int count =
            part_ == FramePart::MenuStrip ? static_cast<int>(parts->MenuStripCaptions().size()) : 0;
        return item < count ? S_OK : E_INVALIDARG;
    }
    HRESULT Text(const VARIANT& child, std::string& text) const {
        if (HRESULT found = Check(child); FAILED(found))
            return found;
        const int item = Item(child);
        if (part_ == FramePart::TitleBand || item < 0) {
            text = part_ == FramePart::TitleBand ? Parts()->TitleText() : "Menu";
        } else {
            text = Parts()->MenuStripCaptions()[static_cast<std::size_t>(item)];
        }
        return S_OK;
    }

    HWND window_;
    FramePart part_;
    std::atomic<ULONG> references_{1};
};

}  // namespace

FrameParts* FramePartsOf(HWND window) {
    return dynamic_cast<FrameParts*>(Window::FromHandle(window));
}

LRESULT AccessibleFramePart(HWND window, FramePart part, WPARAM wParam) {
    // A COM object lives as long as its references: Release deletes it.
    auto* object = new (std::nothrow) FramePartObject(window, part);
    if (!object)
        return 0;
    // LresultFromObject takes a reference of its own; the one of the creation goes here.
    const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result;
}

}  // namespace natalo::ui
