#include "reports/Sketches.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace reports::sketch {

namespace {

const QColor kEarth(239, 230, 210);
const QColor kDam(228, 214, 184);
const QColor kPool(214, 232, 248);
const QColor kConcrete(205, 205, 205);
const QColor kBasinFloor(226, 236, 244);

QPolygonF line(std::initializer_list<QPointF> points) { return QPolygonF(QVector<QPointF>(points)); }

Stroke stroke(Ink ink, std::initializer_list<QPointF> points) { return {line(points), ink}; }

// A dimension line with an arrowhead at each end.
Stroke dimension(QPointF from, QPointF to) { return {line({from, to}), Ink::Dimension, true, true}; }

QPen penFor(Ink ink)
{
    switch (ink) {
    case Ink::Ground:
        return QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    case Ink::Water:
        return QPen(QColor(0, 90, 200), 1.2, Qt::DashLine);
    case Ink::Structure:
        return QPen(Qt::black, 1.2);
    case Ink::Dimension:
        return QPen(QColor(60, 60, 60), 0.8);
    case Ink::Level:
        return QPen(QColor(150, 40, 40), 1.0, Qt::DashLine);
    case Ink::Leader:
        return QPen(QColor(60, 60, 60), 0.9);
    case Ink::Flow:
        return QPen(QColor(0, 90, 200), 1.8, Qt::SolidLine, Qt::RoundCap);
    case Ink::Centre:
        return QPen(QColor(110, 110, 110), 0.7, Qt::DashDotLine);
    }
    return QPen(Qt::black);
}

void arrowHead(QPainter& painter, QPointF tip, QPointF from)
{
    const QLineF shaft(tip, from);
    if (shaft.length() < 1)
        return;
    const double length = 6;
    const double halfWidth = 2.5;
    const QPointF along = (from - tip) / shaft.length();
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip + along * length;
    QPolygonF head;
    head << tip << base + across * halfWidth << base - across * halfWidth;
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(head);
    painter.setBrush(Qt::NoBrush);
}

QPolygonF circle(QPointF centre, double radius)
{
    QPolygonF points;
    for (int step = 0; step <= 32; ++step) {
        const double angle = step * 2 * M_PI / 32;
        points << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return points;
}

Drawing makeSideView()
{
    using namespace side;
    Drawing d;
    d.size = kSize;

    // The section line: inflow ground, bank, bottom, dam and downstream ground.
    const QPointF damInnerToe(450, kBottom);
    const QPointF damTopLeft(510, kDamTop);
    const QPointF damTopRight(560, kDamTop);
    const QPointF damOuterToe(620, 248);
    // Where the dam's inner slope meets a level.
    auto innerSlopeAt = [&](double y) {
        return damInnerToe.x() + (damTopLeft.x() - damInnerToe.x()) * (kBottom - y) / (kBottom - kDamTop);
    };
    auto bankAt = [&](double y) {
        return kBankTop.x() + (kBankToe.x() - kBankTop.x()) * (y - kFull) / (kBottom - kFull);
    };
    const QPointF pipeAtRiser(kRiserRight, 233);
    auto pipeCentreAt = [&](double x) {
        return pipeAtRiser.y() + (kPipeOutlet.y() - pipeAtRiser.y()) * (x - pipeAtRiser.x()) /
                                     (kPipeOutlet.x() - pipeAtRiser.x());
    };
    const double pipeRadius = 5;

    d.areas << Area{line({{0, kFull}, kBankTop, kBankToe, damInnerToe, damTopLeft, damTopRight, damOuterToe,
                          {692, 248}, {692, 289}, {0, 289}}),
                    kEarth};
    d.areas << Area{line({damInnerToe, damTopLeft, damTopRight, damOuterToe}), kDam};
    d.areas << Area{line({kBankTop, kBankToe, damInnerToe, {innerSlopeAt(kFull), kFull}}), kPool};
    d.areas << Area{line({{kRiserLeft, kFull}, {kRiserRight, kFull}, {kRiserRight, kBottom}, {kRiserLeft, kBottom}}),
                    kConcrete};
    d.areas << Area{line({{kRiserRight, pipeAtRiser.y() - pipeRadius},
                          {kPipeOutlet.x(), kPipeOutlet.y() - pipeRadius},
                          {kPipeOutlet.x(), kPipeOutlet.y() + pipeRadius},
                          {kRiserRight, pipeAtRiser.y() + pipeRadius}}),
                    kConcrete};

    d.strokes << stroke(Ink::Ground, {{0, kFull}, kBankTop, kBankToe, damInnerToe, damTopLeft, damTopRight,
                                      damOuterToe, {692, 248}});
    // Full and clean-out levels across the pool.
    d.strokes << stroke(Ink::Water, {kBankTop, {innerSlopeAt(kFull), kFull}});
    d.strokes << stroke(Ink::Water, {{bankAt(kCleanOut), kCleanOut}, {innerSlopeAt(kCleanOut), kCleanOut}});

    // The riser standing on the bottom, and the outlet pipe through the dam.
    d.strokes << stroke(Ink::Structure,
                        {{kRiserLeft, kBottom}, {kRiserLeft, kFull}, {kRiserRight, kFull}, {kRiserRight, kBottom}});
    d.strokes << stroke(Ink::Structure, {{kRiserRight, pipeAtRiser.y() - pipeRadius},
                                         {kPipeOutlet.x(), kPipeOutlet.y() - pipeRadius},
                                         {kPipeOutlet.x(), kPipeOutlet.y() + pipeRadius},
                                         {kRiserRight, pipeAtRiser.y() + pipeRadius}});
    d.strokes << stroke(Ink::Centre, {pipeAtRiser, {kPipeOutlet.x() + 8, pipeCentreAt(kPipeOutlet.x() + 8)}});

    // The emergency spillway crest, carried from above the riser through the dam.
    d.strokes << stroke(Ink::Level, {{300, kCrest}, {655, kCrest}});
    d.strokes << Stroke{line({{648, 94}, {648, kCrest}}), Ink::Leader, false, true};

    // The bank's slope triangle: one up, z across.
    d.strokes << stroke(Ink::Dimension, {{68, 168}, {68, 196}, {96, 196}});
    // The bank's height and its horizontal run.
    d.strokes << dimension({40, kFull}, {40, kBottom});
    d.strokes << stroke(Ink::Dimension, {{34, kBottom}, {bankAt(kBottom) - 4, kBottom}});
    d.strokes << dimension({kBankTop.x(), 254}, {kBankToe.x(), 254});
    d.strokes << stroke(Ink::Dimension, {{kBankTop.x(), kBottom + 4}, {kBankTop.x(), 258}});
    d.strokes << stroke(Ink::Dimension, {{kBankToe.x(), kBottom + 4}, {kBankToe.x(), 258}});
    // H: from the pipe's centreline up to the crest.
    d.strokes << dimension({440, kCrest}, {440, pipeCentreAt(440)});

    // The inset: the spillway channel in cross-section.
    const QPointF insetRightTop(390, kInsetGround);
    const QPointF insetRightToe(342, kInsetBottom);
    auto insetLeftAt = [&](double y) {
        return kInsetSlopeTop.x() + (kInsetSlopeToe.x() - kInsetSlopeTop.x()) * (y - kInsetGround) /
                                        (kInsetBottom - kInsetGround);
    };
    auto insetRightAt = [&](double y) {
        return insetRightTop.x() - (insetRightTop.x() - insetRightToe.x()) * (y - kInsetGround) /
                                       (kInsetBottom - kInsetGround);
    };
    d.areas << Area{line({{190, kInsetGround}, kInsetSlopeTop, kInsetSlopeToe, insetRightToe, insetRightTop,
                          {400, kInsetGround}, {400, 126}, {190, 126}}),
                    kEarth};
    d.areas << Area{line({{insetLeftAt(kInsetWater), kInsetWater}, kInsetSlopeToe, insetRightToe,
                          {insetRightAt(kInsetWater), kInsetWater}}),
                    kPool};
    d.strokes << stroke(Ink::Ground, {{190, kInsetGround}, kInsetSlopeTop, kInsetSlopeToe, insetRightToe,
                                      insetRightTop, {400, kInsetGround}});
    d.strokes << stroke(Ink::Water, {{insetLeftAt(kInsetWater), kInsetWater}, {insetRightAt(kInsetWater), kInsetWater}});
    d.strokes << stroke(Ink::Dimension, {{insetRightAt(kInsetWater) + 4, kInsetWater}, {400, kInsetWater}});
    d.strokes << stroke(Ink::Dimension, {{insetRightToe.x() + 4, kInsetBottom}, {400, kInsetBottom}});
    d.strokes << dimension({396, kInsetGround}, {396, kInsetWater});
    d.strokes << dimension({396, kInsetWater}, {396, kInsetBottom});
    d.strokes << stroke(Ink::Dimension, {{232, 64}, {232, 86}, {254, 86}});
    return d;
}

Drawing makeTopView()
{
    using namespace top;
    Drawing d;
    d.size = kSize;
    const double outerLeft = 40, outerTop = 60, outerLow = 400;
    const double innerRight = 496, innerTop = 84, innerLow = 376;

    d.areas << Area{line({{outerLeft, outerTop}, {kCrestOuterRight, outerTop}, {kCrestOuterRight, outerLow},
                          {outerLeft, outerLow}}),
                    kDam};
    d.areas << Area{line({{kCrestInnerLeft, innerTop}, {innerRight, innerTop}, {innerRight, innerLow},
                          {kCrestInnerLeft, innerLow}}),
                    kEarth};
    d.areas << Area{line({{kBottomLeft, kBottomTop}, {kBottomRight, kBottomTop}, {kBottomRight, kBottomLow},
                          {kBottomLeft, kBottomLow}}),
                    kBasinFloor};
    d.areas << Area{line({{innerRight, kChannelTop}, {kChannelEnd, kChannelTop}, {kChannelEnd, kChannelLow},
                          {innerRight, kChannelLow}}),
                    kEarth};
    d.areas << Area{circle(kRiser, kRiserRadius), kConcrete};

    // The outer dam crest and the top of the inner slopes, open where the
    // spillway channel leaves the basin.
    d.strokes << stroke(Ink::Ground, {{kCrestOuterRight, kChannelTop}, {kCrestOuterRight, outerTop}, {outerLeft, outerTop},
                                      {outerLeft, outerLow}, {kCrestOuterRight, outerLow}, {kCrestOuterRight, kChannelLow}});
    d.strokes << stroke(Ink::Ground, {{innerRight, kChannelTop}, {innerRight, innerTop}, {kCrestInnerLeft, innerTop},
                                      {kCrestInnerLeft, innerLow}, {innerRight, innerLow}, {innerRight, kChannelLow}});
    d.strokes << stroke(Ink::Ground, {{kBottomLeft, kBottomTop}, {kBottomRight, kBottomTop}, {kBottomRight, kBottomLow},
                                      {kBottomLeft, kBottomLow}, {kBottomLeft, kBottomTop}});
    // The inner slopes meeting at the corners.
    d.strokes << stroke(Ink::Ground, {{kCrestInnerLeft, innerTop}, {kBottomLeft, kBottomTop}});
    d.strokes << stroke(Ink::Ground, {{innerRight, innerTop}, {kBottomRight, kBottomTop}});
    d.strokes << stroke(Ink::Ground, {{kCrestInnerLeft, innerLow}, {kBottomLeft, kBottomLow}});
    d.strokes << stroke(Ink::Ground, {{innerRight, innerLow}, {kBottomRight, kBottomLow}});

    // The emergency spillway channel and its level control section.
    d.strokes << stroke(Ink::Ground, {{innerRight, kChannelTop}, {kChannelEnd, kChannelTop}});
    d.strokes << stroke(Ink::Ground, {{innerRight, kChannelLow}, {kChannelEnd, kChannelLow}});
    d.strokes << stroke(Ink::Level, {{kLevelFrom, kChannelTop}, {kLevelFrom, kChannelLow}});
    d.strokes << stroke(Ink::Level, {{kLevelTo, kChannelTop}, {kLevelTo, kChannelLow}});
    d.strokes << dimension({kLevelFrom, 150}, {kLevelTo, 150});
    d.strokes << dimension({548, kChannelTop}, {548, kChannelLow});
    d.strokes << Stroke{line({{628, 120}, {664, 120}}), Ink::Flow, false, true};

    // Riser and outlet pipe.
    d.strokes << Stroke{circle(kRiser, kRiserRadius), Ink::Structure};
    const double pipeHalf = 4;
    d.strokes << stroke(Ink::Structure, {{kRiser.x() + kRiserRadius, kRiser.y() - pipeHalf},
                                         {kOutlet.x(), kOutlet.y() - pipeHalf},
                                         {kOutlet.x(), kOutlet.y() + pipeHalf},
                                         {kRiser.x() + kRiserRadius, kRiser.y() + pipeHalf}});

    // Inflow at the upper-left corner.
    d.strokes << Stroke{line({{22, 34}, {84, 100}}), Ink::Flow, false, true};

    // Dimensions: the slope's run at the left, the bottom's length and width.
    d.strokes << dimension({kCrestInnerLeft, 230}, {kBottomLeft, 230});
    d.strokes << dimension({kBottomLeft, 175}, {kBottomRight, 175});
    d.strokes << dimension({150, kBottomTop}, {150, kBottomLow});
    return d;
}

}  // namespace

void paint(QPainter& painter, const Drawing& drawing)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(QPointF(0, 0), drawing.size), Qt::white);
    painter.setPen(Qt::NoPen);
    for (const Area& area : drawing.areas) {
        painter.setBrush(area.fill);
        painter.drawPolygon(area.outline);
    }
    painter.setBrush(Qt::NoBrush);
    for (const Stroke& s : drawing.strokes) {
        painter.setPen(penFor(s.ink));
        painter.drawPolyline(s.points);
        if (s.points.size() < 2)
            continue;
        QPen solid = painter.pen();
        solid.setStyle(Qt::SolidLine);
        painter.setPen(solid);
        if (s.arrowAtStart)
            arrowHead(painter, s.points.first(), s.points.at(1));
        if (s.arrowAtEnd)
            arrowHead(painter, s.points.last(), s.points.at(s.points.size() - 2));
    }
    painter.restore();
}

