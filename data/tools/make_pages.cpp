// Renders the manual excerpt pages that Tellum's page viewer shows: the
// design rules the program applies, written for the designer, and the three
// design tables taken from the program's own table data, so that the pages
// and the program cannot disagree. Writes title.png and page0.png ...
// page16.png into the folder given on the command line; make-pages.sh turns
// them into the GIF files beside the program.
//
// Every page is checked as it is drawn: each text of a table stands on one
// line in its cell (a capacity of 100 broken into "10" over "0" reads as 10),
// and the text ends above the page's foot. A page that fails writes nothing
// and ends the program with the faults listed. With --check in place of the
// folder the pages are drawn and checked only; the build runs it so.

#include "engine/basin_sizing.h"
#include "engine/design_tables.h"
#include "engine/number_text.h"
#include "engine/runoff.h"
#include "engine/spillways.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <functional>

namespace {

constexpr int kWidth = 620;
constexpr int kHeight = 905;
constexpr int kMargin = 40;
const QString kManual = QStringLiteral("Manual for Erosion and Sediment Control in Arvenna");

QString q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
QString num(double v) { return q(engine::generalText(v)); }

const QString kStyle = QStringLiteral(
    "<style>body{font-family:'DejaVu Serif';font-size:10.5pt;color:#111}"
    "h1{font-size:15pt;margin:0 0 6px 0}h2{font-size:12pt;margin:10px 0 4px 0}"
    "p{margin:0 0 6px 0} td,th{padding:2px 4px} th{background:#e4e4e4}"
    ".f{font-family:'DejaVu Sans Mono';font-size:10pt;margin-left:18px}"
    ".small{font-size:8.5pt} .caution{background:#c8c8c8}</style>");

// What does not fit, page by page.
QStringList layoutFaults;

// Checks a laid-out text of a page: every block of a table cell on one line,
// and the whole no taller than the room it is drawn in.
void checkFits(QTextDocument& doc, const QString& page, double room)
{
    const QSizeF size = doc.size();  // lays the text out
    if (size.height() > room)
        layoutFaults << QStringLiteral("%1: the text is %2 px high, the page has room for %3")
                            .arg(page).arg(size.height()).arg(room);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextTable* table = QTextCursor(block).currentTable();
        // A line break written into a cell (<br>) is the only break allowed.
        const int written = int(block.text().count(QChar::LineSeparator)) + 1;
        if (!table || !block.layout() || block.layout()->lineCount() <= written)
            continue;
        const QTextTableCell cell = table->cellAt(block.position());
        layoutFaults << QStringLiteral("%1: \"%2\" does not fit on one line in its cell (row %3, column %4)")
                            .arg(page, block.text()).arg(cell.row()).arg(cell.column());
    }
}

QImage blankPage()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(253, 252, 247));
    image.setDotsPerMeterX(3780);  // 96 dots per inch
    image.setDotsPerMeterY(3780);
    return image;
}

void drawFrame(QPainter& p, int pageNumber, const QString& chapter)
{
    QFont small(QStringLiteral("DejaVu Serif"));
    small.setPixelSize(11);
    small.setItalic(true);
    p.setFont(small);
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRect(kMargin, 14, kWidth - 2 * kMargin, 16), Qt::AlignLeft, kManual);
    p.drawText(QRect(kMargin, 14, kWidth - 2 * kMargin, 16), Qt::AlignRight, chapter);
    p.drawLine(kMargin, 32, kWidth - kMargin, 32);
    p.drawLine(kMargin, kHeight - 34, kWidth - kMargin, kHeight - 34);
    p.drawText(QRect(kMargin, kHeight - 30, kWidth - 2 * kMargin, 16), Qt::AlignHCenter,
               QStringLiteral("Excerpt page %1").arg(pageNumber));
}

QImage htmlPage(int pageNumber, const QString& chapter, const QString& body)
{
    QImage image = blankPage();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawFrame(p, pageNumber, chapter);
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setHtml(QStringLiteral("<html><head>") + kStyle + QStringLiteral("</head><body>") + body +
                QStringLiteral("</body></html>"));
    doc.setTextWidth(kWidth - 2 * kMargin);
    checkFits(doc, QStringLiteral("page %1").arg(pageNumber), kHeight - 90);
    p.translate(kMargin, 46);
    doc.drawContents(&p, QRectF(0, 0, kWidth - 2 * kMargin, kHeight - 90));
    return image;
}

// ---- The design tables, from the program's data ----

