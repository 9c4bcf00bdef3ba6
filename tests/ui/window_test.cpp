// The binding of windows to their objects when creation fails: the failure is raised,
// named, and not remembered.
#include <stdexcept>
#include <string>

#include "ui/command.h"
#include "ui/window.h"
#include "ui_test_support.h"

namespace natalo::ui::testing {
namespace {

using WindowTest = UiTest;

// Reaches the protected creation calls the way a control does.
class RawWindow : public Window {
  public:
    using Window::CreateOwn;
    using Window::CreateSubclassed;
    using Window::RegisterOwnClass;
};

std::string CreationError(const std::function<void()>& create) {
    try {
        create();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "(no error)";
}

TEST_F(WindowTest, AWindowThatCannotBeCreatedRaisesAnErrorNamingItsClass) {
    // A child of a window that does not exist cannot be made.
    const HWND noParent = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0));
    RawWindow own;
    RawWindow::RegisterOwnClass("NataloTestOwn", 0, IDC_ARROW);
    const std::string ownError = CreationError([&] {
        own.CreateOwn("NataloTestOwn", 0, WS_CHILD, {0, 0, 10, 10}, noParent, nullptr, "");
    });
    EXPECT_EQ(ownError.rfind("Fehler beim Erzeugen des Fensters (NataloTestOwn)", 0), 0u)
        << ownError;
    EXPECT_FALSE(own.Exists());

    RawWindow button;
    const std::string buttonError = CreationError([&] {
        button.CreateSubclassed("BUTTON", 0, WS_CHILD, {0, 0, 10, 10}, noParent, 1, "");
    });
    EXPECT_EQ(buttonError.rfind("Fehler beim Erzeugen des Fensters (BUTTON)", 0), 0u)
        << buttonError;
    EXPECT_FALSE(button.Exists());
}

TEST_F(WindowTest, AClassThatCouldNotBeRegisteredIsTriedAgainAndFailsAgain) {
    // Longer than a class name may be: the system refuses it every time.
    const std::string tooLong(300, 'N');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::string error =
            CreationError([&] { RawWindow::RegisterOwnClass(tooLong.c_str(), 0, IDC_ARROW); });
        EXPECT_EQ(error.rfind("Fehler beim Registrieren der Fensterklasse", 0), 0u)
            << "attempt " << attempt << ": " << error;
    }
}

TEST_F(WindowTest, ACommandThatWasNeverConnectedSaysSoInsteadOfDoingNothing) {
    Command command("About");
    try {
        command();
        ADD_FAILURE() << "no error";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "Befehl nicht verbunden: About");
    }
    int runs = 0;
    command.Connect([&] { ++runs; });
    command();
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace natalo::ui::testing
