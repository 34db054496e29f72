#include "help/page_search.h"

#include "engine/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace help {

namespace {

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

QString decodeEntity(const QString& name)
{
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16)
                                                                                      : name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t c = code;
            return QString::fromUcs4(&c, 1);
        }
        return {};
    }
    static const QHash<QString, QString> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},   {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},    {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},  {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("times"), QStringLiteral("×")}, {QStringLiteral("minus"), QStringLiteral("−")},
        {QStringLiteral("deg"), QStringLiteral("°")},   {QStringLiteral("pi"), QStringLiteral("π")},
        {QStringLiteral("ndash"), QStringLiteral("–")}, {QStringLiteral("mdash"), QStringLiteral("—")},
    };
    return named.value(name.toLower());
}

}  // namespace

QString PageReadError::message() const
{
    namespace msg = engine::msg;
    if (kind == Kind::Inaccessible)
        return QString::fromStdString(msg::text(msg::kPageInUse, {link.toStdString()}));
    return QString::fromStdString(msg::text(msg::kGuideFileError, {std::to_string(number), description.toStdString()}));
}

QString htmlToText(const QString& html)
{
    static const QRegularExpression hidden(QStringLiteral("<(script|style|head)\\b.*?</\\1\\s*>"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression entity(QStringLiteral("&(#?[A-Za-z0-9]+);"));
    QString text = html;
    text.remove(comment);
    text.remove(hidden);
    text.replace(tag, QStringLiteral(" "));
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        const QString decoded = decodeEntity(m.captured(1));
        out += decoded.isEmpty() ? m.captured(0) : decoded;
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out.simplified();
}

QString rtfToText(const QString& rtf)
{
    QString out;
    int skipDepth = -1;  // group depth of a destination being skipped ({\*..., fonttbl, ...})
    int depth = 0;
    const qsizetype n = rtf.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = rtf[i];
        if (c == QLatin1Char('{')) {
            ++depth;
        } else if (c == QLatin1Char('}')) {
            if (depth == skipDepth)
                skipDepth = -1;
            --depth;
        } else if (c == QLatin1Char('\\') && i + 1 < n) {
            const QChar next = rtf[i + 1];
            if (next.isLetter()) {
                qsizetype j = i + 1;
                while (j < n && rtf[j].isLetter())
                    ++j;
                const QString word = rtf.mid(i + 1, j - i - 1);
                while (j < n && (rtf[j].isDigit() || rtf[j] == QLatin1Char('-')))
                    ++j;
                if (j < n && rtf[j] == QLatin1Char(' '))
                    ++j;
                if (skipDepth < 0 && (word == QLatin1String("fonttbl") || word == QLatin1String("colortbl") ||
                                      word == QLatin1String("stylesheet") || word == QLatin1String("info")))
                    skipDepth = depth;
                if (skipDepth < 0 && (word == QLatin1String("par") || word == QLatin1String("line") || word == QLatin1String("tab")))
                    out += QLatin1Char(' ');
                i = j - 1;
            } else if (next == QLatin1Char('*')) {
                if (skipDepth < 0)
                    skipDepth = depth;
                ++i;
            } else if (next == QLatin1Char('\'') && i + 3 < n) {
                bool ok = false;
                const int code = rtf.mid(i + 2, 2).toInt(&ok, 16);
                if (ok && skipDepth < 0)
                    out += QChar::fromLatin1(char(code));
                i += 3;
            } else {
                if (skipDepth < 0)
                    out += next;  // \\, \{, \}
                ++i;
            }
        } else if (skipDepth < 0 && c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            out += c;
        }
    }
    return out.simplified();
}

std::optional<QString> readPageText(const QString& guideFolder, const QString& link, PageReadError* error)
{
    const QString path = QDir(guideFolder).filePath(link);
    QFile file(path);
    PageReadError failure;
    failure.link = link;
    if (!QFileInfo::exists(path)) {
        failure.kind = PageReadError::Kind::Other;
        failure.number = 53;
        failure.description = QStringLiteral("File not found: ") + link;
    } else if (!file.open(QIODevice::ReadOnly)) {
        failure.kind = PageReadError::Kind::Inaccessible;
        failure.number = 75;
        failure.description = QStringLiteral("Path/File access error: ") + link;
    } else {
        const QString text = decode(file.readAll());
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == QLatin1String("htm") || suffix == QLatin1String("html"))
            return htmlToText(text);
        if (suffix == QLatin1String("rtf") || text.startsWith(QLatin1String("{\\rtf")))
            return rtfToText(text);
        return text;
    }
    if (error)
        *error = failure;
    return std::nullopt;
}

SearchResult searchPages(const QString& guideFolder, const QVector<PageRef>& sources, const QString& keyword)
{
    SearchResult result;
    for (const PageRef& page : sources) {
        PageReadError error;
        const auto text = readPageText(guideFolder, page.link, &error);
        if (!text) {
            result.failures.push_back(error);
            continue;
        }
        if (!keyword.isEmpty() && text->contains(keyword, Qt::CaseInsensitive))
            result.matches.push_back(page);
    }
    return result;
}

}  // namespace help
