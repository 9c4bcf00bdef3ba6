// The bitmap path of printing: pages that transfer bitmaps can be sent to the printer as
// one device-independent bitmap instead of as a metafile, for drivers that render bitmap
// records of metafiles badly.
#pragma once

#include <windows.h>

#include "preview/metafile.h"

namespace natalo {

// Whether the page has EMR_BITBLT or EMR_STRETCHBLT records.
bool ContainsBitmapTransfer(HENHMETAFILE page);

// Renders the page into a bitmap of its own size (8 bits with the system palette on a
// palette screen, else 24 bits) and stretches it onto `target` of the printer.
void DrawGraphicAsDib(HDC printer, const TMetafile& page, const RECT& target);

}  // namespace natalo
