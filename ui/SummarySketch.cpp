#include "ui/SummarySketch.h"

#include <QLabel>

namespace ui::sketch {

void placeLine(QLabel* caption, QLabel* value, const Place& place)
{
    if (caption)
        caption->adjustSize();
    if (value)
        value->adjustSize();
    const int captionWidth = caption ? caption->width() : 0;
    const int gap = caption && value ? kCaptionGap : 0;
    const int valueWidth = value ? value->width() : 0;
    const int left = lineStart(place.anchor, qRound(place.at.x()), captionWidth, gap, valueWidth);
    const int y = qRound(place.at.y());
    if (caption)
        caption->move(left, y);
    if (value)
        value->move(left + captionWidth + gap, y);
}

}  // namespace ui::sketch
