#include "ui/message_dialog.h"

#include <windows.h>

#include <algorithm>

#include "ui/application.h"
#include "ui/display_dpi.h"
#include "ui/form.h"
#include "ui/gdi.h"

namespace natalo::ui {
namespace {

constexpr int kFirstButtonId = 100;
constexpr int kNoId = -1;  // labels and the icon need no id
constexpr int kMargin = 14;
constexpr int kIconSize = 32;
constexpr int kButtonHeight = 25;
constexpr int kButtonMinWidth = 80;
constexpr int kButtonGap = 8;
constexpr int kMaximumTextWidth = 420;

LPCSTR SystemIconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return IDI_INFORMATION;
        case MessageIcon::Warning:
            return IDI_WARNING;
        case MessageIcon::Error:
            return IDI_ERROR;
        case MessageIcon::Question:
            return IDI_QUESTION;
        case MessageIcon::None:
            break;
    }
    return nullptr;
}

// A dialog template without controls: the dialog procedure creates them at pixel
// positions, since dialog units cannot give exact pixels.
std::vector<WORD> EmptyDialogTemplate(const std::string& caption) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    header->cx = 100;
    header->cy = 50;
    words.push_back(0);  // no menu
    words.push_back(0);  // the standard dialog class
    int length = ::MultiByteToWideChar(CP_ACP, 0, caption.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, caption.c_str(), -1, wide.data(), length);
    for (wchar_t c : wide)
        words.push_back(static_cast<WORD>(c));  // includes the terminator
    words.push_back(8);                         // point size of the dialog font
    for (wchar_t c : std::wstring(L"MS Shell Dlg"))
        words.push_back(static_cast<WORD>(c));
    words.push_back(0);
    return words;
}

}  // namespace

