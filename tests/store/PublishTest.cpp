// tellum-publish, run as the office would run it: tables of a local basin.mdb
// copied to the test server, every awkward name and every kind of value
// exactly, an existing table never touched.

#include "StoreFixture.h"

#include "store/ProjectDatabase.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

namespace col = engine::col;
using store::ProjectDatabase;
using storetest::Engine;
using storetest::ProgramFolder;
using storetest::RawConnection;

const QStringList kAwkwardNames = {
    "Lot]4", "Lot \"4\"", "it's", "Côte-Nord 7", "東京 北", "  blanks around  ", "x\"; DROP TABLE keep; --", "\\",
    QString(31, QChar(u'\u00e9')) + "x",  // 63 bytes, the server's longest
};

QString quoted(QString name) { return '"' + name.replace('"', "\"\"") + '"'; }

// Every column of a table in stored order, as an exact text: a real read as
// double precision on the server (exact), a double with 17 digits.
std::vector<QStringList> exactRows(RawConnection& raw, const QString& table, bool server)
{
    QStringList columns;
    for (int c = 0; c < engine::kColumnCount; ++c) {
        const auto& def = engine::basinColumns()[std::size_t(c)];
        QString column = quoted(QString::fromUtf8(def.name.data(), qsizetype(def.name.size())));
        if (server && def.type == engine::ColumnType::Single)
            column += "::float8";
        columns << column;
    }
    std::vector<QStringList> rows;
    for (const auto& row : raw.rows("SELECT " + columns.join(", ") + " FROM " + quoted(table) + " ORDER BY " +
                                    (server ? "tellum_key" : "rowid"))) {
        QStringList texts;
        for (int c = 0; c < engine::kColumnCount; ++c) {
            const QVariant& value = row[std::size_t(c)];
            const auto type = engine::basinColumns()[std::size_t(c)].type;
            if (value.isNull())
                texts << "<null>";
            else if (type == engine::ColumnType::Single || type == engine::ColumnType::Double)
                texts << QString::number(value.toDouble(), 'g', 17);
            else if (type == engine::ColumnType::Date)
                texts << value.toString().left(10);  // a date of the server, the file's text
            else
                texts << value.toString();
        }
        rows.push_back(texts);
    }
    return rows;
}

class PublishTest : public storetest::ServerTest {
protected:
    void SetUp() override
    {
        ServerTest::SetUp();
        if (IsSkipped())
            return;
        ProjectDatabase file(m_file.path());
        for (const QString& name : kAwkwardNames + QStringList{"MSysNotes", "taken"}) {
            ASSERT_TRUE(file.createTable(name));
            ASSERT_TRUE(file.openTable(name));
            ASSERT_TRUE(file.appendRecord(storetest::typedBasin()));
            ASSERT_TRUE(file.appendRecord(engine::BasinDesign{}));  // every column null
        }
        file.close();
        // Values only another program writes: the extremes of each kind, a
        // Single that needs all 9 digits, texts of every sort.
        RawConnection raw(m_file.databasePath());
        raw.rows("CREATE TABLE notes (remark TEXT)");
        const float single = std::nextafter(0.1f, 1.0f);
        for (const QString& name : kAwkwardNames) {
            raw.rows(QStringLiteral("INSERT INTO %1 (\"Description\", \"Date\", \"Area\", \"CFactor\", \"Slope\", "
                                    "\"Depth\", A, B, C, \"Basin Number\", \"County\") VALUES ('O''Brien \"Jr\" \\ "
                                    "ü 東京' || char(10) || 'second line', '2000-02-29', %2, %3, %4, -0.0, %5, %6, "
                                    "0.1 + 0.2, '', '9999-12-31')")
                         .arg(quoted(name))
                         .arg(double(single), 0, 'g', 17)
                         .arg(double(std::numeric_limits<float>::max()), 0, 'g', 17)
                         .arg(double(std::numeric_limits<float>::denorm_min()), 0, 'g', 17)
                         .arg(std::numeric_limits<double>::max(), 0, 'g', 17)
                         .arg(std::numeric_limits<double>::denorm_min(), 0, 'g', 17));
            raw.rows("INSERT INTO " + quoted(name) + " (\"Date\", \"Basin Number\") VALUES ('1900-01-01', 'last')");
        }
        // On the server "taken" exists already, with a basin of its own.
        ProjectDatabase server(folder().path());
        ASSERT_TRUE(server.createTable("taken"));
        ASSERT_TRUE(server.openTable("taken"));
        engine::BasinDesign own = storetest::typedBasin();
        own[col::BasinNumber] = "on the server";
        ASSERT_TRUE(server.appendRecord(own));
    }

