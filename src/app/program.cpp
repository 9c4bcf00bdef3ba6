#include "app/program.h"

#include "app/single_instance.h"
#include "exchange/export_command.h"

namespace natalo {

Program::Program(const Environment& environment, ProgramDialogs dialogs)
    : environment_(environment),
      dialogs_(std::move(dialogs)),
      input_(environment_),
      frmerf_(input_),
      frmImport_(input_, dialogs_.chooseImportFile),
      form1_(environment_.shell),
      form3_(environment_.shell),
      about_(environment_.shell),
      birthdayWindows_(input_, form3_, lists_) {
    ConnectCommands();
}

void Program::ConnectCommands() {
    TInput::Connections& main = input_.Connect();
    main.hideBirthdayWindow.Connect([this] { birthdayWindows_.HideCurrent(); });
    main.showNewBirthdayWindow.Connect([this] { birthdayWindows_.ShowNew(); });
    main.showTellAFriend.Connect([this] { form1_.ShowModal(); });
    main.showAbout.Connect([this] { about_.Show(); });
    main.importList.Connect([this] { frmImport_.ShowForImport(); });
    main.exportList.Connect([this] { ExportAddressList(input_, dialogs_.chooseExportFile); });
    main.exportVCards.Connect([this] { ExportVCards(input_, dialogs_.chooseVCardFile); });
    main.exportCalendar.Connect(
        [this] { ExportBirthdayCalendar(input_, dialogs_.chooseCalendarFile); });
    input_.ConnectEditor(frmerf_);
    // The printout is not there yet: the print picture does nothing.
    birthdayWindows_.PrintBirthdays().Connect([] {});
}

void Program::Start() {
    // Opened (created when missing) and closed again; without the rights to create it,
    // start-up goes on unchanged.
    ProgramKey programKey;
    birthdayWindows_.ShowNew();
}

}  // namespace natalo
