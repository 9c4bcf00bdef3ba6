#include "app/program.h"

#include "app/single_instance.h"
#include "exchange/export_command.h"
#include "preview/win32_print_spooler.h"

namespace natalo {

namespace {

ProgramSeams WithSpooler(ProgramSeams seams) {
    if (!seams.spooler)
        seams.spooler = std::make_shared<Win32PrintSpooler>();
    return seams;
}

}  // namespace

Program::Program(const Environment& environment, ProgramSeams seams)
    : environment_(environment),
      seams_(WithSpooler(std::move(seams))),
      printer_(*seams_.spooler),
      input_(environment_, seams_.timers),
      frmerf_(input_),
      frmImport_(input_, seams_.chooseImportFile),
      form1_(environment_.shell),
      form3_(environment_.shell),
      form4_(lists_.printList, printer_, seams_.choosePrint),
      about_(environment_.shell),
      birthdayWindows_(input_, form3_, lists_) {
    // Every window exists and every command is connected before anything can run a
    // message loop: a click on the tray icon during the start-up's first message box (an
    // unreadable data file, say) must find the windows it opens.
    ConnectCommands();
    input_.Start();
}

void Program::ConnectCommands() {
    TInput::Connections& main = input_.Connect();
    main.hideBirthdayWindow.Connect([this] { birthdayWindows_.HideCurrent(); });
    main.showNewBirthdayWindow.Connect([this] { birthdayWindows_.ShowNew(); });
    main.showTellAFriend.Connect([this] { form1_.ShowModal(); });
    main.showAbout.Connect([this] { about_.Show(); });
    main.importList.Connect([this] { frmImport_.ShowForImport(); });
    main.exportList.Connect([this] { ExportAddressList(input_, seams_.chooseExportFile); });
    main.exportVCards.Connect([this] { ExportVCards(input_, seams_.chooseVCardFile); });
    main.exportCalendar.Connect(
        [this] { ExportBirthdayCalendar(input_, seams_.chooseCalendarFile); });
    input_.ConnectEditor(frmerf_);
    birthdayWindows_.PrintBirthdays().Connect([this] { form4_.Show(); });
}

void Program::Start() {
    // Opened (created when missing) and closed again; without the rights to create it,
    // start-up goes on unchanged.
    ProgramKey programKey;
    birthdayWindows_.ShowNew();
}

}  // namespace natalo
