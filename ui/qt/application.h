#pragma once

namespace ui::qt {

// What holds for the whole program rather than for one window: stand-in faces,
// screen-reader interfaces, the icon, the desktop entry. Once, after the
// QApplication is made and before the first window loads.
void setUpApplication();

}  // namespace ui::qt
