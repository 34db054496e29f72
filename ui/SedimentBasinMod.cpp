#include "ui/SedimentBasinMod.h"

#include <QWidget>

namespace ui {

int SetWindowOnTop(QWidget* window, bool on)
{
    if (!window)
        return 0;
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on) {
        // Changing the flags recreates the native window and hides it: put it
        // back where it was, at its size, and show it again if it was shown.
        const bool shown = window->isVisible();
        const QPoint place = window->pos();
        const QSize size = window->size();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        window->resize(size);
        window->move(place);
        if (shown)
            window->show();
    }
    return on && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) ? 1 : 0;
}

}  // namespace ui
