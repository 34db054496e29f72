// The design sheet on paper: the page's layout and its painting.
//
// The page, in points: the title block across the top; the five stages in the
// left column; the side view, the top view and the list of overwrites and
// warnings in the right column; the footer along the bottom. Everything is
// black on white but the sketches' light fills, so that the sheet reads the
// same on a black-and-white printer. Text too long for its place wraps; a
// stage list too long for the page is set in a smaller size.

#include "engine/basin_design.h"
#include "reports/DesignSheet.h"
#include "reports/Sketches.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextLayout>

#include <memory>

namespace reports {

namespace {

constexpr double kTitleHeight = 72;
constexpr double kFooterHeight = 12;
constexpr double kGap = 8;
constexpr double kGutter = 14;
constexpr double kLargestText = 8;
constexpr double kSmallestText = 5.5;
const QString kMarker = QStringLiteral("◆");  // marks a designer overwrite

// The window pixels of the sketches' own texts: 8 points at 96 dots per inch.
constexpr double kSketchTextPixels = 8.0 * 96 / 72;

// Fonts sized in the painter's current units, whatever the device's resolution.
class Fonts {
public:
    explicit Fonts(const QPaintDevice* device) : m_dpi(device->logicalDpiY()), m_family(QGuiApplication::font().family())
    {
    }
    // The sheet's own texts are set semi-condensed where the face has it; the
    // sketches' texts keep the summary windows' normal width.
    QFont make(double size, bool bold = false, bool condensed = true) const
    {
        QFont font(m_family);
        // No ligatures: the sheet's text reads back letter for letter.
        font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
        font.setPointSizeF(size * 72.0 / m_dpi);
        font.setBold(bold);
        if (condensed)
            font.setStretch(QFont::SemiCondensed);
        return font;
    }

private:
    double m_dpi;
    QString m_family;
};

// The text with a number kept on the line of its unit: the blank before a
// unit becomes a no-break space.
QString keepUnits(const QString& text)
{
    static const QRegularExpression kBeforeUnit(QStringLiteral(" (?=(ft\\.|in\\.|cfs|cf|cy|acres|%)(?!\\w))"));
    QString kept = text;
    return kept.replace(kBeforeUnit, QStringLiteral("\u00a0"));
}

// A text laid out in lines of a width, breaking at spaces and, for a word
// longer than the width, anywhere.
class Paragraph {
public:
    Paragraph(const QString& text, const QFont& font, const QPaintDevice* device, double width)
        : m_layout(keepUnits(text), font, const_cast<QPaintDevice*>(device))
    {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_layout.setTextOption(option);
        m_layout.beginLayout();
        for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, m_height));
            m_height += line.height();
        }
        m_layout.endLayout();
    }
    double height() const { return m_height; }
    void draw(QPainter& painter, QPointF at) const { m_layout.draw(&painter, at); }

private:
    QTextLayout m_layout;
    double m_height = 0;
};

void drawElided(QPainter& painter, const QRectF& box, const QString& text)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, metrics.elidedText(text, Qt::ElideRight, box.width()));
}

// The title block: the department and the sheet's name at the left, the
// project's and basin's fields in a grid at the right.
void paintTitle(QPainter& painter, const Fonts& fonts, const QRectF& box, const DesignSheet& sheet)
{
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawRect(box);
    const double nameWidth = box.width() * 0.36;
    painter.drawLine(QPointF(box.left() + nameWidth, box.top()), QPointF(box.left() + nameWidth, box.bottom()));
    painter.setFont(fonts.make(8, true));
    painter.drawText(QRectF(box.left() + 8, box.top() + 14, nameWidth - 16, 14), Qt::AlignLeft,
                     QStringLiteral("ARVENNA DEPARTMENT OF TRANSPORTATION"));
    painter.setFont(fonts.make(14, true));
    painter.drawText(QRectF(box.left() + 8, box.top() + 31, nameWidth - 16, 24), Qt::AlignLeft,
                     QStringLiteral("Sediment Basin Design Sheet"));

    const QRectF grid(box.left() + nameWidth, box.top(), box.width() - nameWidth, box.height());
    constexpr int kColumns = 3, kRows = 4;
    const double cellWidth = grid.width() / kColumns, cellHeight = grid.height() / kRows;
    painter.setPen(QPen(Qt::black, 0.4));
    for (int row = 1; row < kRows; ++row)
        painter.drawLine(QPointF(grid.left(), grid.top() + row * cellHeight),
                         QPointF(grid.right(), grid.top() + row * cellHeight));
    for (int column = 1; column < kColumns; ++column)
        painter.drawLine(QPointF(grid.left() + column * cellWidth, grid.top()),
                         QPointF(grid.left() + column * cellWidth, grid.top() + (kRows - 1) * cellHeight));
    for (int index = 0; index < sheet.titleFields.size(); ++index) {
        const int row = index / kColumns, column = index % kColumns;
        const bool last = index == sheet.titleFields.size() - 1;  // the description spans the row
        const QRectF cell(grid.left() + column * cellWidth + 4, grid.top() + row * cellHeight + 1.5,
                          (last ? grid.right() - grid.left() - column * cellWidth : cellWidth) - 8, cellHeight - 2);
        painter.setFont(fonts.make(5.5));
        drawElided(painter, cell, sheet.titleFields[index].first);
        painter.setFont(fonts.make(8.5));
        drawElided(painter, cell.adjusted(0, 6, 0, 0), sheet.titleFields[index].second);
    }
}