QString tableA()
{
    QString h = QStringLiteral("<table border=1 cellspacing=0 width=100%><tr><th rowspan=2>H<br>ft</th>"
                               "<th colspan=8>Diameter of outlet pipe Do, inches</th></tr><tr>");
    for (auto d : engine::kPipeDiameterTexts)
        h += QStringLiteral("<th>") + q(d) + QStringLiteral("</th>");
    h += QStringLiteral("</tr>");
    int row = -1;
    for (const auto& cell : engine::table_a::cells()) {
        if (cell.row != row) {
            if (row >= 0)
                h += QStringLiteral("</tr>");
            row = cell.row;
            const bool greyed = !engine::table_a::isRowEnabled(cell.height);
            h += QStringLiteral("<tr%1><th>%2</th>").arg(greyed ? QStringLiteral(" class=caution") : QString()).arg(cell.height);
        }
        h += QStringLiteral("<td align=right>") + q(cell.q) + QStringLiteral("</td>");
    }
    return h + QStringLiteral("</tr></table>");
}

QString tableB()
{
    QString h = QStringLiteral("<table border=1 cellspacing=0 width=100%><tr><th rowspan=2>L<br>ft</th>"
                               "<th colspan=8>Diameter of pipe in inches</th></tr><tr>");
    for (auto d : engine::kPipeDiameterTexts)
        h += QStringLiteral("<th>") + q(d) + QStringLiteral("</th>");
    h += QStringLiteral("</tr>");
    int row = -1;
    for (const auto& cell : engine::table_b::cells()) {
        if (cell.row != row) {
            if (row >= 0)
                h += QStringLiteral("</tr>");
            row = cell.row;
            h += QStringLiteral("<tr><th>%1</th>").arg(cell.length);
        }
        h += QStringLiteral("<td align=right>") + q(cell.cf) + QStringLiteral("</td>");
    }
    return h + QStringLiteral("</tr></table>");
}

// One quantity of table 6-22.4 over all stages and bottom widths.
QString tableEs(const std::function<QString(const engine::table_es::Cell&)>& value)
{
    // Seventeen columns of equal width with narrow padding, so that every
    // three-digit capacity stands on one line.
    const QString pad = QStringLiteral(" style='padding:1px 2px'");
    const auto widths = engine::table_es::bottomWidths();
    QString h = QStringLiteral("<table border=1 cellspacing=0 width=100% class=small><tr><th width=7%%1>Hp</th>").arg(pad);
    for (int b : widths)
        h += QStringLiteral("<th width=%1%%2>%3</th>").arg(93.0 / double(widths.size()), 0, 'f', 2).arg(pad).arg(b);
    h += QStringLiteral("</tr>");
    int row = -1;
    for (const auto& cell : engine::table_es::cells()) {
        if (cell.row != row) {
            if (row >= 0)
                h += QStringLiteral("</tr>");
            row = cell.row;
            h += QStringLiteral("<tr><th%1>").arg(pad) + q(cell.stage) + QStringLiteral("</th>");
        }
        h += QStringLiteral("<td align=right%1%2>").arg(cell.caution ? QStringLiteral(" class=caution") : QString(), pad) +
             value(cell) + QStringLiteral("</td>");
    }
    return h + QStringLiteral("</tr></table>");
}

const QString kCautionNote = QStringLiteral(
    "<p class=small>Shaded values are to be used with caution: the channel is wide for its depth of flow and "
    "the flow may not spread evenly over the bottom.</p>");

// ---- Figure 6-22.3: the outlet pipe through the dam ----

