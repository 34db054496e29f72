#ifndef REPORTS_SKETCHES_H
#define REPORTS_SKETCHES_H

// The two basin sketches, drawn by the program: the side view (a section
// along the basin, inflow bank on the left, dam on the right, the emergency
// spillway's cross-section as an inset) and the top view (the basin in plan).
// Each is a fixed picture in its own coordinates (the summary windows' pixels)
// with a table of the texts that stand on it: printed captions and value
// labels, each at its place. The summary windows build their labels from
// these tables; the design sheet paints the same texts on the same pictures.

#include <QColor>
#include <QHash>
#include <QPointF>
#include <QPolygonF>
#include <QSize>
#include <QString>
#include <QVector>

class QPainter;

namespace reports::sketch {

// What a line stands for; it decides the pen.
enum class Ink {
    Ground,     // earth surfaces, the dam's outline
    Water,      // pool levels and the water surface of the spillway
    Structure,  // riser and outlet pipe
    Dimension,  // dimension lines and their extension lines
    Level,      // a reference elevation carried across the picture
    Leader,     // a pointer from a caption to what it names
    Flow,       // the direction water runs
    Centre,     // a pipe's centreline
};

struct Stroke {
    QPolygonF points;  // an open polyline
    Ink ink = Ink::Ground;
    bool arrowAtStart = false;
    bool arrowAtEnd = false;
};

struct Area {
    QPolygonF outline;
    QColor fill;
};

struct Drawing {
    QSize size;
    QVector<Area> areas;  // painted first, under the lines
    QVector<Stroke> strokes;
};

// Paints a drawing at the painter's origin, on a white page.
void paint(QPainter& painter, const Drawing& drawing);

// A text of a sketch: an optional printed caption followed by its value
// label, as one line whose top edge is at `at.y()`; `at.x()` is where the
// line begins (Left), ends (Right) or has its middle (Centre), or where the
// caption ends and the value begins (Joint, for a column of captions).
enum class Anchor { Left, Right, Centre, Joint };
struct Place {
    QPointF at;
    Anchor anchor = Anchor::Left;
};

// The space between a caption and its value label.
inline constexpr int kCaptionGap = 3;

// Where a line of a caption (captionWidth wide, 0 for none), the gap and a
// value (valueWidth wide, 0 for none) begins when placed at x.
template <class Number>
Number lineStart(Anchor anchor, Number x, Number captionWidth, Number gap, Number valueWidth)
{
    const Number whole = captionWidth + gap + valueWidth;
    switch (anchor) {
    case Anchor::Left: break;
    case Anchor::Right: return x - whole;
    case Anchor::Centre: return x - whole / 2;
    case Anchor::Joint: return x - captionWidth - gap;
    }
    return x;
}

// One text of a sketch: a printed caption, a value label, or both on a line.
struct Text {
    QString caption;     // the printed caption; empty for none
    QString value;       // the value label's object name; empty for none
    Place place;
    QString initial;     // the value label's text before anything is written
    QString unit;        // what follows the value in its label (" ft.")
    QString copiedFrom;  // top view: the side-view label its value is taken from
};

// The texts of the side view and of the top view, in the order they are made.
const QVector<Text>& sideViewTexts();
const QVector<Text>& topViewTexts();

// A side-view value label's caption for a value: the value and the label's
// unit ("7.20" for bottomWLabel gives "7.20 ft."). An unknown name adds nothing.
QString labelCaption(const QString& label, const QString& value);

// Paints the texts of a sketch at the painter's origin, in sketch
// coordinates, with the painter's font; captions holds each value label's
// caption by its name (a missing one shows its initial text).
void paintTexts(QPainter& painter, const QVector<Text>& texts, const QHash<QString, QString>& captions);

// The side view, 692 x 289: the points the texts refer to.
namespace side {
inline constexpr QSize kSize(692, 289);
inline constexpr double kDamTop = 112;   // top of the dam
inline constexpr double kCrest = 134;    // emergency spillway crest
inline constexpr double kFull = 160;     // full level, riser top, top of the inflow bank
inline constexpr double kCleanOut = 200; // clean-out level
inline constexpr double kBottom = 240;   // basin bottom
inline constexpr QPointF kBankTop(60, kFull);
inline constexpr QPointF kBankToe(140, kBottom);
inline constexpr double kRiserLeft = 330;
inline constexpr double kRiserRight = 342;
inline constexpr QPointF kPipeOutlet(676, 240);  // centre of the outlet end
// The inset: the spillway channel's cross-section.
inline constexpr double kInsetGround = 58;  // top of the channel banks
inline constexpr double kInsetWater = 74;   // design water surface (stage Hp)
inline constexpr double kInsetBottom = 106; // channel bottom
inline constexpr QPointF kInsetSlopeTop(226, kInsetGround);
inline constexpr QPointF kInsetSlopeToe(274, kInsetBottom);
}  // namespace side

const Drawing& sideView();

// The top view, 727 x 427.
namespace top {
inline constexpr QSize kSize(727, 427);
inline constexpr double kCrestOuterRight = 520;  // outer edge of the right dam
inline constexpr double kCrestInnerLeft = 64;    // inner crest edge, left
inline constexpr double kBottomLeft = 130;       // bottom's left edge
inline constexpr double kBottomRight = 430;
inline constexpr double kBottomTop = 155;
inline constexpr double kBottomLow = 305;
inline constexpr QPointF kRiser(405, 230);
inline constexpr double kRiserRadius = 8;
inline constexpr QPointF kOutlet(560, 230);
inline constexpr double kChannelTop = 100;  // the spillway channel's banks
inline constexpr double kChannelLow = 140;
inline constexpr double kChannelEnd = 670;
inline constexpr double kLevelFrom = 540;  // the level control section
inline constexpr double kLevelTo = 620;
}  // namespace top

const Drawing& topView();

}  // namespace reports::sketch

#endif  // REPORTS_SKETCHES_H
