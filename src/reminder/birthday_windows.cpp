#include "reminder/birthday_windows.h"

#include <algorithm>

#include "reminder/birthday_window.h"

namespace natalo {

BirthdayWindows::BirthdayWindows(TInput& input, TForm3& browser, BirthdayLists& lists)
    : input_(input), browser_(browser), lists_(lists) {}

BirthdayWindows::~BirthdayWindows() {
    FreeAll();
}

TfrmDisp& BirthdayWindows::ShowNew() {
    // A window still fading out is in the middle of its own loop: it must not be freed.
    std::erase_if(windows_, [this](const std::unique_ptr<TfrmDisp>& window) {
        return !window->Fading() && !window->Visible() && window.get() != current_;
    });
    windows_.push_back(std::make_unique<TfrmDisp>(*this));
    current_ = windows_.back().get();
    current_->Show();
    return *current_;
}

void BirthdayWindows::HideCurrent() {
    if (current_)
        current_->Hide();
}

std::vector<TfrmDisp*> BirthdayWindows::All() const {
    std::vector<TfrmDisp*> all;
    for (const std::unique_ptr<TfrmDisp>& window : windows_)
        all.push_back(window.get());
    return all;
}

void BirthdayWindows::FreeAll() {
    current_ = nullptr;
    windows_.clear();
}

}  // namespace natalo
