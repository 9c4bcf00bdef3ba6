// The system's web browser control (IWebBrowser2) placed in a child window of ours. A
// minimal OLE container of our own (client site, in-place site and frame) activates it in
// place and keeps it the size of the window. The thread must have called OleInitialize.
#pragma once

#include <exdisp.h>
#include <oleidl.h>

#include <memory>
#include <string>

#include "platform/com_ref.h"
#include "ui/control.h"

namespace natalo {

class WebBrowserControl : public ui::Control {
  public:
    WebBrowserControl(ui::Window& parent, const ui::Bounds& bounds);
    ~WebBrowserControl() override;

    // Whether the browser control could be created and activated here.
    bool Available() const { return static_cast<bool>(browser_); }

    // Starts loading the address; false when there is no control to show it.
    bool Navigate(const std::string& url);
    // The control's history and stop commands; a failure the control reports (going back
    // with no earlier page) is thrown with the system's text for it.
    void GoBack();
    void GoForward();
    void Stop();

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    class Site;
    static const char* ClassName();
    void CreateBrowser();
    void FitToWindow();

    std::unique_ptr<Site> site_;
    ComRef<IOleObject> oleObject_;
    ComRef<IWebBrowser2> browser_;
};

// The text the system gives a COM failure ("OLE-Fehler 80004005" when it has none).
std::string ComErrorText(HRESULT result);

}  // namespace natalo
