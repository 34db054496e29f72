#ifndef TESTS_UI_SKETCHCHECKS_H
#define TESTS_UI_SKETCHCHECKS_H

// Legibility checks shared by the tests of the two summary sketches: every
// text shows whole, inside its window, clear of the other texts and of the
// drawing's lines.

#include "ui/SummarySketch.h"

#include <QLabel>
#include <QLineF>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace sketchchecks {

inline QRect inWindow(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

inline bool crosses(const QPolygonF& polyline, const QRectF& box)
{
    const QLineF edges[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    for (int i = 0; i + 1 < polyline.size(); ++i) {
        const QLineF segment(polyline[i], polyline[i + 1]);
        if (box.contains(segment.p1()) || box.contains(segment.p2()))
            return true;
        for (const QLineF& edge : edges)
            if (segment.intersects(edge, nullptr) == QLineF::BoundedIntersection)
                return true;
    }
    return false;
}

// A widget's name, or a caption's text.
inline QString describe(const QWidget* widget)
{
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label ? QStringLiteral("\"%1\"").arg(label->text()) : QStringLiteral("a widget");
}

// The faults of every shown label and button of window; empty when it reads cleanly.
inline QStringList legibilityFaults(QWidget* window, const ui::sketch::Drawing& drawing)
{
    QStringList faults;
    QList<QWidget*> shown;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !(qobject_cast<QLabel*>(widget) || qobject_cast<QPushButton*>(widget)))
            continue;
        shown << widget;
        const QString name = describe(widget);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            if (label->width() < needed)
                faults << QStringLiteral("%1 shows %2 of %3 px").arg(name).arg(label->width()).arg(needed);
            // One pixel of white around each text.
            const QRectF box = QRectF(inWindow(label, window)).adjusted(-1, -1, 1, 1);
            for (const auto& stroke : drawing.strokes)
                if (crosses(stroke.points, box)) {
                    faults << name + QStringLiteral(" is crossed by a line");
                    break;
                }
        }
        if (widget->visibleRegion().boundingRect().size() != widget->size())
            faults << name + QStringLiteral(" is cut off");
        if (!QRect(QPoint(0, 0), window->size()).contains(inWindow(widget, window)))
            faults << name + QStringLiteral(" runs out of the window");
    }
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            if (inWindow(shown[i], window).intersects(inWindow(shown[j], window)))
                faults << QStringLiteral("%1 overlaps %2").arg(describe(shown[i]), describe(shown[j]));
    return faults;
}

}  // namespace sketchchecks

#endif  // TESTS_UI_SKETCHCHECKS_H
