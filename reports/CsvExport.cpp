#include "reports/CsvExport.h"

#include "store/ProjectDatabase.h"

#include <QSaveFile>

namespace reports {

namespace {

constexpr std::string_view kEndOfLine = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void addField(std::string& out, std::string_view field)
{
    const bool quoted = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quoted) {
        out.append(field);
        return;
    }
    out.push_back('"');
    for (const char c : field) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

// A column's field: dates as typed, MM/DD/YYYY; everything else as loaded.
std::string fieldText(const engine::BasinDesign& record, int column)
{
    const auto& value = record[column];
    if (!value)
        return {};
    if (engine::basinColumns()[std::size_t(column)].type == engine::ColumnType::Date)
        if (const auto date = engine::parseUsDate(*value))
            return engine::usDateText2(*date);
    return *value;
}

}  // namespace

std::string tableCsv(std::span<const engine::BasinDesign> records)
{
    std::string out(kByteOrderMark);
    out.reserve(800 + records.size() * 300);
    for (int column = 0; column < engine::kColumnCount; ++column) {
        if (column > 0)
            out.push_back(',');
        addField(out, engine::basinColumns()[std::size_t(column)].name);
    }
    out.append(kEndOfLine);
    for (const auto& record : records) {
        for (int column = 0; column < engine::kColumnCount; ++column) {
            if (column > 0)
                out.push_back(',');
            addField(out, fieldText(record, column));
        }
        out.append(kEndOfLine);
    }
    return out;
}

store::Status exportTableCsv(store::ProjectDatabase& database, const QString& path)
{
    const auto records = database.allRecords();
    if (!records)
        return records.failure();
    const std::string text = tableCsv(*records);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return store::Failure{store::err::kFileNotWritable, file.errorString()};
    file.write(text.data(), qint64(text.size()));
    if (!file.commit())
        return store::Failure{store::err::kFileNotWritable, file.errorString()};
    return {};
}

}  // namespace reports
