// TfrmDisp: the birthday window. A new instance is created for each showing; showing it
// reads the data file and lays out the coming birthdays with their links and the recent
// ones. It fades out when closed, grows to show its shrink picture, and leads to the
// main window. The instances of a run are kept by BirthdayWindows.
#pragma once

#include <memory>
#include <string>

#include "platform/win32_handle.h"
#include "reminder/schedule_labels.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/link_label.h"
#include "ui/picture_button.h"

namespace natalo {

class BirthdayWindows;
class TInput;

class TfrmDisp : public ui::Form {
  public:
    static constexpr int kNormalWidth = 380;
    static constexpr int kEnlargedWidth = 455;
    // The height of the title band drawn at the top of the client area.
    static constexpr int kTitleBandHeight = 30;

    // The window reads its data file, clock and regional settings through the main window
    // that `family` holds, and reaches the latest of its kind through it.
    explicit TfrmDisp(BirthdayWindows& family);

    // Close picture: fade out, then hide.
    void Button1Click();
    // Edit picture: fade out, hide, and show the main window in its normal size.
    void Button2Click();
    // Print picture: fades out, hides, and hands over to the print window
    // (BirthdayWindows::PrintBirthdays).
    void Image4Click();
    // Enlarge picture: the latest birthday window grows from 380 to 455 pixels.
    void Image5Click();
    // Shrink picture: the latest birthday window goes back to 380 pixels.
    void Image6Click();

    // Opacity 240 down to 0 in 241 steps, serving pending messages after each; then hidden.
    void FadeOut();
    bool Fading() const { return fading_; }

    // Gift and greeting links: the address from the link table entry, in the browser window.
    void OpenWebBrowser(int linkIndex);
    void OpenWebBrowserAutomat(int linkIndex);

    ui::Label& Label3() { return label3_; }
    ui::PictureButton& Image2() { return image2_; }
    ui::PictureButton& Image3() { return image3_; }
    ui::PictureButton& Image4() { return image4_; }
    ui::PictureButton& Image5() { return image5_; }
    ui::PictureButton& Image6() { return image6_; }
    ui::LinkLabel& URLLabel1() { return urlLabel1_; }
    // The labels of the latest schedule build.
    const ScheduleLabels& RunTimeLabels() const { return *labels_; }
    // Whether the decorative picture could be loaded (the test programs have none).
    bool HasPicture() const { return static_cast<bool>(picture_); }

  protected:
    void FormShow() override;
    void Paint(HDC dc) override;
    void DpiChanged() override;
    // Escape closes the window as the close picture does.
    void EscapePressed() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void FormCreate();
    void BuildSchedule();
    void OpenInBrowserWindow(const std::string& url);
    // The latest birthday window: this one until a newer one was created.
    TfrmDisp& Latest();

    BirthdayWindows& family_;
    TInput& input_;
    UniqueBitmap picture_;
    ui::Label label3_;
    ui::PictureButton image4_;
    ui::PictureButton image2_;
    ui::PictureButton image3_;
    ui::PictureButton image5_;
    ui::PictureButton image6_;
    ui::LinkLabel urlLabel1_;
    std::unique_ptr<ScheduleLabels> labels_;
    bool fading_ = false;
};

}  // namespace natalo