QImage figurePage(int pageNumber)
{
    QImage image = blankPage();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawFrame(p, pageNumber, QStringLiteral("Principal spillway"));
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(19);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::black);
    p.drawText(QRect(kMargin, 50, kWidth - 2 * kMargin, 26), Qt::AlignLeft, QStringLiteral("Principal Spillway Design"));

    // Ground, basin, dam (top width T, slopes Zu and Zd), riser and pipe.
    const double ground = 470, crest = 250, top = 210;
    const double damUpToe = 300, damTopL = 360, damTopR = 420, damDownToe = 520;
    QPen thick(Qt::black, 2);
    // Water up to the emergency spillway's crest, behind the dam's upstream face.
    const double faceAtCrest = damUpToe + (damTopL - damUpToe) * (ground - crest) / (ground - top);
    QPainterPath water;
    water.moveTo(70, crest);
    water.lineTo(faceAtCrest, crest);
    water.lineTo(damUpToe, ground);
    water.lineTo(70, ground);
    p.fillPath(water, QColor(190, 215, 235));
    p.setPen(QPen(QColor(40, 90, 160), 1, Qt::DashLine));
    p.drawLine(QPointF(70, 380), QPointF(damUpToe - 20, 380));
    p.drawLine(QPointF(faceAtCrest, crest), QPointF(damTopR + 60, crest));
    p.setPen(thick);
    QPainterPath dam;
    dam.moveTo(damUpToe, ground);
    dam.lineTo(damTopL, top);
    dam.lineTo(damTopR, top);
    dam.lineTo(damDownToe, ground);
    p.fillPath(dam, QColor(214, 196, 160));
    p.drawPath(dam);
    p.drawLine(QPointF(60, ground), QPointF(damUpToe, ground));
    p.drawLine(QPointF(damDownToe, ground), QPointF(kWidth - 40, ground));
    // Riser and pipe.
    p.fillRect(QRectF(150, 240, 24, ground - 240), QColor(120, 120, 120));
    p.drawRect(QRectF(150, 240, 24, ground - 240));
    const double pipeY1 = ground - 18, pipeY2 = ground - 6;
    p.drawLine(QPointF(174, pipeY1), QPointF(565, pipeY1 + 6));
    p.drawLine(QPointF(174, pipeY2), QPointF(565, pipeY2 + 6));

    QFont label(QStringLiteral("DejaVu Sans"));
    label.setPixelSize(13);
    p.setFont(label);
    p.setPen(Qt::black);
    auto text = [&](double x, double y, const QString& s) { p.drawText(QPointF(x, y), s); };
    text(damTopL + 24, top - 8, QStringLiteral("T"));
    p.drawLine(QPointF(damTopL, top - 4), QPointF(damTopR, top - 4));
    text(damTopR + 4, top + 4, QStringLiteral("A"));
    text(damUpToe - 2, 330, QStringLiteral("Zu:1"));
    text(damTopR + 50, 330, QStringLiteral("Zd:1"));
    text(130, ground + 18, QStringLiteral("B"));
    text(568, pipeY2 + 20, QStringLiteral("C"));
    text(184, crest + 20, QStringLiteral("Vs (67 cy/acre)"));
    text(184, 374, QStringLiteral("Vc (22 cy/acre, clean-out)"));
    text(80, 230, QStringLiteral("riser, Ds = 1.5 Do"));
    text(damTopR + 64, crest - 4, QStringLiteral("emergency"));
    text(damTopR + 64, crest + 12, QStringLiteral("spillway crest"));
    p.drawLine(QPointF(damDownToe, ground + 30), QPointF(565, ground + 30));
    text(536, ground + 46, QStringLiteral("E"));
    p.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
    p.drawLine(QPointF(174, ground + 60), QPointF(565, ground + 60));
    text(360, ground + 76, QStringLiteral("L"));

    p.setPen(Qt::black);
    QTextDocument legend;
    legend.setDocumentMargin(0);
    legend.setHtml(kStyle + QStringLiteral(
        "<h2>PRINCIPAL SPILLWAY DESIGN</h2>"
        "<table cellspacing=0>"
        "<tr><td><b>T</b></td><td>top width of the dam, ft</td></tr>"
        "<tr><td><b>Zu</b></td><td>upstream side slope of the dam (horizontal per vertical); the basin's side slope</td></tr>"
        "<tr><td><b>Zd</b></td><td>downstream side slope of the dam (horizontal per vertical)</td></tr>"
        "<tr><td><b>A</b></td><td>elevation of the top of the dam, ft</td></tr>"
        "<tr><td><b>B</b></td><td>lowest elevation of the pipe at the riser, ft</td></tr>"
        "<tr><td><b>C</b></td><td>lowest elevation of the pipe at the outlet, ft</td></tr>"
        "<tr><td><b>E</b></td><td>length of pipe extended beyond the toe of the dam, ft</td></tr>"
        "<tr><td><b>L</b></td><td>total length of the outlet pipe, ft</td></tr></table>"
        "<p class=f>L = [A - (B + C) / 2] [Zu + Zd] + T + E</p>"
        "<p align=center><i>Fig. 6-22.3</i></p>"));
    legend.setTextWidth(kWidth - 2 * kMargin);
    checkFits(legend, QStringLiteral("page %1").arg(pageNumber), kHeight - 34 - 600);
    p.translate(kMargin, 600);
    legend.drawContents(&p);
    return image;
}

