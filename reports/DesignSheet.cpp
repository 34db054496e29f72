#include "reports/DesignSheet.h"

#include "engine/basin_results.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/runoff.h"
#include "reports/Sketches.h"
#include "store/ProjectDatabase.h"

namespace reports {

namespace {

namespace col = engine::col;
using engine::Choice;

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
QString general(double value) { return qs(engine::generalText(value)); }

// What one sheet is made from: the record's texts and the results computed again.
class Sheet {
public:
    Sheet(const engine::BasinDesign& design, const QString& tableName)
        : m_design(design), m_results(engine::basinResults(design)), m_tableName(tableName)
    {
    }

    DesignSheet make();

private:
    // A column's text as the main window shows it once loaded.
    QString text(int column) const { return qs(engine::loadedText(m_design, column)); }

    void addTitle();
    void addProjectInformation();
    void addVolumesRunoff();
    void addDimensions();
    void addPrincipalSpillway();
    void addEmergencySpillway();
    void addSketchValues();

    SheetStage& stage(const QString& title) { return m_sheet.stages.emplace_back(SheetStage{title, {}}); }
    void row(const QString& item, const QString& value, bool overwrite = false)
    {
        m_sheet.stages.back().rows.push_back({item, value, overwrite});
    }
    QString pipeProposal() const;
    QString correctionProposal() const;
    QString channelProposal() const;

