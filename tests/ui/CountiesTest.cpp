// The county list that fills the Project Information page's county box.

#include "ui/Counties.h"

#include <QSet>
#include <QTest>

class CountiesTest : public QObject {
    Q_OBJECT

private slots:
    void listHolds158DistinctNames()
    {
        const QStringList names = ui::countyNames();
        QCOMPARE(names.size(), 158);
        QSet<QString> seen;
        for (const QString& name : names) {
            QVERIFY2(!name.isEmpty() && name == name.trimmed(), qPrintable(QLatin1Char('"') + name + QLatin1Char('"')));
            QVERIFY2(!seen.contains(name.toCaseFolded()), qPrintable(name + QStringLiteral(" twice")));
            seen.insert(name.toCaseFolded());
        }
        // Added in an order of its own: the county box does the sorting.
        QStringList sorted = names;
        sorted.sort(Qt::CaseInsensitive);
        QVERIFY(names != sorted);
    }
};

QTEST_MAIN(CountiesTest)
#include "CountiesTest.moc"