void paintFooter(QPainter& painter, const Fonts& fonts, const QRectF& box, const SheetFooter& footer, int number,
                 int count)
{
    painter.setPen(QPen(Qt::black, 0.5));
    painter.drawLine(box.topLeft(), box.topRight());
    painter.setFont(fonts.make(7));
    const QRectF text = box.adjusted(0, 2, 0, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, footer.program);
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Printed ") +
                         QString::fromStdString(engine::usDateText2(
                             {footer.printed.year(), footer.printed.month(), footer.printed.day()})));
    painter.drawText(text, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Page %1 of %2").arg(number).arg(count));
}

// Texts laid out down a column from its top, kept so that the layout that
// fits is the one painted.
class Column {
public:
    Column(const QPaintDevice* device) : m_device(device) {}

    // A paragraph at (x, y) of the column, width wide; gives its height.
    double add(const QString& text, const QFont& font, double x, double y, double width)
    {
        m_texts.push_back({std::make_unique<Paragraph>(text, font, m_device, width), QPointF(x, y)});
        return m_texts.back().paragraph->height();
    }
    void addRule(const QLineF& rule) { m_rules.push_back(rule); }
    double height = 0;

    void paint(QPainter& painter, QPointF origin) const
    {
        painter.setPen(Qt::black);
        for (const auto& text : m_texts)
            text.paragraph->draw(painter, origin + text.at);
        painter.setPen(QPen(Qt::black, 0.5));
        for (const QLineF& rule : m_rules)
            painter.drawLine(rule.translated(origin));
    }

private:
    struct Placed {
        std::unique_ptr<Paragraph> paragraph;
        QPointF at;
    };
    const QPaintDevice* m_device;
    std::vector<Placed> m_texts;
    std::vector<QLineF> m_rules;
};

// The five stages in a column width wide: a numbered heading each, then its
// rows in two columns, what the value is and the value, an overwrite marked
// in front of its value.
std::unique_ptr<Column> layStages(const Fonts& fonts, const QPaintDevice* device, double width, const DesignSheet& sheet,
                                  double size)
{
    auto column = std::make_unique<Column>(device);
    const double itemWidth = width * 0.24;
    const double markerWidth = size * 1.3;
    const double valueLeft = itemWidth + markerWidth;
    const QFont heading = fonts.make(size + 1, true);
    const QFont body = fonts.make(size);
    const QFont marked = fonts.make(size, true);
    double y = 0;
    int number = 0;
    for (const SheetStage& stage : sheet.stages) {
        if (number > 0)
            y += size * 0.5;
        y += column->add(QStringLiteral("%1   %2").arg(++number).arg(stage.title), heading, 0, y, width) + 0.5;
        column->addRule(QLineF(0, y, width, y));
        y += 2;
        for (const SheetRow& row : stage.rows) {
            const double item = column->add(row.item, body, 0, y, itemWidth - 4);
            const double value = column->add(row.value, row.overwrite ? marked : body, valueLeft, y, width - valueLeft);
            if (row.overwrite)
                column->add(kMarker, marked, itemWidth, y, markerWidth);
            y += std::max(item, value) + size * 0.2;
        }
    }
    column->height = y;
    return column;
}

// The overwrites and the warnings, under the sketches.
std::unique_ptr<Column> layNotes(const Fonts& fonts, const QPaintDevice* device, double width, const DesignSheet& sheet)
{
    auto column = std::make_unique<Column>(device);
    const QFont body = fonts.make(7.5);
    double y = column->add(kMarker + QStringLiteral("  Designer overwrites (verification is advised)"),
                           fonts.make(8, true), 0, 0, width) + 2;
    if (sheet.overwrites.isEmpty())
        y += column->add(QStringLiteral("None: every table value is the table's own choice."), body, 0, y, width) + 2;
    for (const QString& overwrite : sheet.overwrites)
        y += column->add(overwrite, body, 0, y, width) + 2;
    for (const QString& note : sheet.notes)
        y += column->add(note, fonts.make(7.5, true), 0, y, width) + 2;
    column->height = y;
    return column;
}

// The height of a sketch of a width, with its title.
double sketchHeight(const sketch::Drawing& drawing, double width)
{
    return 10 + width * drawing.size.height() / drawing.size.width();
}

