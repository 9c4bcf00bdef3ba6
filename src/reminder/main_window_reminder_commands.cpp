// The main window's commands that open the reminder's windows.
#include "addressbook/main_window.h"

namespace natalo {

// The birthday, tell-a-friend and About windows are not built yet: the buttons do nothing.
void TInput::ShowBirthdays() {}
void TInput::HideBirthdayWindow() {}
void TInput::cmdTellFriendsClick() {}
void TInput::cmdAboutClick() {}

}  // namespace natalo
