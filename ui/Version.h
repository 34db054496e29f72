#ifndef UI_VERSION_H
#define UI_VERSION_H

// The program's version and the texts built from it, and its icon.

#include <QIcon>
#include <QString>

namespace ui {

// Major, minor and revision joined by ".": "2.0.3".
QString versionNumber();

// "Zelt " + application title + " - Version " + version number.
QString mainWindowCaption();

// The program's icon, the one of its menu entry.
QIcon applicationIcon();

}  // namespace ui

#endif  // UI_VERSION_H
