// TAbout: the About box with the program's logo, the maker's name and address and links
// to the maker's web sites. A click on its free area closes it.
#pragma once

#include <array>
#include <memory>

#include "platform/shell.h"
#include "platform/win32_handle.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/link_label.h"

namespace natalo {

class TAbout : public ui::Form {
  public:
    // The links open their web sites through the shell.
    explicit TAbout(Shell& shell);

    ui::Label& AddressLine(int index) { return *addressLines_[static_cast<std::size_t>(index)]; }
    ui::LinkLabel& WebSiteLink() { return webSite_; }
    ui::LinkLabel& GreetingSiteLink() { return greetingSite_; }
    // Whether the logo picture could be loaded (the test programs have none).
    bool HasLogo() const { return static_cast<bool>(logo_); }

  protected:
    void Paint(HDC dc) override;
    void DpiChanged() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void FormCreate();

    Shell& shell_;

    UniqueBitmap logo_;
    std::array<std::unique_ptr<ui::Label>, 5> addressLines_;
    ui::LinkLabel webSite_;
    ui::LinkLabel greetingSite_;
};

}  // namespace natalo
