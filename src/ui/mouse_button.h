// The mouse buttons as the components' mouse events name them (the tray icon's and the
// print preview's). Portable: the components' portable parts use it too.
#pragma once

namespace natalo {

enum TMouseButton { mbLeft, mbRight, mbMiddle };

}  // namespace natalo
