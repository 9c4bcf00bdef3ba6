// TForm4: the print window. Each time it is shown it lays the birthday list out as pages
// in its print preview, from the print list that the latest birthday schedule left; the
// user looks at them and prints them through the system's print dialog.
#pragma once

#include "platform/text_lines.h"
#include "preview/page_preview.h"
#include "preview/thumbnail_strip.h"
#include "printing/print_dialog.h"
#include "ui/button.h"
#include "ui/form.h"

namespace natalo {

class TForm4 : public ui::Form {
  public:
    // The print list is the program's, refilled by every birthday schedule; the printer
    // is the one the preview records for and prints on.
    TForm4(const TextLines& printList, TPrinter& printer, PrintChooser choosePrint);

    // "Print": only when no document is under way; the print dialog, then the pages and
    // copies the user chose on the printer the user chose.
    void Button1Click();
    // "Cancel": hides the window.
    void Button2Click() { Close(); }

    TPagePreview& PagePreview1() { return pagePreview1_; }
    TThumbnailStrip& ThumbnailStrip1() { return thumbnailStrip1_; }
    ui::Button& Button1() { return button1_; }
    ui::Button& Button2() { return button2_; }
    // The print list: two lines per person, day and month, then the name.
    const TextLines& Memo1() const { return printList_; }

  protected:
    // Records the printout anew from the print list.
    void FormShow() override;

  private:
    const TextLines& printList_;
    PrintChooser choosePrint_;
    TPagePreview pagePreview1_;
    TThumbnailStrip thumbnailStrip1_;
    ui::Button button1_;
    ui::Button button2_;
};

}  // namespace natalo
