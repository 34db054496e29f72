#ifndef UI_SUMMARYSKETCH_H
#define UI_SUMMARYSKETCH_H

// The summary windows' view of the two basin sketches (reports/Sketches.h):
// the pictures and their tables of texts, and the placing of a window's
// labels at the texts' places.

#include "reports/Sketches.h"

class QLabel;

namespace ui::sketch {

using namespace reports::sketch;

// Sizes both labels to their texts and moves them to the place, the value
// right after the caption. Either label may be null.
void placeLine(QLabel* caption, QLabel* value, const Place& place);

}  // namespace ui::sketch

#endif  // UI_SUMMARYSKETCH_H