    struct Run {
        int exitCode;
        QString out;
        QString err;
    };
    Run publish(const QStringList& arguments, const QString& workingFolder = {})
    {
        QProcess process;
        if (!workingFolder.isEmpty())
            process.setWorkingDirectory(workingFolder);
        process.start(QStringLiteral(TELLUM_PUBLISH), arguments);
        process.waitForFinished(60000);
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    ProgramFolder m_file;
};

TEST_F(PublishTest, CopiesEveryTableExactlyAndNeverOverwrites)
{
    const Run all = publish({"--connect", folder().filePath("basin.pgconnect"), m_file.databasePath()});
    EXPECT_EQ(all.exitCode, 1) << all.err.toStdString();
    for (const QString& name : kAwkwardNames)
        EXPECT_TRUE(all.out.contains("Copied \"" + name + "\": 4 record(s).")) << name.toStdString() << all.out.toStdString();
    EXPECT_TRUE(all.err.contains("Not copied \"taken\": the office database tellum_test on ")) << all.err.toStdString();
    EXPECT_TRUE(all.err.contains("Not copied \"notes\": Table 'notes' is not a project table")) << all.err.toStdString();
    EXPECT_FALSE(all.out.contains("MSysNotes"));
    EXPECT_TRUE(all.out.contains(QStringLiteral("%1 of %2 table(s) copied").arg(kAwkwardNames.size()).arg(kAwkwardNames.size() + 2)));

    RawConnection file(m_file.databasePath());
    RawConnection server(folder());
    for (const QString& name : kAwkwardNames) {
        const auto copied = exactRows(server, name, true);
        ASSERT_EQ(copied.size(), 4u) << name.toStdString();
        const auto original = exactRows(file, name, false);
        for (std::size_t row = 0; row < copied.size(); ++row)
            EXPECT_EQ(copied[row].join(" | ").toStdString(), original[row].join(" | ").toStdString()) << row;
    }
    EXPECT_EQ(server.scalar("SELECT string_agg(\"Basin Number\", ',') FROM taken").toString(), "on the server");

    // From the folder of the connection file, naming tables: one that is
    // there now is refused, the system table asked for by name is copied.
    const Run again = publish({m_file.databasePath(), "Lot]4"}, folder().path());
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains("Not copied \"Lot]4\"")) << again.err.toStdString();
    const Run named = publish({m_file.databasePath(), "MSysNotes"}, folder().path());
    EXPECT_EQ(named.exitCode, 0) << named.err.toStdString();
    EXPECT_EQ(exactRows(server, "MSysNotes", true).size(), 2u);
}

TEST(Publish, ACommandLineWithoutFileOrConnectionIsRefused)
{
    ProgramFolder folder;
    for (const QStringList& arguments : {QStringList{}, QStringList{"--connect"}, QStringList{folder.databasePath()}}) {
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.start(QStringLiteral(TELLUM_PUBLISH), arguments);
        process.waitForFinished(60000);
        EXPECT_EQ(process.exitCode(), 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(process.readAllStandardError().contains("usage: tellum-publish"));
    }
}

}  // namespace
