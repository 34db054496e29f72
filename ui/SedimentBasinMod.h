#ifndef UI_SEDIMENTBASINMOD_H
#define UI_SEDIMENTBASINMOD_H

// The program's shared window operation.

class QWidget;

namespace ui {

// Puts window into (on) or out of the band of windows that stay above all
// others, without moving or resizing it; a shown window stays shown. Returns
// non-zero when on and the window is now in the band, 0 otherwise.
int SetWindowOnTop(QWidget* window, bool on);

}  // namespace ui

#endif  // UI_SEDIMENTBASINMOD_H
