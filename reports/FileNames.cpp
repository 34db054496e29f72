#include "reports/FileNames.h"

namespace reports {

QString fileNameOf(const QString& text, const QString& fallback)
{
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    QString name;
    name.reserve(text.size());
    for (const QChar c : text)
        name.append(c.category() == QChar::Other_Control || kForbidden.contains(c) ? QChar(u'-') : c);
    name = name.simplified();
    while (!name.isEmpty() && (name.front() == u'.' || name.front() == u' '))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == u'.' || name.back() == u' '))
        name.chop(1);
    return name.isEmpty() ? fallback : name;
}

}  // namespace reports
