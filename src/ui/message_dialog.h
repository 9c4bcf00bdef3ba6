// A modal message dialog: a real dialog window (in-memory template, dialog manager for
// Tab and Enter) with a caption, a text, an icon and buttons of the caller's choice, each
// with the result it returns. Centred on the screen; the first button (or the chosen one)
// is the default. Closing it with the title-bar close button or Escape returns
// kDialogDismissed.
#pragma once

#include <string>
#include <vector>

#include "platform/win32_handle.h"

namespace natalo::ui {

enum class MessageIcon { None, Information, Warning, Error, Question };

struct DialogButton {
    std::string caption;
    int result;
};

constexpr int kDialogDismissed = 0;

class MessageDialog {
  public:
    MessageDialog(std::string caption, std::string text, MessageIcon icon,
                  std::vector<DialogButton> buttons, int defaultButton = 0);

    // Shows the dialog owned by the active window and returns the chosen button's result.
    // The application's other visible forms are disabled while it is open.
    int ShowModal();

  private:
    friend struct MessageDialogProcedure;

    std::string caption_;
    std::string text_;
    MessageIcon icon_;
    std::vector<DialogButton> buttons_;
    int defaultButton_;
    UniqueIcon shownIcon_;  // the icon at the dialog's DPI, while it is shown
};

// An information message with one "OK" button (result 1).
int ShowMessage(const std::string& caption, const std::string& text,
                MessageIcon icon = MessageIcon::Information);

}  // namespace natalo::ui
