// TForm1: the tell-a-friend window, shown modally from the main window. Its link opens
// the maker's tell-a-friend page in the user's web browser.
#pragma once

#include "platform/shell.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/link_label.h"

namespace natalo {

class TForm1 : public ui::Form {
  public:
    // The link opens its page through the shell.
    explicit TForm1(Shell& shell);

    ui::Label& TitleLabel() { return title_; }
    ui::Label& TextLabel() { return text_; }
    ui::LinkLabel& TellAFriendLink() { return link_; }
    ui::Button& CloseButton() { return close_; }

  private:
    void FormCreate();

    Shell& shell_;

    ui::Label title_;
    ui::Label text_;
    ui::LinkLabel link_;
    ui::Button close_;
};

}  // namespace natalo
