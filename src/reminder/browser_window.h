// TForm3: the program's web browser window, in which the gift and greeting links open
// the greeting service's pages. Back, Forward and Stop pictures drive the embedded
// browser; "Close Browser" hides the window. Where the system cannot give us a browser
// control, the address goes to the user's default web browser instead.
#pragma once

#include <ole2.h>

#include <string>

#include "platform/shell.h"
#include "reminder/web_browser_control.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/picture_button.h"

namespace natalo {

// OLE for the user-interface thread for the object's lifetime (the browser control
// needs it, not merely COM).
class OleSession {
  public:
    OleSession() : initialized_(SUCCEEDED(::OleInitialize(nullptr))) {}
    ~OleSession() {
        if (initialized_)
            ::OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

  private:
    bool initialized_;
};

class TForm3 : public ui::Form {
  public:
    // Addresses the window cannot show go to the user's browser through the shell.
    explicit TForm3(Shell& shell);

    // Loads the address in WebBrowser1. Returns true when the page is shown here, false
    // when it went to the user's default browser because there is no browser control.
    bool Navigate(const std::string& url);
    // The address most recently asked for, wherever it went.
    const std::string& LastNavigatedUrl() const { return lastUrl_; }

    void BackClick() { WebBrowser1().GoBack(); }
    void ForwardClick() { WebBrowser1().GoForward(); }
    void CancelClick() { WebBrowser1().Stop(); }

    WebBrowserControl& WebBrowser1() { return webBrowser1_; }
    ui::PictureButton& Back() { return back_; }
    ui::PictureButton& Forward() { return forward_; }
    ui::PictureButton& Cancel1() { return cancel1_; }
    ui::PictureButton& Cancel2() { return cancel2_; }
    ui::Button& CloseBrowser() { return closeBrowser_; }

  private:
    void FormCreate();

    Shell& shell_;
    OleSession ole_;
    WebBrowserControl webBrowser1_;
    ui::PictureButton back_;
    ui::PictureButton forward_;
    ui::PictureButton cancel1_;
    ui::PictureButton cancel2_;
    ui::Button closeBrowser_;
    std::string lastUrl_;
};

}  // namespace natalo
