#include "reports/TextReport.h"

#include "engine/messages.h"
#include "store/ProjectDatabase.h"

#include <QDir>
#include <QFile>

namespace reports {

namespace {

namespace col = engine::col;

constexpr std::string_view kEndOfLine = "\r\n";
constexpr std::string_view kIndent = "                    ";  // the 20-column margin

// A line break inside a stored text: CR LF, CR, LF, or the Unicode line and
// paragraph separators (UTF-8). Gives its length in bytes at pos, or 0.
std::size_t lineBreakAt(std::string_view text, std::size_t pos)
{
    if (text[pos] == '\r')
        return pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
    if (text[pos] == '\n')
        return 1;
    if (text.substr(pos, 3) == "\xE2\x80\xA8" || text.substr(pos, 3) == "\xE2\x80\xA9")
        return 3;
    return 0;
}

// F(column): the stored value's text, or the empty text for null. A text
// typed on several lines keeps its place on its report line: each line
// break in it becomes one blank, so every line of the file ends in CR LF.
std::string field(const engine::BasinDesign& design, int column)
{
    const auto& value = design[column];
    if (!value)
        return {};
    const std::string_view text = *value;
    if (text.find_first_of("\r\n\xE2") == std::string_view::npos)
        return std::string(text);
    std::string line;
    line.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        if (const std::size_t length = lineBreakAt(text, pos)) {
            line += ' ';
            pos += length;
        } else {
            line += text[pos++];
        }
    }
    return line;
}

class Lines {
public:
    explicit Lines(std::string& text) : m_text(text) {}

    template <typename... Parts>
    void add(const Parts&... parts)
    {
        (m_text.append(std::string_view(parts)), ...);
        m_text.append(kEndOfLine);
    }

private:
    std::string& m_text;
};

void addHeader(Lines& lines, const engine::BasinDesign& first)
{
    lines.add(std::string(21, ' '), "ARVENNA DEPARTMENT OF TRANSPORTATION");
    lines.add("Project Number: ", field(first, col::ProjectNumber), "    Designer Name: ", field(first, col::DesignerName),
              "  Date: ", field(first, col::Date), "   ");
    lines.add("PI No.: ", field(first, col::PINumber), "     County: ", field(first, col::County));
    lines.add("Description: ", field(first, col::Description));
    lines.add(std::string(71, '='));
}

void addBlock(Lines& lines, const engine::BasinDesign& d)
{
    // The basin number's place follows from the length of the date text.
    const std::size_t dateLength = field(d, col::Date).size();
    const std::size_t blanks = dateLength < 39 ? 39 - dateLength : 0;
    lines.add("BASIN INFORMATION", std::string(blanks, ' '), "BASIN NUMBER: ", field(d, col::BasinNumber));
    lines.add(kIndent, "Location: ", field(d, col::Location));
    lines.add(kIndent, "Side: ", field(d, col::Side));
    lines.add(kIndent, "Area: ", field(d, col::Area), " acre(s)");
    lines.add(kIndent, "Coeficient Factor: ", field(d, col::CFactor));
    lines.add("");
    lines.add("VOLUME/CAPACITY     Volume at full capacity: ", field(d, col::VolumeAtFull), " cf");
    lines.add(kIndent, "Volume at clean-out: ", field(d, col::VolumeAtCleanOut), " cf");
    lines.add(kIndent, "Q2: ", field(d, col::Q2), " cfs");
    lines.add(kIndent, "Q25: ", field(d, col::Q25), " cfs");
    lines.add("");
    lines.add("BASIN DIMENSIONS    Depth/Riser Height : ", field(d, col::Depth), " ft.");
    lines.add(kIndent, "slope: ", field(d, col::Slope));
    lines.add(kIndent, "Bottom Width: ", field(d, col::BottomWidth), " ft.");
    lines.add(kIndent, "Bottom Length: ", field(d, col::BottomLength), " ft.");
    lines.add(kIndent, "Top Width: ", field(d, col::TopWidth), " ft.");
    lines.add(kIndent, "Top Length: ", field(d, col::TopLength), " ft.");
    lines.add("");
    lines.add("PRINCIPAL SPILLWAY  Length of P.S. outlet pipe: ", field(d, col::PrinOutletPipeLength), " ft.");
    lines.add(kIndent, "Distance from P.S. outlet pipe to E.S. crest: ", field(d, col::Height), " ft.");
    lines.add(kIndent, "Diameter of P.S. outlet pipe - Do: ", field(d, col::PrinOutletPipeDiameter), " in.");
    lines.add(kIndent, "Minimum  riser diameter - Ds: ", field(d, col::PrinRiserDiameter), " in.");
    lines.add("");
    lines.add("EMERGENCY SPILLWAY  Stage: ", field(d, col::EmStage), " ft.");
    lines.add(kIndent, "Bottom width: ", field(d, col::EmBottomWidth), " ft.");
    lines.add(kIndent, "External slope: ", field(d, col::EmSlope));
    lines.add(kIndent, "Spillway side slope: 2.5");
    lines.add(std::string(70, '='));
}

}  // namespace

ReportText buildReport(std::span<const engine::BasinDesign> records)
{
    ReportText report;
    if (records.empty()) {
        report.failure = store::Failure{store::err::kEmptyTable, QStringLiteral("The table holds no records")};
        return report;
    }
    report.text.reserve(400 + records.size() * 1300);  // about the size of a block
    Lines lines(report.text);
    addHeader(lines, records.front());
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!records[i][engine::col::Date]) {
            report.failure = store::Failure{store::err::kRecordWithoutDate,
                                            QStringLiteral("Record %1 has no Date").arg(qulonglong(i + 1))};
            return report;
        }
        addBlock(lines, records[i]);
    }
    return report;
}

QString reportMessage(const store::Failure& failure)
{
    return QString::fromStdString(engine::msg::text(engine::msg::kReportError, {failure.description.toStdString()}));
}

store::Result<QString> writeReport(store::ProjectDatabase& database, const QString& programFolder)
{
    if (!database.hasOpenTable())
        return store::Failure{store::err::kNoTableOpen, QStringLiteral("No table is open")};

    const QString path = QDir(programFolder).absoluteFilePath(QLatin1String(kReportFileName));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return store::Failure{store::err::kFileNotWritable,
                              QStringLiteral("Cannot write file '%1': %2").arg(path, file.errorString())};

    const auto records = database.allRecords();
    if (!records)
        return records.failure();
    const ReportText report = buildReport(*records);
    const auto size = qint64(report.text.size());
    if (file.write(report.text.data(), size) != size || !file.flush())
        return store::Failure{store::err::kFileNotWritable,
                              QStringLiteral("Cannot write file '%1': %2").arg(path, file.errorString())};
    file.close();
    if (report.failure)
        return *report.failure;
    return path;
}

}  // namespace reports
