// The keyword search over the guide's pages, on a small guide written into a
// temporary folder.

#include "help/page_search.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using help::PageRef;
using help::PageReadError;

class PageSearchTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QVector<PageRef> m_index;

    void write(const QString& name, const QString& text)
    {
        QFile f(m_dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        write("volumes.htm", "<html><head><title>Riser</title></head><body><h1>Storage</h1>"
                             "<p>The sediment <b>Basin</b> stores 67 cubic yards per acre.</p></body></html>");
        write("spillway.htm", "<html><body><table><tr><td>Emergency spillway</td></tr></table>"
                              "<p>Pipe &amp; riser</p></body></html>");
        write("sizing.txt", "Sizing the BASINS by depth: bottom width and length.");
        m_index = {{"Volumes", "volumes.htm"}, {"Spillway", "spillway.htm"}, {"Sizing", "sizing.txt"}};
    }

    // "All", then "This List Only" narrowing the previous result.
    void narrowsStepByStep()
    {
        const auto all = help::searchPages(m_dir.path(), m_index, "BASIN");
        QVERIFY(all.failures.isEmpty());
        QCOMPARE(all.matches, (QVector<PageRef>{{"Volumes", "volumes.htm"}, {"Sizing", "sizing.txt"}}));

        const auto narrowed = help::searchPages(m_dir.path(), all.matches, "depth");
        QCOMPARE(narrowed.matches, (QVector<PageRef>{{"Sizing", "sizing.txt"}}));

        const auto none = help::searchPages(m_dir.path(), narrowed.matches, "riser");
        QVERIFY(none.matches.isEmpty());
    }

    void matchesOnThePagesText_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("inside a word, any case") << "asin" << QStringList{"Volumes", "Sizing"};
        QTest::newRow("at the very start of a page") << "sizing the" << QStringList{"Sizing"};
        QTest::newRow("markup is not text") << "table" << QStringList{};
        QTest::newRow("the head's title is not text") << "riser" << QStringList{"Spillway"};
        QTest::newRow("entities are decoded") << "pipe & riser" << QStringList{"Spillway"};
        QTest::newRow("the keyword is not trimmed") << " storage " << QStringList{};
        QTest::newRow("empty keyword matches nothing") << "" << QStringList{};
    }
    void matchesOnThePagesText()
    {
        QFETCH(QString, keyword);
        QFETCH(QStringList, captions);
        QStringList got;
        for (const auto& m : help::searchPages(m_dir.path(), m_index, keyword).matches)
            got << m.caption;
        QCOMPARE(got, captions);
    }

    void pageListedTwiceMatchesTwice()
    {
        const QVector<PageRef> twice = {m_index[2], m_index[0], m_index[2]};
        QCOMPARE(help::searchPages(m_dir.path(), twice, "sizing").matches.size(), 2);
    }

    void emptySourceMatchesNothing() { QVERIFY(help::searchPages(m_dir.path(), {}, "basin").matches.isEmpty()); }

    // A page that cannot be read is reported, counts as not matching, and
    // the search goes on.
    void unreadablePagesAreReportedAndSkipped()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("locked.htm"));  // opening a folder as a file fails
        const QVector<PageRef> source = {{"Gone", "gone.htm"}, {"Locked", "locked.htm"}, m_index[0]};
        const auto r = help::searchPages(m_dir.path(), source, "basin");
        QCOMPARE(r.matches, (QVector<PageRef>{m_index[0]}));
        QCOMPARE(r.failures.size(), 2);
        QCOMPARE(r.failures[0].kind, PageReadError::Kind::Other);
        QCOMPARE(r.failures[0].message(), QStringLiteral("Error: 53 File not found: gone.htm"));
        QCOMPARE(r.failures[1].kind, PageReadError::Kind::Inaccessible);
        QCOMPARE(r.failures[1].message(),
                 QStringLiteral("File \"locked.htm\" could not be accessed. It may be in used. Press \"Clear\" first then "
                                "retry the search."));
    }

    void richTextLosesItsControlWords()
    {
        const QString rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}{\\*\\generator X;}\\f0\\fs20 Riser \\b height\\b0\\par "
                            "caf\\'e9 \\{x\\}}";
        QCOMPARE(help::rtfToText(rtf), QStringLiteral("Riser height café {x}"));
    }
};

QTEST_GUILESS_MAIN(PageSearchTest)
#include "page_search_test.moc"
