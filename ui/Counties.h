#ifndef UI_COUNTIES_H
#define UI_COUNTIES_H

// The counties of Arvenna, the state the program serves.

#include <QStringList>

namespace ui {

// The 158 county names in the fixed order in which the county box is filled;
// the box sorts them for display.
QStringList countyNames();

}  // namespace ui

#endif  // UI_COUNTIES_H