namespace {

Place at(double x, double y, Anchor anchor = Anchor::Left) { return Place{QPointF(x, y), anchor}; }

Text value(const char* name, const char* caption, Place place, const char* unit = "", const char* initial = "0")
{
    return {QLatin1String(caption), QLatin1String(name), place, QLatin1String(initial), QLatin1String(unit), {}};
}

Text caption(const char* text, Place place) { return {QLatin1String(text), {}, place, {}, {}, {}}; }

QVector<Text> makeSideViewTexts()
{
    using namespace side;
    const double joint = 89;  // the fixed column of the upper left: area and flows
    return {
        value("areaLabel", "Area (acres) =", at(joint, 8, Anchor::Joint)),
        value("Q2Label", "Q2=", at(joint, 23, Anchor::Joint)),
        value("Q25Label", "Q25=", at(joint, 38, Anchor::Joint)),
        value("QpsLabel", "Qps=", at(joint, 53, Anchor::Joint), " cfs"),
        value("QesLabel", "Qes=", at(joint, 68, Anchor::Joint), " cfs"),
        // The inflow bank: the volumes at its levels, its height, run and slope.
        value("VsLabel", "Vs =", at(4, kFull - 15)),
        value("VcLabel", "Vc =", at(104, kCleanOut - 15)),
        value("depthLabel_0", "", at(36, 194, Anchor::Right), " ft."),
        value("slopeDisLabel_0", "", at(100, 258, Anchor::Centre), " ft."),
        value("slopeVarLabel", "", at(82, 199, Anchor::Centre), "", "2.5"),
        caption("1", at(65, 176, Anchor::Right)),
        // The pool: depth and bottom.
        value("depthLabel_1", "Basin Depth =", at(100, 166), " ft."),
        value("bottomWLabel", "Bottom Width =", at(148, 206), " ft."),
        value("bottomLLabel", "Bottom Length =", at(148, 223), " ft."),
        // Riser, head over it, H and the outlet pipe.
        value("DsLabel", "Ds =", at(kRiserLeft - 4, 166, Anchor::Right), " in."),
        value("hText", "", at((kRiserLeft + kRiserRight) / 2, kCrest + 6, Anchor::Centre), " ft. minimum."),
        value("HLabel", "H=", at(435, 210, Anchor::Right), " ft."),
        value("LLabel", "L =", at(470, 250), " ft."),
        value("DoLabel", "Do =", at(622, 218), " in."),
        // The dam: its top, the crest of the emergency spillway, the outer slope.
        value("damTopLabel", "A=", at(510, kDamTop - 15), " ft."),
        caption("Emergency Spillway Crest Elevation", at(688, 78, Anchor::Right)),
        value("slopeLabel", "S=", at(598, 170)),
        // The inset: the emergency spillway's cross-section.
        caption("Emmergency Spillway Cross Section", at(300, 34, Anchor::Centre)),
        caption("Freeboard(1ft. min)", at(404, kInsetGround + 1)),
        value("HpLabel", "Hp", at(404, 83), " ft."),
        value("bLabel", "b =", at((kInsetSlopeToe.x() + 342) / 2, kInsetBottom + 4, Anchor::Centre), " ft."),
        caption("1", at(229, 69, Anchor::Right)),
        value("Label5", "", at(243, 89, Anchor::Centre), "", "2.5"),
        value("slopeDisLabel_1", "", at(243, 103, Anchor::Centre), " ft."),
    };
}

Text copy(const char* name, const char* caption, Place place, const char* from)
{
    Text text = value(name, caption, place);
    text.copiedFrom = QLatin1String(from);
    return text;
}

QVector<Text> makeTopViewTexts()
{
    using namespace top;
    return {
        caption("Inflow", at(6, 14)),
        copy("extraDistText", "", at((kCrestInnerLeft + kBottomLeft) / 2, 214, Anchor::Centre), "slopeDisLabel_0"),
        copy("lengthText", "Bottom Length =", at((kBottomLeft + kBottomRight) / 2, 180, Anchor::Centre), "bottomLLabel"),
        copy("widthText", "Bottom Width =", at(156, 224), "bottomWLabel"),
        copy("DsText", "", at(kRiser.x(), kRiser.y() - kRiserRadius - 16, Anchor::Centre), "DsLabel"),
        copy("DoText", "", at(kOutlet.x() + 6, kOutlet.y() - 6), "DoLabel"),
        caption("Level Control Section", at((kLevelFrom + kLevelTo) / 2, 80, Anchor::Centre)),
        caption("20 ft. min", at((kLevelFrom + kLevelTo) / 2, 154, Anchor::Centre)),
        copy("bText", "", at(554, 113), "bLabel"),
        copy("slopeText", "", at(kChannelEnd + 6, 113), "slopeLabel"),
    };
}

}  // namespace

