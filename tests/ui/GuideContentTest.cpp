// What the designer reads must be what the program does: the user guide's
// messages page explains every message of the catalogue in its exact words,
// and no window shows a message text from outside the catalogue.

#include "engine/messages.h"
#include "ui/Text.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

QString sourcePath(const QString& relative) { return QDir(QStringLiteral(TELLUM_SOURCE_DIR)).filePath(relative); }

QString readSource(const QString& relative)
{
    QFile file(sourcePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return QString::fromUtf8(file.readAll());
}

// The text of a page fragment without its markup, entities decoded and
// blanks kept as written (a message's two blanks must stay two).
QString pageText(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QLatin1String("&quot;"), QLatin1String("\""));
    html.replace(QLatin1String("&lt;"), QLatin1String("<"));
    html.replace(QLatin1String("&gt;"), QLatin1String(">"));
    html.replace(QLatin1String("&#39;"), QLatin1String("'"));
    html.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return html;
}

// The first capture of pattern in text, or a null string.
QString capture(const QString& text, const QString& pattern)
{
    const auto match = QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The argument list of the call that opens at text[open] ("(") up to its
// closing parenthesis, string literals included.
QString callArguments(const QString& text, qsizetype open)
{
    int depth = 0;
    bool inString = false;
    for (qsizetype i = open; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inString) {
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == QLatin1Char('"'))
                inString = false;
        } else if (c == QLatin1Char('"')) {
            inString = true;
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')') && --depth == 0) {
            return text.mid(open, i - open + 1);
        }
    }
    return text.mid(open);
}

}  // namespace

class GuideContentTest : public QObject {
    Q_OBJECT

private slots:
    void messagesPageExplainsEveryMessage_data()
    {
        QTest::addColumn<int>("entry");
        const auto all = engine::msg::catalogue();
        for (std::size_t i = 0; i < all.size(); ++i)
            QTest::newRow(all[i]->key.data()) << int(i);
    }
    void messagesPageExplainsEveryMessage()
    {
        QFETCH(int, entry);
        const engine::msg::Message& message = *engine::msg::catalogue()[std::size_t(entry)];
        const QString page = readSource(QStringLiteral("data/Help/messages.html"));
        const QString row = capture(page, QStringLiteral("<tr id=\"%1\">(.*?)</tr>").arg(ui::qs(message.key)));
        QVERIFY2(!row.isNull(), "the messages page has no row for this message");

        // The quoted text: its fixed parts exactly, a <var> for each variable part.
        const QString quoted = capture(row, QStringLiteral("<span class=\"msg\">(.*?)</span>"));
        QVERIFY2(!quoted.isNull(), "the row quotes no message text");
        QStringList shown = quoted.split(QRegularExpression(QStringLiteral("<var>.*?</var>")));
        for (QString& part : shown)
            part = pageText(part);
        QStringList fixed;
        for (std::string_view part : engine::msg::fixedParts(message))
            fixed << ui::qs(part);
        QCOMPARE(shown, fixed);

        if (!message.title.empty())
            QCOMPARE(capture(row, QStringLiteral("<span class=\"title\">(.*?)</span>")), ui::qs(message.title));
        QVERIFY2(!pageText(capture(row, QStringLiteral("<td class=\"cause\">(.*?)</td>"))).trimmed().isEmpty(),
                 "the row does not say why the message appears");
        QVERIFY2(!pageText(capture(row, QStringLiteral("<td class=\"todo\">(.*?)</td>"))).trimmed().isEmpty(),
                 "the row does not say what to do");
    }

    // The catalogue is complete and the only source of message texts: every
    // message declared is listed, every row of the page is a message, and no
    // window passes a text of its own to a message box.
    void everyMessageComesFromTheCatalogue()
    {
        QSet<QString> keys;
        for (const engine::msg::Message* message : engine::msg::catalogue()) {
            QVERIFY2(!keys.contains(ui::qs(message->key)), message->key.data());
            keys.insert(ui::qs(message->key));
        }
        const QString header = readSource(QStringLiteral("engine/messages.h"));
        QRegularExpression declared(QStringLiteral("Message\\s+(k\\w+)\\{\\s*\"([^\"]+)\""));
        int declarations = 0;
        for (const auto& match : declared.globalMatch(header)) {
            ++declarations;
            QVERIFY2(keys.contains(match.captured(2)), qPrintable(match.captured(1) + QStringLiteral(" is not in catalogue()")));
        }
        QCOMPARE(declarations, int(keys.size()));

        const QString page = readSource(QStringLiteral("data/Help/messages.html"));
        for (const auto& match : QRegularExpression(QStringLiteral("<tr id=\"([^\"]+)\">")).globalMatch(page))
            QVERIFY2(keys.contains(match.captured(1)), qPrintable(match.captured(1) + QStringLiteral(": no such message")));

        const QRegularExpression call(QStringLiteral("\\b(showMessage|askOkCancel)\\s*\\("));
        for (const char* folder : {"ui", "store", "reports", "help"}) {
            QDirIterator files(sourcePath(QLatin1String(folder)), {QStringLiteral("*.cpp"), QStringLiteral("*.h")});
            while (files.hasNext()) {
                const QString relative = QDir(QStringLiteral(TELLUM_SOURCE_DIR)).relativeFilePath(files.next());
                const QString source = readSource(relative);
                if (!relative.endsWith(QLatin1String("Presenter.cpp")))
                    QVERIFY2(!source.contains(QLatin1String("QMessageBox")), qPrintable(relative + QStringLiteral(": a message box past the presenter")));
                for (const auto& match : call.globalMatch(source)) {
                    const QString arguments = callArguments(source, match.capturedEnd() - 1);
                    QVERIFY2(!arguments.contains(QLatin1Char('"')),
                             qPrintable(relative + QStringLiteral(": a message text outside the catalogue: ") + arguments));
                }
            }
        }
    }
};

QTEST_MAIN(GuideContentTest)
#include "GuideContentTest.moc"