struct MessageDialogProcedure {
    static void Layout(HWND dialog, MessageDialog& self) {
        // The template's font, made for the dialog's DPI: the layout below is in pixels.
        const int dpi = App().DpiOf(dialog);
        auto px = [dpi](int layoutPixels) { return ScaleToDpi(layoutPixels, dpi); };
        HFONT font = CachedFont(FontSpec::Points("MS Shell Dlg", 8), dpi);
        ::SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        HINSTANCE instance = ::GetModuleHandleA(nullptr);
        const int margin = px(kMargin);
        const int iconSize = px(kIconSize);
        auto create = [&](const char* className, const std::string& text, DWORD style, int left,
                          int top, int width, int height, int id) {
            HWND control = ::CreateWindowExA(
                0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, left, top, width, height,
                dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
            ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            return control;
        };

        int textLeft = margin;
        if (LPCSTR iconName = SystemIconName(self.icon_)) {
            HWND icon = create("STATIC", "", SS_ICON, margin, margin, iconSize, iconSize, kNoId);
            self.shownIcon_.reset(LoadIconForSize(nullptr, iconName, iconSize));
            ::SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(self.shownIcon_.get()), 0);
            textLeft += iconSize + margin;
        }
        SIZE text =
            MeasureText(font, self.text_, DT_WORDBREAK | DT_NOPREFIX, px(kMaximumTextWidth));
        text.cx = std::max<LONG>(text.cx, 1);
        int textTop = margin;
        if (self.icon_ != MessageIcon::None && text.cy < iconSize) {
            textTop += (iconSize - text.cy) / 2;
        }
        create("STATIC", self.text_, SS_LEFT | SS_NOPREFIX, textLeft, textTop, text.cx, text.cy,
               kNoId);

        std::vector<int> widths;
        int buttonsWidth = 0;
        for (const DialogButton& button : self.buttons_) {
            int width = std::max<int>(px(kButtonMinWidth),
                                      MeasureText(font, button.caption, DT_SINGLELINE).cx + px(24));
            widths.push_back(width);
            buttonsWidth += width;
        }
        if (!widths.empty())
            buttonsWidth += px(kButtonGap) * static_cast<int>(widths.size() - 1);

        int contentBottom = std::max<int>(textTop + text.cy,
                                          self.icon_ != MessageIcon::None ? margin + iconSize : 0);
        int clientWidth = std::max<int>(textLeft + text.cx + margin, buttonsWidth + 2 * margin);
        int buttonsTop = contentBottom + margin + px(4);
        int clientHeight = buttonsTop + px(kButtonHeight) + margin;

        int left = (clientWidth - buttonsWidth) / 2;
        for (size_t index = 0; index < self.buttons_.size(); ++index) {
            bool isDefault = static_cast<int>(index) == self.defaultButton_;
            DWORD style = WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                          (index == 0 ? WS_GROUP : 0);
            create("BUTTON", self.buttons_[index].caption, style, left, buttonsTop, widths[index],
                   px(kButtonHeight), kFirstButtonId + static_cast<int>(index));
            left += widths[index] + px(kButtonGap);
        }

        RECT frame{0, 0, clientWidth, clientHeight};
        AdjustWindowRectForDpi(frame, static_cast<DWORD>(::GetWindowLongA(dialog, GWL_STYLE)),
                               static_cast<DWORD>(::GetWindowLongA(dialog, GWL_EXSTYLE)), dpi);
        int width = frame.right - frame.left;
        int height = frame.bottom - frame.top;
        RECT work{};
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        ::SetWindowPos(dialog, nullptr, work.left + (work.right - work.left - width) / 2,
                       work.top + (work.bottom - work.top - height) / 2, width, height,
                       SWP_NOZORDER);
        if (!self.buttons_.empty()) {
            int defaultId = kFirstButtonId + self.defaultButton_;
            ::SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
            ::SetFocus(::GetDlgItem(dialog, defaultId));
        }
    }

    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        try {
            switch (message) {
                case WM_INITDIALOG:
                    ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
                    Layout(dialog, *reinterpret_cast<MessageDialog*>(lParam));
                    return FALSE;  // the focus is set
                case WM_COMMAND: {
                    auto* self =
                        reinterpret_cast<MessageDialog*>(::GetWindowLongPtrA(dialog, DWLP_USER));
                    int id = LOWORD(wParam);
                    if (id == IDCANCEL) {
                        ::EndDialog(dialog, kDialogDismissed);
                        return TRUE;
                    }
                    int index = id - kFirstButtonId;
                    if (self && index >= 0 && index < static_cast<int>(self->buttons_.size())) {
                        ::EndDialog(dialog, self->buttons_[index].result);
                        return TRUE;
                    }
                    return FALSE;
                }
                default:
                    return FALSE;
            }
        } catch (...) {
            App().HandleCurrentException();
            return FALSE;
        }
    }
};

MessageDialog::MessageDialog(std::string caption, std::string text, MessageIcon icon,
                             std::vector<DialogButton> buttons, int defaultButton)
    : caption_(std::move(caption)),
      text_(std::move(text)),
      icon_(icon),
      buttons_(std::move(buttons)),
      defaultButton_(
          std::clamp(defaultButton, 0, std::max(0, static_cast<int>(buttons_.size()) - 1))) {}

int MessageDialog::ShowModal() {
    HWND owner = ::GetActiveWindow();
    // DialogBox disables the owner; the application's other visible forms go too.
    std::vector<HWND> disabled;
    for (Form* form : App().Forms()) {
        HWND window = form->Handle();
        if (window && window != owner && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
            ::EnableWindow(window, FALSE);
            disabled.push_back(window);
        }
    }
    std::vector<WORD> dialogTemplate = EmptyDialogTemplate(caption_);
    INT_PTR result = ::DialogBoxIndirectParamA(
        ::GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(dialogTemplate.data()), owner,
        &MessageDialogProcedure::Procedure, reinterpret_cast<LPARAM>(this));
    for (HWND window : disabled) {
        if (::IsWindow(window))
            ::EnableWindow(window, TRUE);
    }
    return result < 0 ? kDialogDismissed : static_cast<int>(result);
}

int ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) {
    return MessageDialog(caption, text, icon, {{"OK", 1}}).ShowModal();
}

}  // namespace natalo::ui
