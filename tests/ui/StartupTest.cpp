// Start-up as the designer sees it: the splash with its version and dots,
// then the main window under its disclaimer, ready for the project number.

#include "ui/MainFrm.h"
#include "ui/Presenter.h"
#include "ui/frmSplash.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

class StartupTest : public QObject {
    Q_OBJECT

private:
    ui::RecordingPresenter m_presenter;
    std::unique_ptr<ui::MainFrm> m_window;
    int m_starts = 0;
    double m_readySeconds = 0;  // from the end of the wait to a window ready for typing

    std::unique_ptr<ui::frmSplash> makeSplash()
    {
        auto splash = std::make_unique<ui::frmSplash>([this] {
            QElapsedTimer ready;
            ready.start();
            ++m_starts;
            m_window = std::make_unique<ui::MainFrm>();
            m_window->show();
            m_window->focusProjectNumber();
            QCoreApplication::processEvents();  // the window painted and on screen
            m_readySeconds = ready.nsecsElapsed() / 1e9;
        });
        return splash;
    }
    QString label(ui::frmSplash& splash, const char* name)
    {
        return splash.findChild<QLabel*>(QLatin1String(name))->text();
    }

private slots:
    void init()
    {
        ui::setPresenter(&m_presenter);
        m_presenter.clear();
        m_starts = 0;
    }
    void cleanup()
    {
        m_window.reset();
        ui::setPresenter(nullptr);
    }

    void startingWaitsASecondWithDotsThenShowsTheMainWindow()
    {
        auto splash = makeSplash();
        QCOMPARE(label(*splash, "Label1"), QStringLiteral("Version 2.0.3"));
        QCOMPARE(label(*splash, "Label2"), QStringLiteral("Tellum"));
        QCOMPARE(label(*splash, "Label3"), QStringLiteral("Loading"));
        QVERIFY(!label(*splash, "lblCompany").isEmpty());
        splash->run();
        QVERIFY(splash->waitSeconds() >= 0.99);
        QVERIFY(splash->waitSeconds() < 1.3);
        const QString loading = label(*splash, "Label3");
        QVERIFY2(loading.startsWith(QStringLiteral("Loading....")) && loading.size() <= 13, qPrintable(loading));
        QCOMPARE(m_starts, 1);
        qInfo("first main window of the run ready %.3f s after the splash wait", m_readySeconds);
        QVERIFY2(m_readySeconds < 0.3, qPrintable(QString::number(m_readySeconds)));
        QVERIFY(splash->isHidden());
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Zelt Tellum - Version 2.0.3"));
        // The disclaimer covers the window: its button holds the focus.
        QCOMPARE(m_window->focusWidget()->objectName(), QStringLiteral("btnAccept"));
        QVERIFY(m_window->disclaimerShown());
        QVERIFY(m_window->recordCoverShown());
        QVERIFY(m_presenter.shown.isEmpty());
    }

    void theMainWindowIsReadyWithinAThirdOfASecondAfterTheWait()
    {
        auto splash = makeSplash();
        splash->run();
        qInfo("main window ready %.3f s after the splash wait", m_readySeconds);
        QVERIFY2(m_readySeconds < 0.3, qPrintable(QString::number(m_readySeconds)));
    }

    void clickingTheSplashEndsTheWaitAtOnce()
    {
        auto splash = makeSplash();
        ui::frmSplash* target = splash.get();
        QTimer::singleShot(150, target, [target] { QTest::mouseClick(target, Qt::LeftButton); });
        splash->run();
        QVERIFY2(splash->waitSeconds() < 0.5, qPrintable(QString::number(splash->waitSeconds())));
        QCOMPARE(m_starts, 1);
        QVERIFY(m_window->isVisible());
        QVERIFY(splash->isHidden());
    }

    void aKeyPressOnTheSplashShowsTheMainWindowAtOnce()
    {
        auto splash = makeSplash();
        ui::frmSplash* target = splash.get();
        bool shownByKey = false;
        QTimer::singleShot(150, target, [&] {
            QTest::keyClick(target, Qt::Key_Space);
            shownByKey = m_starts == 1 && target->isHidden();
        });
        splash->run();
        QVERIFY(shownByKey);
        QVERIFY(splash->waitSeconds() < 0.5);
        QCOMPARE(m_starts, 1);  // the end of the wait does not start it again
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
