// The contents file: how records split into fields, and what reading keeps
// and reports when the file is short, malformed or inconsistent.

#include "help/contents_file.h"

#include <QTemporaryDir>
#include <QTest>

using help::ContentsError;

namespace {

const QString kHeader = QStringLiteral("Tellum user guide\nkind,parent,spare,key,text,link\n\n---\n");

}  // namespace

class ContentsFileTest : public QObject {
    Q_OBJECT
private slots:
    void splitsFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("plain six") << "d,ch1,,s1,Section 1,s1.htm"
                                   << QStringList{"d", "ch1", "", "s1", "Section 1", "s1.htm"};
        QTest::newRow("quoted field keeps its commas")
            << "d,ch1,,s2,\"Volumes, runoff and C\",\"pages/vol.htm\""
            << QStringList{"d", "ch1", "", "s2", "Volumes, runoff and C", "pages/vol.htm"};
        QTest::newRow("blanks before unquoted fields are skipped")
            << "p,   ,  ,   ch1,   Chapter 1,  NO LINK" << QStringList{"p", "", "", "ch1", "Chapter 1", "NO LINK"};
        QTest::newRow("blanks inside a quoted field stay") << "d,,,k,\"  two  blanks \",x.htm"
                                                           << QStringList{"d", "", "", "k", "  two  blanks ", "x.htm"};
        QTest::newRow("blanks between a quote and the comma") << "\"p\" , ,,k,\"A\"  ,\"NO LINK\""
                                                              << QStringList{"p", "", "", "k", "A", "NO LINK"};
        QTest::newRow("all empty") << ",,,,," << QStringList{"", "", "", "", "", ""};
    }
    void splitsFields()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        const auto got = help::splitRecord(line);
        QVERIFY(got.has_value());
        QCOMPARE(*got, fields);
    }

    void rejectsMalformedQuotes_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("unterminated quote") << "d,,,k,\"Never closed,x.htm";
        QTest::newRow("text after the closing quote") << "d,,,k,\"Caption\"tail,x.htm";
    }
    void rejectsMalformedQuotes()
    {
        QFETCH(QString, line);
        QVERIFY(!help::splitRecord(line).has_value());
    }

    void headerOnlyGivesNothingAndNoError()
    {
        const auto c = help::parseContents(kHeader);
        QVERIFY(c.entries.isEmpty());
        QVERIFY(!c.error);
    }

    void chapterAndPage()
    {
        const auto c = help::parseContents(kHeader + "p,,,ch1,Chapter 1,NO LINK\r\nd,ch1,,s1,Section 1,s1.htm\r\n");
        QVERIFY(!c.error);
        QCOMPARE(c.entries.size(), 2);
        const auto& ch = c.entries[0];
        QVERIFY(ch.isChapter());
        QVERIFY(ch.isTopLevel());
        QVERIFY(!ch.hasPage());
        QCOMPARE(ch.position, 1);
        const auto& s = c.entries[1];
        QVERIFY(!s.isChapter());
        QCOMPARE(s.parent, QStringLiteral("ch1"));
        QCOMPARE(s.text, QStringLiteral("Section 1"));
        QCOMPARE(s.link, QStringLiteral("s1.htm"));  // line end \r is not part of the link
        QCOMPARE(s.position, 2);
    }

    void spareWithoutParentIsTopLevel()
    {
        const auto c = help::parseContents(kHeader + "d,,x,k,Loose page,loose.htm\n");
        QVERIFY(!c.error);
        QVERIFY(c.entries[0].isTopLevel());
        QCOMPARE(c.entries[0].spare, QStringLiteral("x"));
    }

    // Every failure stops at its record, keeps the entries before it and
    // says which line and why.
    void failureKeepsWhatWasRead_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("why");
        QTest::newRow("five fields") << "p,,,ch1,Chapter 1,NO LINK\nd,ch1,,s1,s1.htm\nd,ch1,,s2,Two,s2.htm\n" << 1 << 62 << 6
                                     << "six fields expected, 5 found";
        QTest::newRow("unclosed quote") << "p,,,ch1,Chapter 1,NO LINK\nd,ch1,,s1,\"Section 1,s1.htm\n" << 1 << 62 << 6
                                        << "quoted field";
        QTest::newRow("duplicate key") << "p,,,ch1,Chapter 1,NO LINK\nd,ch1,,ch1,Again,a.htm\n" << 1 << 35602 << 6
                                       << "key \"ch1\"";
        QTest::newRow("parent after child") << "d,ch2,,s1,Early,s1.htm\np,,,ch2,Chapter 2,NO LINK\n" << 0 << 35601 << 5
                                            << "parent key \"ch2\"";
    }
    void failureKeepsWhatWasRead()
    {
        QFETCH(QString, body);
        QFETCH(int, kept);
        QFETCH(int, number);
        QFETCH(int, line);
        QFETCH(QString, why);
        const auto c = help::parseContents(kHeader + body);
        QVERIFY(c.error.has_value());
        QCOMPARE(c.entries.size(), kept);
        QCOMPARE(c.error->number, number);
        QCOMPARE(c.error->line, line);
        QVERIFY2(c.error->description.contains(why), qPrintable(c.error->description));
        QVERIFY(c.error->message().startsWith(QStringLiteral("Error: %1 ").arg(number)));
    }

    void fileShorterThanItsHeader()
    {
        const auto c = help::parseContents(QStringLiteral("only\ntwo\n"));
        QVERIFY(c.error.has_value());
        QCOMPARE(c.error->kind, ContentsError::Kind::ShortFile);
    }

    void moreEntriesThanTheTreeHolds()
    {
        QString text = kHeader;
        for (int i = 0; i <= help::kMaxEntries; ++i)
            text += QStringLiteral("d,,,k%1,Page %1,p%1.htm\n").arg(i);
        const auto c = help::parseContents(text);
        QCOMPARE(c.entries.size(), help::kMaxEntries);
        QVERIFY(c.error.has_value());
        QCOMPARE(c.error->number, 6);
        QCOMPARE(c.error->line, 4 + help::kMaxEntries + 1);
    }

    void readsFromDiskOrSaysTheFileIsMissing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("contents.txt"));
        const auto missing = help::readContents(path);
        QVERIFY(missing.error.has_value());
        QCOMPARE(missing.error->number, 53);
        QVERIFY(missing.error->description.contains(path));

        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write((kHeader + QStringLiteral("d,,,k,\"Pi, π and ×\",k.htm\n")).toUtf8());
        f.close();
        const auto read = help::readContents(path);
        QVERIFY(!read.error);
        QCOMPARE(read.entries.value(0).text, QStringLiteral("Pi, π and ×"));
    }
};

QTEST_GUILESS_MAIN(ContentsFileTest)
#include "contents_file_test.moc"