QImage titlePage()
{
    QImage image = blankPage();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.drawRect(QRect(24, 24, kWidth - 48, kHeight - 48));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawRect(QRect(32, 32, kWidth - 64, kHeight - 64));
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setHtml(kStyle + QStringLiteral(
        "<p align=center style='font-size:11pt;margin-top:120px'>EXCERPTS FROM THE</p>"
        "<p align=center style='font-size:22pt'><b>Manual for Erosion and<br>Sediment Control<br>in Arvenna</b></p>"
        "<p align=center style='font-size:13pt;margin-top:40px'>Chapter 6<br>Temporary Sediment Basin</p>"
        "<p align=center style='margin-top:60px'>Storage volumes &middot; Rational method &middot; Basin sizing<br>"
        "Principal spillway &middot; Outlet pipe length &middot; Emergency spillway<br>"
        "Design tables 6-22.1 (A), 6-22.1 (B) and 6-22.4 &middot; Figure 6-22.3</p>"
        "<p align=center style='margin-top:120px' class=small>Seventeen pages, numbered 0 to 16.<br>"
        "Use &gt; and &lt; below to turn the pages.</p>"));
    doc.setTextWidth(kWidth - 2 * 60);
    checkFits(doc, QStringLiteral("the title page"), kHeight - 2 * 60);
    p.translate(60, 60);
    doc.drawContents(&p);
    return image;
}

// ---- A worked design, computed with the program's own rules ----

