#include "preview/paper_sheet_options.h"

namespace natalo {

void TPaperSheetOptions::Assign(const TPaperSheetOptions& source) {
    if (&source == this)
        return;
    SetBorderColor(source.BorderColor());
    SetBorderWidth(source.BorderWidth());
    SetCursor(source.Cursor());
    SetDragCursor(source.DragCursor());
    SetGrabCursor(source.GrabCursor());
    SetPaperColor(source.PaperColor());
    SetPopupMenu(source.PopupMenu());
    SetShadowColor(source.ShadowColor());
    SetShadowWidth(source.ShadowWidth());
}

}  // namespace natalo
