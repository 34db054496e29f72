#include "help/contents_file.h"

#include "engine/messages.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

namespace help {

namespace {

constexpr int kHeaderLines = 4;
constexpr int kFields = 6;

ContentsError makeError(ContentsError::Kind kind, int line, const QString& detail)
{
    ContentsError e;
    e.kind = kind;
    e.line = line;
    QString base;
    switch (kind) {
    case ContentsError::Kind::FileNotFound: e.number = 53; base = QStringLiteral("File not found"); break;
    case ContentsError::Kind::FileUnreadable: e.number = 75; base = QStringLiteral("Path/File access error"); break;
    case ContentsError::Kind::ShortFile:
    case ContentsError::Kind::BadRecord: e.number = 62; base = QStringLiteral("Input past end of file"); break;
    case ContentsError::Kind::DuplicateKey: e.number = 35602; base = QStringLiteral("Key is not unique in collection"); break;
    case ContentsError::Kind::UnknownParent: e.number = 35601; base = QStringLiteral("Element not found"); break;
    case ContentsError::Kind::TooManyEntries: e.number = 6; base = QStringLiteral("Overflow"); break;
    }
    e.description = line > 0 ? QStringLiteral("%1 (contents file, line %2: %3)").arg(base).arg(line).arg(detail)
                             : QStringLiteral("%1 (%2)").arg(base, detail);
    return e;
}

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

}  // namespace

QString ContentsError::message() const
{
    return QString::fromStdString(
        engine::msg::text(engine::msg::kGuideFileError, {std::to_string(number), description.toStdString()}));
}

std::optional<QStringList> splitRecord(const QString& line)
{
    QStringList fields;
    const qsizetype n = line.size();
    qsizetype i = 0;
    for (;;) {
        while (i < n && isBlank(line[i]))
            ++i;
        QString field;
        if (i < n && line[i] == QLatin1Char('"')) {
            const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0)
                return std::nullopt;  // the quote is never closed
            field = line.mid(i + 1, close - i - 1);
            i = close + 1;
            while (i < n && isBlank(line[i]))
                ++i;
            if (i < n && line[i] != QLatin1Char(','))
                return std::nullopt;  // text after the closing quote
        } else {
            const qsizetype comma = line.indexOf(QLatin1Char(','), i);
            const qsizetype end = comma < 0 ? n : comma;
            field = line.mid(i, end - i);
            while (!field.isEmpty() && isBlank(field.back()))
                field.chop(1);
            i = end;
        }
        fields << field;
        if (i >= n)
            break;
        ++i;  // the comma
    }
    return fields;
}

Contents parseContents(const QString& text)
{
    Contents out;
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();  // the line end of the last line ends no further line
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (lines.size() < kHeaderLines) {
        out.error = makeError(ContentsError::Kind::ShortFile, int(lines.size()) + 1,
                              QStringLiteral("the file ends inside its four header lines"));
        return out;
    }

    QSet<QString> keys;
    for (qsizetype l = kHeaderLines; l < lines.size(); ++l) {
        const QString& line = lines[l];
        const int lineNumber = int(l) + 1;
        if (line.trimmed().isEmpty())
            continue;
        if (out.entries.size() >= kMaxEntries) {
            out.error = makeError(ContentsError::Kind::TooManyEntries, lineNumber,
                                  QStringLiteral("more than %1 entries").arg(kMaxEntries));
            return out;
        }
        const auto fields = splitRecord(line);
        if (!fields) {
            out.error = makeError(ContentsError::Kind::BadRecord, lineNumber, QStringLiteral("a quoted field is not closed properly"));
            return out;
        }
        if (fields->size() != kFields) {
            out.error = makeError(ContentsError::Kind::BadRecord, lineNumber,
                                  QStringLiteral("six fields expected, %1 found").arg(fields->size()));
            return out;
        }
        ContentsEntry e;
        e.kind = fields->at(0);
        e.parent = fields->at(1);
        e.spare = fields->at(2);
        e.key = fields->at(3);
        e.text = fields->at(4);
        e.link = fields->at(5);
        e.position = int(out.entries.size()) + 1;
        if (keys.contains(e.key)) {
            out.error = makeError(ContentsError::Kind::DuplicateKey, lineNumber, QStringLiteral("key \"%1\"").arg(e.key));
            return out;
        }
        if (!e.parent.isEmpty() && !keys.contains(e.parent)) {
            out.error = makeError(ContentsError::Kind::UnknownParent, lineNumber,
                                  QStringLiteral("parent key \"%1\" does not come before this entry").arg(e.parent));
            return out;
        }
        keys.insert(e.key);
        out.entries.push_back(e);
    }
    return out;
}

Contents readContents(const QString& path)
{
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        Contents out;
        out.error = makeError(ContentsError::Kind::FileNotFound, 0, path);
        return out;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        Contents out;
        out.error = makeError(ContentsError::Kind::FileUnreadable, 0, path);
        return out;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);  // an older contents file in a single-byte code page
    return parseContents(text);
}

}  // namespace help
