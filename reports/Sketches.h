#ifndef UI_SUMMARYSKETCH_H
#define UI_SUMMARYSKETCH_H

// The two basin sketches of the summary windows, drawn by the program: the
// side view (a section along the basin, inflow bank on the left, dam on the
// right, the emergency spillway's cross-section as an inset) and the top
// view (the basin in plan). Each is a fixed picture in window coordinates;
// the windows place their texts over it at the points named here.

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QSize>
#include <QVector>

class QLabel;
class QPainter;

namespace ui::sketch {

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

// Sizes both labels to their texts and moves them to the place, the value
// right after the caption. Either label may be null.
void placeLine(QLabel* caption, QLabel* value, const Place& place);
// The space between a caption and its value label.
inline constexpr int kCaptionGap = 3;

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

}  // namespace ui::sketch

#endif  // UI_SUMMARYSKETCH_H