const QVector<Text>& sideViewTexts()
{
    static const QVector<Text> texts = makeSideViewTexts();
    return texts;
}

const QVector<Text>& topViewTexts()
{
    static const QVector<Text> texts = makeTopViewTexts();
    return texts;
}

QString labelCaption(const QString& label, const QString& value)
{
    for (const Text& text : sideViewTexts())
        if (text.value == label)
            return value + text.unit;
    return value;
}

void paintTexts(QPainter& painter, const QVector<Text>& texts, const QHash<QString, QString>& captions)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const Text& text : texts) {
        const QString shown = text.value.isEmpty() ? QString() : captions.value(text.value, text.initial);
        const double captionWidth = text.caption.isEmpty() ? 0 : metrics.horizontalAdvance(text.caption);
        const double valueWidth = text.value.isEmpty() ? 0 : metrics.horizontalAdvance(shown);
        const double gap = captionWidth > 0 && !text.value.isEmpty() ? kCaptionGap : 0;
        const double left = lineStart(text.place.anchor, text.place.at.x(), captionWidth, gap, valueWidth);
        const double baseline = text.place.at.y() + metrics.ascent();
        if (!text.caption.isEmpty())
            painter.drawText(QPointF(left, baseline), text.caption);
        if (!text.value.isEmpty())
            painter.drawText(QPointF(left + captionWidth + gap, baseline), shown);
    }
}

const Drawing& sideView()
{
    static const Drawing drawing = makeSideView();
    return drawing;
}

const Drawing& topView()
{
    static const Drawing drawing = makeTopView();
    return drawing;
}

}  // namespace reports::sketch
