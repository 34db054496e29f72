#include "store/DailyBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace store {

DailyBackup::DailyBackup(const QString& databaseFile)
    : m_folder(QFileInfo(databaseFile).absoluteDir().filePath(QStringLiteral("backups")))
{
}

QString DailyBackup::fileFor(const QDate& day) const
{
    return QDir(m_folder).filePath(QStringLiteral("basin-%1.mdb").arg(day.toString(Qt::ISODate)));
}

QStringList DailyBackup::copies() const
{
    // Only the program's own copies: a file the designer put there is left alone.
    static const QRegularExpression name(QStringLiteral("^basin-\\d{4}-\\d{2}-\\d{2}\\.mdb$"));
    QStringList found;
    for (const QString& file : QDir(m_folder).entryList(QDir::Files, QDir::Name))
        if (name.match(file).hasMatch())
            found << QDir(m_folder).filePath(file);
    return found;  // named by the day, so sorted by name is oldest first
}

void DailyBackup::prune() const
{
    const QStringList all = copies();
    for (qsizetype index = 0; index + kKept < all.size(); ++index)
        QFile::remove(all[index]);
}

}  // namespace store