QString workedExample()
{
    const double area = 2, c = 0.5, i2 = 4.2, i25 = 6.6, slope = 2.5;
    const int depth = 4;
    const double vs = engine::storageVolume(area), vc = engine::cleanOutVolume(area);
    const double q2 = engine::twoYearDischarge(c, i2, area), q25 = engine::twentyFiveYearDischarge(c, i25, area);
    const auto sizing = engine::sizeBasin(vs, slope, depth);
    const double h = engine::minimumHeight(depth);
    const auto pipe = engine::table_a::selectPipe(h, q2);
    QString s = QStringLiteral("<h1>A worked design</h1><p>A basin below a cut slope drains <b>%1 acres</b> "
                               "with a runoff coefficient <b>C = %2</b>; the intensities read from the rainfall "
                               "curves are <b>%3 in/hr</b> (2-year) and <b>%4 in/hr</b> (25-year).</p>")
                    .arg(num(area), num(c), num(i2), num(i25));
    s += QStringLiteral("<p class=f>Vs = %1 x 67 x 27 = %2 cf<br>Vc = %1 x 22 x 27 = %3 cf<br>"
                        "Q2 = %4 x %5 x %1 = %6 cfs<br>Q25 = %4 x %7 x %1 = %8 cfs</p>")
             .arg(num(area), num(vs), num(vc), num(c), num(i2), q(engine::formatPattern(q2, "0.00")), num(i25),
                  q(engine::formatPattern(q25, "0.00")));
    s += QStringLiteral("<p>With side slopes of %1:1 and a depth of %2 ft the bottom width comes to <b>%3 ft</b>, "
                        "the bottom length to <b>%4 ft</b>, the top to %5 by %6 ft.</p><p class=f>%7</p>")
             .arg(num(slope)).arg(depth)
             .arg(q(sizing.widthText), q(sizing.lengthText), q(sizing.topWidthText), q(sizing.topLengthText),
                  q(sizing.percentText));
    if (pipe.cell) {
        const double dO = pipe.cell->diameter.empty() ? 0 : std::stod(std::string(pipe.cell->diameter));
        const double flow = pipe.cell->flow();
        const std::string ds = engine::riserDiameterText(dO);
        const auto head = engine::headOverRiserText(flow, std::stod(ds));
        s += QStringLiteral("<p>H must be at least depth + 1 = %1 ft. In the row H = %1 of table 6-22.1 (A) the "
                            "first pipe that carries more than Q2 = %2 cfs is <b>Do = %3 in.</b> with "
                            "<b>Q = %4 cfs</b>. The riser is Ds = 1.5 x %3 = <b>%5 in.</b>; the head over it is "
                            "h = %6 ft, and H must also be at least depth + h.</p>")
                 .arg(num(h), q(engine::formatPattern(q2, "0.00")), q(pipe.cell->diameter), q(pipe.cell->q), q(ds),
                      head ? q(*head) : QStringLiteral("-"));
        const auto length = engine::pipeLength({"100", "92", "90", "2.5", "2.5", "8", "4"});
        const auto cf = engine::table_b::selectCorrection(length.length, dO);
        s += QStringLiteral("<p>The dam: A = 100, B = 92, C = 90, Zu = Zd = 2.5, T = 8, E = 4 ft.</p>"
                            "<p class=f>L = [100 - (92 + 90) / 2] [2.5 + 2.5] + 8 + 4 = %1 ft</p>")
                 .arg(q(length.text));
        if (cf.cell) {
            const double qps = flow * cf.cell->factor();
            const double qes = q25 - std::stod(engine::mainCorrectedFlowText(qps));
            const auto channel = engine::table_es::suggestChannel(qes);
            s += QStringLiteral("<p>Table 6-22.1 (B), row L = %1 ft, column %2 in.: CF = %3, so "
                                "<b>Qps = %4 x %3 = %5 cfs</b>.</p><p class=f>Qes = Q25 - Qps = %6 - %5 = %7 cfs</p>")
                     .arg(cf.cell->length).arg(q(pipe.cell->diameter), q(cf.cell->cf), q(pipe.cell->q),
                                               q(engine::mainCorrectedFlowText(qps)),
                                               q(engine::formatPattern(q25, "0.00")), q(engine::generalText(qes)));
            if (channel.cell)
                s += QStringLiteral("<p>Table 6-22.4 suggests the smallest channel that carries it: capacity "
                                    "<b>%1 cfs</b> at a stage Hp = %2 ft with a bottom width b = %3 ft "
                                    "(velocity %4, slope %5).</p>")
                         .arg(channel.cell->capacity).arg(q(channel.cell->stage)).arg(channel.cell->bottomWidth)
                         .arg(q(channel.cell->velocity), q(channel.cell->slope));
        }
    }
    return s;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: tellum_make_pages OUTPUT_FOLDER | --check");
        return 2;
    }
    const bool checkOnly = QByteArray(argv[1]) == "--check";
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QVector<QImage> pages;
    const QString basin = QStringLiteral("Temporary sediment basin");
    const QString spill = QStringLiteral("Principal spillway");
    const QString emer = QStringLiteral("Emergency spillway");

    pages << htmlPage(0, basin, QStringLiteral(
        "<h1>Contents of these excerpts</h1><table width=100%>"
        "<tr><td>1</td><td>Temporary sediment basin: purpose and storage volumes</td></tr>"
        "<tr><td>2</td><td>Storm runoff by the rational method</td></tr>"
        "<tr><td>3</td><td>Basin shape and sizing by depth</td></tr>"
        "<tr><td>4</td><td>Principal spillway: riser, head and height H</td></tr>"
        "<tr><td>5</td><td>Table 6-22.1 (A): pipe flow Q by H and diameter Do</td></tr>"
        "<tr><td>6</td><td>Fig. 6-22.3: principal spillway design</td></tr>"
        "<tr><td>7</td><td>Outlet pipe length L</td></tr>"
        "<tr><td>8</td><td>Table 6-22.1 (B): correction factors for pipe length</td></tr>"
        "<tr><td>9</td><td>Emergency spillway notes</td></tr>"
        "<tr><td>10</td><td>Table 6-22.4: channel capacity</td></tr>"
        "<tr><td>11</td><td>Table 6-22.4: velocity</td></tr>"
        "<tr><td>12</td><td>Table 6-22.4: slope</td></tr>"
        "<tr><td>13</td><td>Choosing the emergency spillway channel</td></tr>"
        "<tr><td>14</td><td>The sizing method, step by step</td></tr>"
        "<tr><td>15</td><td>A worked design</td></tr>"
        "<tr><td>16</td><td>Units, conversions and limits</td></tr></table>"
        "<p style='margin-top:24px'>These pages summarise the rules of Chapter 6 that the basin design program "
        "applies. Where the program departs from the manual this is stated on the page concerned.</p>"));

    pages << htmlPage(1, basin, QStringLiteral(
        "<h1>Temporary sediment basin</h1>"
        "<p>A temporary sediment basin is a pond formed by an earth dam or by excavation across a drainage way. "
        "It detains the runoff of a disturbed area long enough for most of the sediment to settle, and releases "
        "the water through a riser and an outlet pipe (the principal spillway). Larger storms leave over an "
        "open channel cut around the dam (the emergency spillway).</p>"
        "<p>A basin is used where the drainage area is too large for a sediment trap, and it stays in place "
        "until the area above it is stabilised.</p>"
        "<h2>Storage volumes</h2>"
        "<p>The basin must hold <b>67 cubic yards per acre</b> of drainage area below the crest of the emergency "
        "spillway. Sediment is removed when it has filled the basin to <b>22 cubic yards per acre</b>, the "
        "clean-out level, which is marked on the riser.</p>"
        "<p class=f>Vs = A x 67 x 27   cubic feet<br>Vc = A x 22 x 27   cubic feet</p>"
        "<p>A is the drainage area in acres; 27 cubic feet make one cubic yard. For 1 acre: Vs = 1809 cf, "
        "Vc = 594 cf.</p>"
        "<p>The required storage Vs is the volume the basin is sized for (page 3). Vc fixes the clean-out mark.</p>"));

    pages << htmlPage(2, basin, QStringLiteral(
        "<h1>Storm runoff: the rational method</h1>"
        "<p>The peak discharge of a small drainage area is found by the rational formula</p>"
        "<p class=f>Q = C i A</p>"
        "<table><tr><td><b>Q</b></td><td>peak discharge, cubic feet per second (cfs)</td></tr>"
        "<tr><td><b>C</b></td><td>runoff coefficient of the area, a number below 1</td></tr>"
        "<tr><td><b>i</b></td><td>rainfall intensity for a storm lasting the time of concentration, in/hr</td></tr>"
        "<tr><td><b>A</b></td><td>drainage area, acres</td></tr></table>"
        "<p>Two storms are needed:</p>"
        "<p class=f>Q2  = C i2 A    (2-year storm)<br>Q25 = C i25 A   (25-year storm)</p>"
        "<p>Q2 sizes the principal spillway: the riser and outlet pipe must pass the 2-year peak without the "
        "emergency spillway flowing. Q25 is the flow that the two spillways together must pass.</p>"
        "<p>For a construction site that has been cleared and graded, C is high; choose it for the condition of "
        "the area during construction, not after. A value of 1 or more is not accepted.</p>"
        "<p>Intensities are read from the rainfall intensity-duration curves of the county for the time of "
        "concentration of the area. The discharges are carried to two decimals.</p>"));

    pages << htmlPage(3, basin, QStringLiteral(
        "<h1>Basin shape and sizing by depth</h1>"
        "<p>The basin is a rectangular excavation or impoundment whose <b>bottom length is twice its bottom "
        "width</b> (2:1 ratio required), with side slopes of z horizontal to 1 vertical. Side slopes of 2.5:1 or "
        "flatter are required; a steeper inner slope may slide when the basin is drained.</p>"
        "<p>For a chosen depth d (4 to 10 ft) the bottom width W is the one for which the basin holds Vs. "
        "Counting the basin as thin horizontal slices of 0.01 ft (N = 100 d slices), the volume is a quadratic "
        "in W and is solved directly. Then</p>"
        "<p class=f>bottom length = 2 W<br>top width  = W + 2 z d<br>top length = 2 W + 2 z d</p>"
        "<p>The widths are rounded to two decimals and the basin is measured again as a frustum (prismoid):</p>"
        "<p class=f>V = d/3 [A1 + A2 + sqrt(A1 A2)]</p>"
        "<p>with A1 and A2 the bottom and top areas. The ratio of the smaller to the larger of V and Vs is "
        "shown as the accuracy; a value close to 1 means the shape holds the storage required.</p>"
        "<p>Choose a deeper basin where space is short; a shallow, long basin traps fine sediment better.</p>"));

    pages << htmlPage(4, spill, QStringLiteral(
        "<h1>Principal spillway</h1>"
        "<p>The principal spillway is a vertical riser joined to an outlet pipe (barrel) through the dam. "
        "Its height <b>H</b> is the vertical distance between the centreline of the outlet pipe and the crest of "
        "the emergency spillway.</p>"
        "<h2>Pipe and flow</h2><p>Enter table 6-22.1 (A) (page 5) with H and choose the smallest pipe diameter "
        "Do whose flow Q is greater than Q2.</p>"
        "<h2>Riser</h2><p>The riser diameter is one and a half times the pipe's:</p><p class=f>Ds = 1.5 Do</p>"
        "<p>The head h over the riser's crest that passes Q follows from the weir formula with a weir "
        "coefficient of 3.1 and the riser's circumference as the weir length:</p>"
        "<p class=f>h = [ 12 Q / (3.1 &pi; Ds) ]^(2/3)   ft,  Ds in inches</p>"
        "<p>h is never taken below 1 ft.</p>"
        "<h2>Height H</h2><p>H must be at least</p>"
        "<p class=f>depth + 1 ft   and   depth + h</p>"
        "<p>so that the storage lies below the riser's crest and the riser can pass Q before the emergency "
        "spillway flows. A larger H gives a larger Q for the same pipe.</p>"));

    pages << htmlPage(5, spill, QStringLiteral("<h1>Table 6-22.1 (A)</h1><p>Pipe flow Q in cfs for a riser and "
                                               "outlet pipe, by height H and outlet pipe diameter Do.</p>") +
                                    tableA() +
                                    QStringLiteral("<p class=small>Shaded rows (H = 3 and 4 ft) are below the least H "
                                                   "of any basin (depth 4 ft + 1 ft) and are not used. There is no "
                                                   "row for H = 15 ft. The table assumes a pipe of standard "
                                                   "length; correct Q with table 6-22.1 (B).</p>"));

    pages << figurePage(6);

    pages << htmlPage(7, spill, QStringLiteral(
        "<h1>Outlet pipe length</h1>"
        "<p>The outlet pipe runs from the base of the riser through the dam and extends beyond the toe of the "
        "dam. Its length follows from the dam's cross-section (Fig. 6-22.3, page 6):</p>"
        "<p class=f>L = [A - (B + C) / 2] [Zu + Zd] + T + E</p>"
        "<p>A - (B + C)/2 is the height of the dam above the pipe's mean elevation; times the two side slopes it "
        "gives the width of the dam's base at that level, to which the top width T and the extension E are "
        "added.</p>"
        "<p>The upstream slope Zu of the dam is the side slope of the basin. Both slopes start at 2.5.</p>"
        "<h2>Example</h2><p>A = 100, B = 92, C = 90, Zu = Zd = 2.5, T = 8, E = 4 (ft):</p>"
        "<p class=f>L = [100 - 91] [5] + 8 + 4 = 57 ft</p>"
        "<p>Table 6-22.1 (B) is entered with the next tabulated length at or above L, here 60 ft.</p>"));

    pages << htmlPage(8, spill, QStringLiteral("<h1>Table 6-22.1 (B)</h1><p>Correction factors CF for pipe "
                                               "length, by length L and pipe diameter.</p>") +
                                    tableB() +
                                    QStringLiteral("<p>The actual principal spillway flow is</p><p class=f>Qps = Q x CF"
                                                   "</p><p>L is rounded to a whole number and the next tabulated "
                                                   "length at or above it is used. Pipes shorter than 30 ft or "
                                                   "longer than 160 ft are outside the table.</p>"));

    pages << htmlPage(9, emer, QStringLiteral(
        "<h1>Emergency spillway</h1>"
        "<p>The emergency spillway is an open channel in undisturbed ground beside the dam, never on fill. It "
        "carries the part of the 25-year peak that the principal spillway cannot pass:</p>"
        "<p class=f>Qes = Q25 - Qps</p>"
        "<p>If Qes is below zero the principal spillway alone passes the 25-year storm: it is over-designed and "
        "no emergency spillway is needed.</p>"
        "<h2>Notes</h2><ul>"
        "<li>The crest of the emergency spillway lies H above the outlet pipe's centreline.</li>"
        "<li>The top of the dam lies at least 1 ft above the water surface in the spillway at design flow "
        "(freeboard).</li>"
        "<li>The channel has 2.5:1 side slopes; its stage Hp is the depth of flow over the crest.</li>"
        "<li>The exit channel is stabilised before the basin receives runoff; the velocity and slope of table "
        "6-22.4 apply to the exit channel.</li>"
        "<li>Bottom widths of 8 to 40 ft and stages of 0.5 to 2.1 ft are tabulated.</li></ul>"));

    pages << htmlPage(10, emer, QStringLiteral("<h1>Table 6-22.4: capacity</h1><p>Emergency spillway capacity in "
                                               "cfs by stage Hp (ft, rows) and bottom width b (ft, columns).</p>") +
                                    tableEs([](const auto& c) { return QString::number(c.capacity); }) + kCautionNote);
    pages << htmlPage(11, emer, QStringLiteral("<h1>Table 6-22.4: velocity</h1><p>Velocity in the exit channel for "
                                               "each capacity of page 10, by stage Hp and bottom width b.</p>") +
                                    tableEs([](const auto& c) { return q(c.velocity); }) + kCautionNote);
    pages << htmlPage(12, emer, QStringLiteral("<h1>Table 6-22.4: slope</h1><p>Slope of the exit channel for each "
                                               "capacity of page 10, by stage Hp and bottom width b.</p>") +
                                    tableEs([](const auto& c) { return q(c.slope); }) + kCautionNote);

    pages << htmlPage(13, emer, QStringLiteral(
        "<h1>Choosing the emergency spillway channel</h1>"
        "<ol><li>Round Qes up to the next whole cfs.</li>"
        "<li>In table 6-22.4 find the smallest capacity that is not below it; among equal capacities take the "
        "lowest stage, then the narrowest bottom width.</li>"
        "<li>Read the stage Hp, bottom width b, velocity and slope of that cell (pages 10 to 12).</li>"
        "<li>A larger channel may be chosen, for example to suit the ground; a shaded cell is used with "
        "caution.</li></ol>"
        "<p>Capacities below 6 cfs are served by the smallest channel (Hp = 0.5 ft, b = 8 ft). A Qes above "
        "305 cfs is more than any tabulated channel carries: the basin cannot handle such a discharge, and "
        "the drainage area must be divided or the principal spillway enlarged.</p>"
        "<p>The horizontal run of the spillway's 2.5:1 side slope at the design stage is 2.5 Hp.</p>"));

    pages << htmlPage(14, basin, QStringLiteral(
        "<h1>The sizing method, step by step</h1><ol>"
        "<li>Drainage area A, runoff coefficient C and the 2- and 25-year intensities.</li>"
        "<li>Storage: Vs = 67 A and Vc = 22 A cubic yards (page 1).</li>"
        "<li>Runoff: Q2 and Q25 by the rational method (page 2).</li>"
        "<li>Shape: choose the depth (4 to 10 ft) and side slope; find the bottom and top dimensions (page 3).</li>"
        "<li>Height: H at least depth + 1 ft.</li>"
        "<li>Pipe: from table 6-22.1 (A) the smallest Do with Q &gt; Q2 in the row of H (page 5).</li>"
        "<li>Riser: Ds = 1.5 Do, head h; H at least depth + h (page 4).</li>"
        "<li>Length: L from the dam's cross-section (pages 6 and 7).</li>"
        "<li>Correction: CF from table 6-22.1 (B), Qps = Q x CF (page 8).</li>"
        "<li>Emergency spillway: Qes = Q25 - Qps and a channel from table 6-22.4 (pages 9 to 13).</li></ol>"
        "<p>Record every basin of a project with its number, location and the values above; the sketches of "
        "the basin in side view and top view help the reviewer check the dimensions.</p>"));

    pages << htmlPage(15, basin, workedExample());

    pages << htmlPage(16, basin, QStringLiteral(
        "<h1>Units, conversions and limits</h1>"
        "<table border=1 cellspacing=0 width=100%><tr><th>Quantity</th><th>Unit</th></tr>"
        "<tr><td>areas</td><td>acres</td></tr><tr><td>volumes</td><td>cubic yards, cubic feet (27 cf = 1 cy)</td></tr>"
        "<tr><td>lengths, heights, elevations</td><td>feet</td></tr><tr><td>pipe and riser diameters</td><td>inches</td></tr>"
        "<tr><td>flows</td><td>cubic feet per second (cfs)</td></tr><tr><td>rainfall intensity</td><td>inches per hour</td></tr>"
        "<tr><td>slopes</td><td>horizontal to 1 vertical</td></tr></table>"
        "<h2>Limits used in design</h2><ul><li>C below 1.</li><li>Side slopes 2.5:1 or flatter.</li>"
        "<li>Depth 4 to 10 ft.</li><li>H at least depth + 1 ft and at least depth + h.</li>"
        "<li>Pipes 8 to 48 in.; H from 5 to 20 ft in table 6-22.1 (A).</li>"
        "<li>Pipe lengths 30 to 160 ft in table 6-22.1 (B).</li><li>Emergency spillway capacity 6 to 305 cfs.</li></ul>"
        "<p><i>Note: not all computations of the design program follow these guidelines exactly; some "
        "calculations are based on the owner's own specifications.</i></p>"));

    const QImage title = titlePage();
    if (pages.size() != 17)
        layoutFaults << QStringLiteral("%1 pages drawn, 17 expected").arg(pages.size());
    for (const QString& fault : layoutFaults)
        qWarning("manual pages: %s", qPrintable(fault));
    if (!layoutFaults.isEmpty() || checkOnly)
        return layoutFaults.isEmpty() ? 0 : 1;

    bool ok = title.save(out.filePath(QStringLiteral("title.png")));
    for (int i = 0; i < pages.size(); ++i)
        ok = pages[i].save(out.filePath(QStringLiteral("page%1.png").arg(i))) && ok;
    return ok ? 0 : 1;
}
