#include "preview_test_support.h"

#include <string>

namespace natalo::testing {

void RecordPages(TPagePreview& preview, int count) {
    static const COLORREF kBands[] = {RGB(230, 90, 60), RGB(60, 160, 90), RGB(200, 160, 40)};
    preview.BeginDoc();
    for (int page = 1; page <= count; ++page) {
        if (page > 1)
            preview.NewPage();
        TCanvas& canvas = preview.Canvas();
        canvas.SetBrush({kBands[(page - 1) % 3], false});
        canvas.SetPen({kBands[(page - 1) % 3], 1});
        canvas.Rectangle(1500, 2000, 19500, 6000);
        TFont font = canvas.Font();
        font.Size = 72;
        font.Bold = true;
        canvas.SetFont(font);
        canvas.SetBrush({RGB(255, 255, 255), true});
        canvas.TextOut(2500, 9000, "Page " + std::to_string(page));
    }
    preview.EndDoc();
}

HeldKeys::HeldKeys(std::initializer_list<int> keys) {
    ::GetKeyboardState(saved_);
    BYTE state[256];
    std::copy(std::begin(saved_), std::end(saved_), state);
    for (int key : keys)
        state[key] = 0x80;
    ::SetKeyboardState(state);
}

HeldKeys::~HeldKeys() {
    ::SetKeyboardState(saved_);
}

void TurnWheel(HWND window, POINT screen, int delta, unsigned keyState) {
    ::PostMessageA(window, WM_MOUSEWHEEL,
                   MAKEWPARAM(keyState, static_cast<WORD>(static_cast<short>(delta))),
                   MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
    ui::testing::Pump(10);
}

POINT ScreenCentre(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void PreviewWindowTest::SetUp() {
    UiTest::SetUp();
    ui::FormOptions options = ui::testing::TestForm::DefaultOptions();
    options.caption = "Print preview";
    options.clientWidth = 500;
    options.clientHeight = 570;
    form = std::make_unique<ui::testing::TestForm>(options);
    preview = std::make_unique<TPagePreview>(*form, ui::Bounds{0, 0, 353, 521}, printer);
    strip = std::make_unique<TThumbnailStrip>(*form, ui::Bounds{353, 0, 147, 570});
    strip->SetPagePreview(preview.get());
}

void PreviewWindowTest::TearDown() {
    strip.reset();
    preview.reset();
    form.reset();
    UiTest::TearDown();
}

}  // namespace natalo::testing
