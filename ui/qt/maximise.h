#pragma once

class QWidget;

namespace ui::qt {

// Lets a window of fixed size be maximised without ending the program, and
// gives it back its size once it is restored. Wayland compositors require a
// maximised window to take exactly the size they give, and Qt would answer
// with the fixed size and be cut off; meanwhile the window's contents keep
// their places and the extra room shows its background.
void keepThroughMaximise(QWidget& window);

}  // namespace ui::qt