    const engine::BasinDesign& m_design;
    const engine::BasinResults m_results;
    const QString m_tableName;
    DesignSheet m_sheet;
};

const QString kNotComputed = QStringLiteral("not computed: ");

QString cellOfTableA(const engine::table_a::Cell& cell)
{
    return QStringLiteral("table 6-22.1 (A), row H %1 ft., column Do %2 in.")
        .arg(qs(cell.heightText()), qs(cell.diameter));
}

QString cellOfTableB(const engine::table_b::Cell& cell)
{
    return QStringLiteral("table 6-22.1 (B), row L %1 ft., column Do %2 in.").arg(cell.length).arg(qs(cell.diameter));
}

QString cellOfTable4(const engine::table_es::Cell& cell)
{
    return QStringLiteral("table 6-22.4, row Hp %1 ft., column b %2 ft.: capacity %3 cfs")
        .arg(qs(cell.stage), qs(cell.bottomWidthText()), qs(cell.capacityText()));
}

QString channelText(const engine::table_es::Cell& cell)
{
    return QStringLiteral("Hp %1 ft., b %2 ft. (%3 cfs)").arg(qs(cell.stage), qs(cell.bottomWidthText()), qs(cell.capacityText()));
}

DesignSheet Sheet::make()
{
    m_sheet.projectNumber = text(col::ProjectNumber);
    m_sheet.basinNumber = text(col::BasinNumber);
    addTitle();
    addProjectInformation();
    addVolumesRunoff();
    addDimensions();
    addPrincipalSpillway();
    addEmergencySpillway();
    addSketchValues();
    return std::move(m_sheet);
}

void Sheet::addTitle()
{
    const std::pair<const char*, int> fields[] = {
        {"Project Number", col::ProjectNumber}, {"PI Number", col::PINumber},   {"County", col::County},
        {"Designer Name", col::DesignerName},   {"Date", col::Date},             {"Project table", -1},
        {"Basin Number", col::BasinNumber},     {"Location", col::Location},     {"Side", col::Side},
        {"Description", col::Description},
    };
    // Each field on its one line of the block: a description's line breaks become blanks.
    for (const auto& [name, column] : fields)
        m_sheet.titleFields.push_back({QLatin1String(name), column >= 0            ? text(column).simplified()
                                                            : m_tableName.isEmpty() ? QStringLiteral("(none open)")
                                                                                    : m_tableName});
}

void Sheet::addProjectInformation()
{
    stage(QStringLiteral("Project Information"));
    row(QStringLiteral("Drainage area"), QStringLiteral("A = ") + text(col::Area) + QStringLiteral(" acres"));
    row(QStringLiteral("Runoff coefficient"), QStringLiteral("\"C\" factor = ") + text(col::CFactor));
    row(QStringLiteral("Basin side slope"), QStringLiteral("z = %1 : 1 (horizontal : vertical)").arg(text(col::Slope)));
}

void Sheet::addVolumesRunoff()
{
    stage(QStringLiteral("Volumes/Runoff"));
    const QString area = text(col::Area);
    auto volume = [&](const char* item, const char* rule, double perAcre, const std::optional<double>& cubicFeet) {
        const QString formula = QLatin1String(rule) + QStringLiteral(" = %1 cy/ac x %2 acres").arg(general(perAcre), area);
        if (!cubicFeet) {
            row(QLatin1String(item), formula + QStringLiteral(": ") + kNotComputed + QStringLiteral("A is not a number"));
            return;
        }
        const auto texts = engine::volumeTexts(*cubicFeet);
        row(QLatin1String(item),
            formula + QStringLiteral(" = %1 cy = %2 cf").arg(qs(texts.cubicYards), qs(texts.cubicFeet)));
    };
    volume("Required storage", "Vs = 67 cy/ac x A", engine::kStorageCyPerAcre, m_results.vs);
    volume("Volume at clean-out", "Vc = 22 cy/ac x A", engine::kCleanOutCyPerAcre, m_results.vc);

    auto discharge = [&](const char* item, const char* rule, int intensity, const std::optional<double>& q) {
        const QString formula = QLatin1String(rule) + QStringLiteral(" = %1 x %2 in./hr x %3 acres")
                                                          .arg(text(col::CFactor), text(intensity), area);
        row(QLatin1String(item), q ? formula + QStringLiteral(" = ") + qs(engine::dischargeCaption(*q))
                                   : formula + QStringLiteral(": ") + kNotComputed +
                                         QStringLiteral("C must be a number below 1, I and A numbers"));
    };
    discharge("2-yr, 24-hr peak flow", "Q2 = C x I1 x A", col::I1, m_results.q2);
    discharge("25-yr, 24-hr peak flow", "Q25 = C x I2 x A", col::I2, m_results.q25);
}

void Sheet::addDimensions()
{
    stage(QStringLiteral("Basin's Dimensions"));
    const QString depth = text(col::Depth);
    row(QStringLiteral("Basin depth"), QStringLiteral("d = ") + depth + QStringLiteral(" ft."));
    const auto& sizing = m_results.sizing;
    if (!sizing.defined) {
        row(QStringLiteral("Bottom"),
            kNotComputed + QStringLiteral("Vs, a side slope of 0 or more and a depth of 4 to 10 ft. are needed"));
        return;
    }
    const QString width = qs(sizing.widthText);
    const QString slope = text(col::Slope);
    row(QStringLiteral("Bottom"), QStringLiteral("width W = %1 ft.; length = 2 x W = 2 x %1 = %2 ft.")
                                      .arg(width, qs(sizing.lengthText)));
    row(QStringLiteral("Top width"), QStringLiteral("W + 2 x z x d = %1 + 2 x %2 x %3 = %4 ft.")
                                         .arg(width, slope, depth, qs(sizing.topWidthText)));
    row(QStringLiteral("Top length"), QStringLiteral("bottom length + 2 x z x d = %1 + 2 x %2 x %3 = %4 ft.")
                                          .arg(qs(sizing.lengthText), slope, depth, qs(sizing.topLengthText)));
    row(QStringLiteral("Volume"), QStringLiteral("actual V = %1 cf, required Vs = %2 cf; accuracy = %3 (smaller / larger)")
                                      .arg(qs(sizing.volumeText), qs(sizing.requiredVolumeText), qs(sizing.accuracyText)));
}

// What table 6-22.1 (A) proposes, or why it proposes nothing.
QString Sheet::pipeProposal() const
{
    const auto& pipe = m_results.pipe;
    if (pipe.cell)
        return QStringLiteral("%1 in., %2 cfs").arg(qs(pipe.cell->diameter), qs(pipe.cell->q));
    if (!m_results.q2)
        return QStringLiteral("no pipe (Q2 is not computed)");
    if (pipe.outcome == engine::table_a::Outcome::Q2TooHigh)
        return QStringLiteral("no pipe (") + qs(engine::msg::kQ2TooHigh.pattern) + QLatin1Char(')');
    return QStringLiteral("no pipe (H = %1 ft. has no row in table 6-22.1 (A))").arg(text(col::Height));
}

QString Sheet::correctionProposal() const
{
    const auto& correction = m_results.correction;
    if (correction.cell && !m_results.automaticMainQpsText.empty())
        return QStringLiteral("%1 cfs (CF %2)").arg(qs(m_results.automaticMainQpsText), qs(correction.cell->cf));
    if (!m_results.length.ok)
        return QStringLiteral("no correction factor (L is not computed)");
    switch (correction.outcome) {
    case engine::table_b::Outcome::NoPipe: return QStringLiteral("no correction factor (no pipe is chosen)");
    case engine::table_b::Outcome::PipeOutOfRange:
        return QStringLiteral("no correction factor (") + qs(engine::msg::kPipeOutOfRange.pattern) + QLatin1Char(')');
    default: break;
    }
    return QStringLiteral("no correction factor (L = %1 ft. is outside the lengths of table 6-22.1 (B), 30 to 160 ft.)")
        .arg(qs(m_results.length.mainText));
}

QString Sheet::channelProposal() const
{
    const auto& suggestion = m_results.suggestion;
    if (suggestion.cell)
        return channelText(*suggestion.cell);
    if (suggestion.outcome == engine::table_es::Outcome::TooHigh && engine::parseNumber(engine::loadedText(m_design, col::Qes)))
        return QStringLiteral("no channel (") + qs(engine::msg::kQ25TooHigh.pattern).trimmed() + QLatin1Char(')');
    return QStringLiteral("no channel (Qes is not a number)");
}

void Sheet::addPrincipalSpillway()
{
    stage(QStringLiteral("Principal Spillway (ps)"));
    const QString height = text(col::Height);
    const QString diameter = text(col::PrinOutletPipeDiameter);
    const QString q = text(col::Q);
    row(QStringLiteral("Height"), QStringLiteral("H = %1 ft. (pipe centerline to emergency spillway crest)").arg(height));

    // Do and Q, from table 6-22.1 (A).
    const QString chosen = QStringLiteral("Do = %1 in., Q = %2 cfs").arg(diameter, q);
    const QString where = m_results.chosenPipe ? cellOfTableA(*m_results.chosenPipe)
                                               : QStringLiteral("not a cell of table 6-22.1 (A)");
    switch (m_results.pipeChoice) {
    case Choice::None:
        row(QStringLiteral("Outlet pipe, Do and Q"),
            QStringLiteral("No pipe has been chosen from table 6-22.1 (A); the table proposes ") + pipeProposal() +
                QLatin1Char('.'));
        break;
    case Choice::Automatic:
        row(QStringLiteral("Outlet pipe, Do and Q"),
            chosen + QStringLiteral(": %1 (the first Q above Q2 = %2)")
                         .arg(where, qs(engine::dischargeCaption(m_results.q2.value_or(0)))));
        break;
    case Choice::Overwrite:
        row(QStringLiteral("Outlet pipe, Do and Q"),
            chosen + QStringLiteral(": ") + where + QStringLiteral(", the designer's choice"), true);
        m_sheet.overwrites << QStringLiteral("Do and Q: %1 in., %2 cfs chosen; the table proposes ").arg(diameter, q) +
                                  pipeProposal();
        break;
    }

    const QString riser = text(col::PrinRiserDiameter);
    row(QStringLiteral("Riser diameter"), QStringLiteral("Ds = 1.5 x Do = 1.5 x %1 = %2 in.").arg(diameter, riser));
    row(QStringLiteral("Head over riser"),
        QStringLiteral("h = (12 Q / (3.1 π Ds))^(2/3) = (12 x %1 / (3.1 x π x %2))^(2/3) = %3 ft. (1 ft. min.)")
            .arg(q, riser, text(col::h)));

    // The pipe's length through the dam, Fig. 6-22.3.
    const QString a = text(col::A), b = text(col::B), c = text(col::C), zu = text(col::Slope), zd = text(col::Zd),
                  t = text(col::T), e = text(col::E);
    row(QStringLiteral("Dam (Fig. 6-22.3)"),
        QStringLiteral("A = %1 ft., B = %2 ft., C = %3 ft., Zu = %4, Zd = %5, T = %6 ft., E = %7 ft.")
            .arg(a, b, c, zu, zd, t, e));
    const QString rule = QStringLiteral("L = [A - (B + C)/2] (Zu + Zd) + T + E = [%1 - (%2 + %3)/2] (%4 + %5) + %6 + %7")
                             .arg(a, b, c, zu, zd, t, e);
    row(QStringLiteral("Pipe length"),
        m_results.length.ok ? rule + QStringLiteral(" = ") + qs(m_results.length.mainText) + QStringLiteral(" ft.")
                            : rule + QStringLiteral(": ") + kNotComputed + qs(m_results.length.error));

    // CF from table 6-22.1 (B), and Qps.
    const auto& correction = m_results.correction;
    const QString qps = text(col::Qps);
    if (correction.cell)
        row(QStringLiteral("Correction factor"),
            QStringLiteral("CF = %1: %2").arg(qs(correction.cell->cf), cellOfTableB(*correction.cell)));
    else
        row(QStringLiteral("Correction factor"), QStringLiteral("The table proposes ") + correctionProposal() +
                                                         QLatin1Char('.'));
    const QString product = correction.cell ? QStringLiteral("Q x CF = %1 x %2").arg(q, qs(correction.cell->cf)) : QString();
    switch (m_results.qpsChoice) {
    case Choice::None:
        row(QStringLiteral("Actual flow"),
            QStringLiteral("No correction factor has been chosen from table 6-22.1 (B); the table proposes ") +
                correctionProposal() + QLatin1Char('.'));
        break;
    case Choice::Automatic:
        row(QStringLiteral("Actual flow"), QStringLiteral("Qps = %1 = %2 cfs").arg(product, qps));
        break;
    case Choice::Overwrite:
        row(QStringLiteral("Actual flow"),
            QStringLiteral("Qps = %1 cfs, the designer's choice").arg(qps) +
                (product.isEmpty() ? QString()
                                   : QStringLiteral(" (%1 = %2 cfs)").arg(product, qs(m_results.automaticMainQpsText))),
            true);
        m_sheet.overwrites << QStringLiteral("Qps: %1 cfs chosen; the table proposes ").arg(qps) + correctionProposal();
        break;
    }
}

void Sheet::addEmergencySpillway()
{
    stage(QStringLiteral("Emergency Spillway (es)"));
    const QString qes = text(col::Qes);
    const QString q25 = m_results.q25 ? general(*m_results.q25) : QStringLiteral("(not computed)");
    row(QStringLiteral("Minimum capacity"),
        QStringLiteral("Qes = Q25 - Qps = %1 - %2 = %3 cfs").arg(q25, text(col::Qps), qes));
    if (m_results.overDesigned)
        m_sheet.notes << qs(engine::msg::kOverDesigned.pattern);

    const auto& chosen = m_results.chosenChannel;
    const QString where = chosen ? cellOfTable4(*chosen) : QStringLiteral("not a cell of table 6-22.4");
    switch (m_results.channelChoice) {
    case Choice::None:
        row(QStringLiteral("Channel"), QStringLiteral("No channel has been chosen from table 6-22.4; the table proposes ") +
                                           channelProposal() + QLatin1Char('.'));
        return;
    case Choice::Automatic:
        row(QStringLiteral("Channel"), where + QStringLiteral(" (the smallest capacity not below Qes)"));
        break;
    case Choice::Overwrite:
        row(QStringLiteral("Channel"), where + QStringLiteral(", the designer's choice"), true);
        m_sheet.overwrites << QStringLiteral("Channel: ") +
                                  (chosen ? channelText(*chosen)
                                          : QStringLiteral("Hp %1 ft., b %2 ft.").arg(text(col::EmStage), text(col::EmBottomWidth))) +
                                  QStringLiteral(" chosen; the table proposes ") + channelProposal();
        break;
    }
    row(QStringLiteral("Stage and width"), QStringLiteral("Hp = %1 ft., b = %2 ft.").arg(text(col::EmStage), text(col::EmBottomWidth)));
    // Velocity and slope as table 6-22.4 gives them, in its own terms.
    row(QStringLiteral("Exit channel"),
        QStringLiteral("velocity = %1, slope = %2 (as tabulated)").arg(text(col::EmVelocity), text(col::EmSlope)));
    const auto stageValue = engine::parseNumber(engine::loadedText(m_design, col::EmStage));
    row(QStringLiteral("Side slope"),
        QStringLiteral("%1 : 1; horizontal run 2.5 x Hp = %2 ft.")
            .arg(general(engine::table_es::kSideSlope),
                 stageValue ? qs(engine::table_es::sideSlopeRunText(*stageValue)) : QStringLiteral("-")));
    const bool caution = chosen && chosen->caution;
    row(QStringLiteral("Caution cell"), caution ? QStringLiteral("yes: this channel is to be used with caution")
                                                : QStringLiteral("no"));
    if (caution)
        m_sheet.notes << QStringLiteral("Caution: the chosen channel (%1) is a cell of table 6-22.4 to be used with caution.")
                             .arg(channelText(*chosen));
}

// The values of both sketches, as the summary windows show them.
void Sheet::addSketchValues()
{
    auto& side = m_sheet.sideView;
    auto set = [&side](const char* label, const QString& value) {
        side.insert(QLatin1String(label), sketch::labelCaption(QLatin1String(label), value));
    };
    set("areaLabel", text(col::Area));
    if (m_results.q2)
        set("Q2Label", qs(engine::dischargeCaption(*m_results.q2)));
    if (m_results.q25)
        set("Q25Label", qs(engine::dischargeCaption(*m_results.q25)));
    set("QpsLabel", text(col::Qps));
    set("QesLabel", text(col::Qes));
    if (m_results.vs)
        set("VsLabel", qs(engine::storageVolumeCaption(*m_results.vs)));
    if (m_results.vc)
        set("VcLabel", qs(engine::cleanOutVolumeCaption(*m_results.vc)));
    set("slopeVarLabel", text(col::Slope));
    if (m_results.sizing.defined) {
        set("slopeDisLabel_0", qs(m_results.sizing.runText));
        set("depthLabel_0", text(col::Depth));
        set("depthLabel_1", text(col::Depth));
        set("bottomWLabel", qs(m_results.sizing.widthText));
        set("bottomLLabel", qs(m_results.sizing.lengthText));
    }
    set("hText", text(col::h));
    set("DsLabel", text(col::PrinRiserDiameter));
    set("HLabel", text(col::Height));
    if (m_results.length.ok)
        set("LLabel", qs(m_results.length.mainText));
    set("DoLabel", text(col::PrinOutletPipeDiameter));
    set("damTopLabel", text(col::A));
    set("slopeLabel", text(col::EmSlope));
    set("bLabel", text(col::EmBottomWidth));
    set("HpLabel", text(col::EmStage));
    if (const auto stage = engine::parseNumber(engine::loadedText(m_design, col::EmStage)))
        set("slopeDisLabel_1", qs(engine::table_es::sideSlopeRunText(*stage)));
    for (const sketch::Text& text : sketch::topViewTexts())
        if (side.contains(text.copiedFrom))
            m_sheet.topView.insert(text.value, side.value(text.copiedFrom));
}

}  // namespace

DesignSheet designSheet(const engine::BasinDesign& design, const QString& tableName)
{
    return Sheet(design, tableName).make();
}

store::Result<QVector<DesignSheet>> tableSheets(store::ProjectDatabase& database)
{
    const auto records = database.allRecords();
    if (!records)
        return records.failure();
    QVector<DesignSheet> sheets;
    sheets.reserve(qsizetype(records->size()));
    for (const auto& record : *records)
        sheets.push_back(designSheet(record, database.tableName()));
    return sheets;
}

}  // namespace reports
