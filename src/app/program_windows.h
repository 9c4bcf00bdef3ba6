// The program-wide references to the windows, as the windows reach each other: the main
// window is the hub, the others call its services through these references. Set when a
// window is created (at start-up, or by a test), cleared when it goes away.
#pragma once

namespace natalo {

class TInput;
class Tfrmerf;
class TfrmImport;
class TForm1;
class TForm3;
class TForm4;
class TAbout;
class TfrmDisp;

struct ProgramWindows {
    TInput* Input = nullptr;
    Tfrmerf* frmerf = nullptr;
    TfrmImport* frmImport = nullptr;
    TForm1* Form1 = nullptr;  // tell a friend
    TForm3* Form3 = nullptr;  // web browser
    TForm4* Form4 = nullptr;  // print window
    TAbout* About = nullptr;
    // The latest birthday window: the visible one.
    TfrmDisp* frmDisp = nullptr;
};

ProgramWindows& Windows();

}  // namespace natalo
