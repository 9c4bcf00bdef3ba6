// The main window's commands that open the reminder's windows.
#include "addressbook/main_window.h"
#include "app/program_windows.h"
#include "reminder/about_window.h"
#include "reminder/birthday_window.h"
#include "reminder/tell_a_friend_window.h"

namespace natalo {

void TInput::ShowBirthdays() {
    HideBirthdayWindow();
    Hide();
    ShowNewBirthdayWindow(*this);
}

void TInput::HideBirthdayWindow() {
    if (TfrmDisp* current = Windows().frmDisp)
        current->Hide();
}

void TInput::cmdTellFriendsClick() {
    Hide();
    if (TForm1* tellAFriend = Windows().Form1)
        tellAFriend->ShowModal();
}

void TInput::cmdAboutClick() {
    HideBirthdayWindow();
    if (TAbout* about = Windows().About)
        about->Show();
}

}  // namespace natalo
