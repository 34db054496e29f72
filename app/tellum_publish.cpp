// tellum-publish: copies project tables of a local basin.mdb to the office
// database, for an office that moves its designers' work onto its server.
//
//   tellum-publish [--connect FILE] BASIN.MDB [TABLE...]
//
// The server is the one named by basin.pgconnect in the current folder, or by
// the connection file given with --connect. Without TABLE every project table
// of the file is copied (the engine's system tables, "MSys", are not). A table
// that exists on the server is never touched: it is reported and left out.
// Each table is copied whole or not at all, its records in their order and
// their values exactly as stored. The file itself is only read.
//
// Exit status: 0 when every table was copied, 1 when one was not, 2 for a
// command line that names no file or no connection.

#include "store/ProjectDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

void say(std::FILE* stream, const QString& line)
{
    std::fputs(line.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

const QString kUsage = QStringLiteral("usage: tellum-publish [--connect FILE] BASIN.MDB [TABLE...]");

int usage(const QString& problem)
{
    say(stderr, QStringLiteral("tellum-publish: ") + problem);
    say(stderr, kUsage);
    return 2;
}

QString failureText(const store::Failure& failure)
{
    return failure.description + QStringLiteral(" (Error Number: ") + failure.numberText() + QLatin1Char(')');
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);  // Qt SQL's drivers are plugins
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString connectionFile = QDir::current().filePath(QLatin1String(store::ProjectDatabase::kConnectionFileName));
    if (arguments.value(0) == QLatin1String("--help") || arguments.value(0) == QLatin1String("-h")) {
        say(stdout, kUsage);
        return 0;
    }
    if (arguments.value(0) == QLatin1String("--connect")) {
        if (arguments.size() < 2)
            return usage(QStringLiteral("--connect needs the connection file"));
        connectionFile = arguments.at(1);
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty())
        return usage(QStringLiteral("name the database file to publish"));
    if (!QFileInfo(connectionFile).isFile())
        return usage(QStringLiteral("no connection file %1; name one with --connect").arg(connectionFile));
    if (!connectionFile.endsWith(QLatin1String(".pgconnect")))
        return usage(QStringLiteral("%1 is not a connection file (FILE.pgconnect)").arg(connectionFile));

    store::ProjectDatabase source(arguments.takeFirst());
    store::ProjectDatabase server(connectionFile);
    if (source.isServer())
        return usage(QStringLiteral("%1 is a connection file, not a database file").arg(source.filePath()));

    QStringList tables = arguments;
    if (tables.isEmpty()) {
        const auto names = source.tableNames();
        if (!names) {
            say(stderr, QStringLiteral("tellum-publish: %1").arg(failureText(names.failure())));
            return 1;
        }
        for (const QString& name : *names)
            if (!store::isSystemTableName(name))
                tables << name;
    }
    const auto existing = server.tableNames();
    if (!existing) {
        say(stderr, QStringLiteral("tellum-publish: %1").arg(failureText(existing.failure())));
        return 1;
    }

    int copiedTables = 0;
    for (const QString& name : tables) {
        if (existing->contains(name, Qt::CaseSensitive)) {
            say(stderr, QStringLiteral("Not copied \"%1\": the %2 has a table of that name, which is left as it is.")
                            .arg(name, server.location()));
            continue;
        }
        const auto copied = server.copyTableFrom(source, name);
        if (!copied) {
            say(stderr, QStringLiteral("Not copied \"%1\": %2.").arg(name, failureText(copied.failure())));
            continue;
        }
        ++copiedTables;
        say(stdout, QStringLiteral("Copied \"%1\": %2 record(s).").arg(name).arg(*copied));
    }
    say(stdout, QStringLiteral("%1 of %2 table(s) copied from %3 to the %4.")
                    .arg(copiedTables)
                    .arg(tables.size())
                    .arg(QDir::toNativeSeparators(source.filePath()), server.location()));
    return copiedTables == tables.size() ? 0 : 1;
}