// One sketch framed in box, with its values; the sketch fills the box's width.
void paintSketch(QPainter& painter, const Fonts& fonts, const QRectF& box, const QString& title,
                 const sketch::Drawing& drawing, const QVector<sketch::Text>& texts, const QHash<QString, QString>& values)
{
    painter.setFont(fonts.make(6.5, true));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(box.left(), box.top() + 7), title);
    const QRectF frame(box.left(), box.top() + 10, box.width(), sketchHeight(drawing, box.width()) - 10);
    const double scale = frame.width() / drawing.size.width();
    painter.save();
    painter.translate(frame.topLeft());
    painter.scale(scale, scale);
    sketch::paint(painter, drawing);
    painter.setFont(fonts.make(kSketchTextPixels, false, false));
    painter.setPen(Qt::black);
    sketch::paintTexts(painter, texts, values);
    painter.restore();
    painter.setPen(QPen(Qt::black, 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
}

}  // namespace

QPageLayout defaultPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(0.4, 0.4, 0.4, 0.4),
                       QPageLayout::Inch);
}

void paintSheet(QPainter& painter, const QRectF& page, const DesignSheet& sheet, const SheetFooter& footer, int number,
                int count)
{
    const QPaintDevice* device = painter.device();
    const Fonts fonts(device);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);

    paintTitle(painter, fonts, QRectF(page.left(), page.top(), page.width(), kTitleHeight), sheet);
    paintFooter(painter, fonts, QRectF(page.left(), page.bottom() - kFooterHeight, page.width(), kFooterHeight), footer,
                number, count);

    const double top = page.top() + kTitleHeight + kGap;
    const double bottom = page.bottom() - kFooterHeight - kGap;
    const double leftWidth = (page.width() - kGutter) * 0.5;
    const QRectF left(page.left(), top, leftWidth, bottom - top);
    const QRectF right(page.left() + leftWidth + kGutter, top, page.width() - leftWidth - kGutter, bottom - top);

    // The stages in the largest size that fits the column.
    double size = kLargestText;
    auto stages = layStages(fonts, device, left.width(), sheet, size);
    while (size > kSmallestText && stages->height > left.height()) {
        size -= 0.25;
        stages = layStages(fonts, device, left.width(), sheet, size);
    }
    stages->paint(painter, left.topLeft());

    // The notes take what they need at the foot of the right column; the
    // sketches share the rest at one width, as wide as the column allows.
    const auto notes = layNotes(fonts, device, right.width(), sheet);
    const double forSketches = right.height() - notes->height - 2 * kGap;
    double width = right.width();
    const double both = sketchHeight(sketch::sideView(), width) + sketchHeight(sketch::topView(), width);
    if (both > forSketches)
        width *= std::max(0.2, (forSketches - 20) / (both - 20));
    const double x = right.left() + (right.width() - width) / 2;
    const QRectF side(x, right.top(), width, sketchHeight(sketch::sideView(), width));
    const QRectF plan(x, side.bottom() + kGap, width, sketchHeight(sketch::topView(), width));
    paintSketch(painter, fonts, side, QStringLiteral("SIDE VIEW (not to scale)"), sketch::sideView(),
                sketch::sideViewTexts(), sheet.sideView);
    paintSketch(painter, fonts, plan, QStringLiteral("TOP VIEW (not to scale)"), sketch::topView(),
                sketch::topViewTexts(), sheet.topView);
    notes->paint(painter, QPointF(right.left(), plan.bottom() + kGap));
    painter.restore();
}

void paintSheets(QPainter& painter, QPagedPaintDevice& device, std::span<const DesignSheet> sheets,
                 const SheetFooter& footer)
{
    // Points on the page's printable area.
    const double pointsToDevice = device.logicalDpiX() / 72.0;
    const QRectF page(QPointF(0, 0), device.pageLayout().paintRect(QPageLayout::Point).size());
    painter.save();
    painter.scale(pointsToDevice, device.logicalDpiY() / 72.0);
    const int count = int(sheets.size());
    for (int index = 0; index < count; ++index) {
        if (index > 0)
            device.newPage();
        paintSheet(painter, page, sheets[std::size_t(index)], footer, index + 1, count);
    }
    painter.restore();
}

store::Status writeSheetsPdf(const QString& path, std::span<const DesignSheet> sheets, const SheetFooter& footer)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return store::Failure{store::err::kFileNotWritable, file.errorString()};
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setPageLayout(defaultPageLayout());
        writer.setCreator(footer.program);
        writer.setTitle(sheets.size() == 1 ? QStringLiteral("Sediment Basin Design Sheet")
                                           : QStringLiteral("Sediment Basin Design Sheets"));
        QPainter painter;
        if (!painter.begin(&writer))
            return store::Failure{store::err::kFileNotWritable, QStringLiteral("The PDF could not be started")};
        paintSheets(painter, writer, sheets, footer);
        painter.end();
    }
    if (!file.commit())
        return store::Failure{store::err::kFileNotWritable, file.errorString()};
    return {};
}

}  // namespace reports
