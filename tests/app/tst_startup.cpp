#include "ScreenDriver.h"
#include "TestFiles.h"
#include "TestProgram.h"
#include "admin/BackupRecord.h"
#include "admin/frmLogin.h"
#include "admin/frmSetting.h"
#include "app/AboutClosing.h"
#include "app/MissingDatabase.h"
#include "app/frmAbout.h"
#include "app/frmSplash.h"
#include "data/ApplicationFolder.h"
#include "teachers/frmDbase.h"
#include "ui/Colours.h"
#include "ui/TextEffect.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>

// Start-up from the splash screen to the teacher screen, and the about screen.
class tst_startup : public QObject {
    Q_OBJECT

    static void MovePointerOver(QWidget* label)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &move);
    }

    static QColor Colour(const QWidget* screen, const QString& label) { return TextColour(Find(screen, label)); }

private slots:
    // The bar grows one timer step at a time; once it is full the login opens
    // and the splash screen closes, all within about a second.
    void theSplashGrowsItsBarThenTheLoginOpens()
    {
        TestProgram program;
        program.CreateDatabase();
        program.Exec("UPDATE Custom SET schName = 'Hillside College'");
        auto* splash = program.registry.Show<frmSplash>();
        QVERIFY(splash->isVisible());
        auto* timer = HoldTimer(splash, "Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 100);
        auto* track = Find(splash, "Label1");
        auto* bar = Find(splash, "Label2");
        QCOMPARE(track->width(), 513);
        QCOMPARE(bar->width(), 3);

        int elapsed = 0;
        while (program.registry.Find<frmSplash>()) {
            QVERIFY(!program.registry.Find<frmLogin>());
            elapsed += timer->interval();
            const int before = bar->width();
            splash->Timer1_Timer();
            QVERIFY(bar->width() > before || bar->width() == track->width());
        }
        QVERIFY2(elapsed <= 1100, qPrintable(QString::number(elapsed)));
        QVERIFY(!timer->isActive());
        auto* login = program.registry.Find<frmLogin>();
        QVERIFY(login && login->isVisible());
        QVERIFY(!program.registry.Find<frmDbase>());
        QVERIFY(!program.registry.IsEnding());

        Find<QComboBox>(login, "cmb_as")->setEditText("Administrator");
        Find<QLineEdit>(login, "txt_pass")->setText("admin");
        Click(login, "cmdOK");
        QCOMPARE(program.registry.Find<frmLogin>(), nullptr);
        auto* teachers = program.registry.Find<frmDbase>();
        QVERIFY(teachers && teachers->isVisible());
        QCOMPARE(TextOf(teachers, "Label25"), QStringLiteral("Hillside College"));
    }

    // The teacher screen's buttons lead to the screens built on it.
    void theTeacherScreenOpensTheScreensBuiltOnIt_data()
    {
        // clang-format off
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::newRow("Attendance") << "cmdAtten" << "frmAtten";
        QTest::newRow("Backup") << "cmdBackup" << "frmBackup";
        QTest::newRow("Settings") << "Command6" << "frmSetting";
        QTest::newRow("Contact") << "Command3" << "frmAbout";
        // clang-format on
    }

    void theTeacherScreenOpensTheScreensBuiltOnIt()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        TestProgram program;
        program.CreateDatabase();
        auto* teachers = program.registry.Show<frmDbase>();
        QCOMPARE(program.registry.MainScreen(), teachers);
        Click(teachers, button);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::ranges::any_of(windows, [&](const QWidget* window) {
            return window->objectName() == screen && window->isVisible();
        }));
    }

    // Closed before the login opens (Alt+F4), the splash leaves no window
    // behind: the program ends rather than run on unseen.
    void closingTheSplashEarlyEndsTheProgram()
    {
        TestProgram program;
        program.CreateDatabase();
        QSignalSpy ended(&program.registry, &ScreenRegistry::programEnded);
        auto* splash = program.registry.Show<frmSplash>();
        splash->close();
        QCOMPARE(ended.size(), 1);
        QCOMPARE(program.registry.Find<frmSplash>(), nullptr);
        QCOMPARE(program.registry.Find<frmLogin>(), nullptr);
    }

    void theAboutScreenIsARoundCentredWindow()
    {
        TestProgram program;
        program.CreateDatabase();
        auto* about = program.registry.Show<frmAbout>();
        QCOMPARE(about->size(), QSize(350, 350));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(about->pos(), QPoint((screen.width() - 350) / 2, (screen.height() - 350) / 2));
        QVERIFY(about->mask().contains(QPoint(175, 175)));
        QVERIFY(!about->mask().contains(QPoint(10, 10)));
        auto* ok = Find(about, "Command1");
        QVERIFY(ok->mask().contains(ok->rect().center()));
        QVERIFY(!ok->mask().contains(QPoint(0, 0)));
        QCOMPARE(TextOf(about, "lblTitle"), QStringLiteral("Morvane"));
        QVERIFY(TextOf(about, "lblURL").endsWith('/'));
        QVERIFY(!TextOf(about, "lblURL1").isEmpty());
    }

    // Each time the screen becomes the active window the text effect starts
    // afresh; the one before gives way to it.
    void everyActivationRunsTheTextEffectAfresh()
    {
        TestProgram program;
        program.CreateDatabase();
        auto* about = program.registry.Show<frmAbout>();
        QVERIFY(QTest::qWaitForWindowActive(about));
        const QPointer<TextEffect> first = about->findChild<TextEffect*>();
        QVERIFY(first);
        QCOMPARE(first->pos(), QPoint(12, 12));

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(about->findChildren<TextEffect*>(), QList<TextEffect*> {first});

        program.registry.Show<frmAbout>();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QVERIFY(!first);
        const QList<TextEffect*> effects = about->findChildren<TextEffect*>();
        QCOMPARE(effects.size(), 1);
        QCOMPARE(effects[0]->pos(), QPoint(12, 12));
    }

    // The pointer over a link turns it light blue; the 1.5 s timer turns it back.
    void linksLightUpUnderThePointerAndOpenWhenClicked()
    {
        TestProgram program;
        program.CreateDatabase();
        auto* about = program.registry.Show<frmAbout>();
        auto* timer = HoldTimer(about, "Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1500);
        const QColor green(128, 255, 128);
        const QColor yellow(255, 255, 0);
        const QColor blue(128, 128, 255);

        MovePointerOver(Find(about, "lblEmail"));
        QCOMPARE(Colour(about, "lblEmail"), blue);
        QCOMPARE(Colour(about, "lblSendEmail"), blue);
        MovePointerOver(Find(about, "lblURL1"));
        QCOMPARE(Colour(about, "lblURL1"), blue);
        QCOMPARE(Colour(about, "lblGoToWeb"), yellow);
        MovePointerOver(Find(about, "lblURL"));
        QCOMPARE(Colour(about, "lblGoToWeb"), blue);

        about->Timer1_Timer();
        QCOMPARE(Colour(about, "lblEmail"), green);
        QCOMPARE(Colour(about, "lblSendEmail"), green);
        for (const char* link : {"lblURL", "lblURL1", "lblGoToWeb"})
            QCOMPARE(Colour(about, link), yellow);

        for (const char* link : {"lblEmail", "lblURL", "lblURL1"})
            QTest::mouseClick(Find(about, link), Qt::LeftButton);
        QCOMPARE(program.links.opened.size(), 3);
        QCOMPARE(program.links.opened[0].scheme(), QStringLiteral("mailto"));
        QCOMPARE(program.links.opened[0].path(), TextOf(about, "lblEmail"));
        QCOMPARE(program.links.opened[1].toString(), TextOf(about, "lblURL"));
        QCOMPARE(program.links.opened[2].toString(), TextOf(about, "lblURL1"));
    }

    void closingPlaysTheAnimationFromATimerThenCloses()
    {
        TestProgram program;
        program.CreateDatabase();
        auto* about = program.registry.Show<frmAbout>();
        QTimer* closing = HoldTimer(about, "Closing");
        Click(about, "Command1");
        QVERIFY(closing->isActive());
        QCOMPARE(closing->interval(), 3);
        QCOMPARE(program.registry.Find<frmAbout>(), about);
        QVERIFY(about->isVisible());
        QVERIFY(about->StepClosing());
        QCOMPARE(about->height(), 347);
        int frames = 1;
        while (about->StepClosing())
            ++frames;
        QVERIFY(frames > 100);
        QCOMPARE(program.registry.Find<frmAbout>(), nullptr);
    }

    // Shrink to the strip, rise to the top, then slide right until the left
    // edge reaches the screen's width, whatever that width is.
    void theClosingFramesEndAtTheScreensRightEdge_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::newRow("1920") << 1920;
        QTest::newRow("wide") << 5120;
    }

    void theClosingFramesEndAtTheScreensRightEdge()
    {
        QFETCH(int, screenWidth);
        const QRect window(785, 365, 350, 350);
        const QList<QRect> frames = AboutClosingFrames(window, 1, screenWidth);
        QCOMPARE(frames.first(), QRect(785, 365, 350, 347));
        const auto risen = std::find_if(frames.begin(), frames.end(),
                                        [](const QRect& frame) { return frame.height() == 1; });
        QVERIFY(risen != frames.end());
        QCOMPARE(risen->topLeft(), window.topLeft());
        const QRect& last = frames.last();
        QCOMPARE(last.size(), QSize(350, 1));
        QCOMPARE(last.top(), 0);
        QVERIFY(last.left() < screenWidth);
        QVERIFY(last.left() >= screenWidth - 7);
    }
    // A folder that has lost its database, where a backup is recorded, says
    // so and offers the backup; without a recorded backup nothing is asked.
    void aMissingDatabaseOffersTheLastBackup_data()
    {
        QTest::addColumn<bool>("recorded");
        QTest::addColumn<bool>("openBackup");
        QTest::newRow("first start") << false << false;
        QTest::newRow("backup opened") << true << true;
        QTest::newRow("empty database") << true << false;
    }

    void aMissingDatabaseOffersTheLastBackup()
    {
        QFETCH(bool, recorded);
        QFETCH(bool, openBackup);
        TestProgram program;
        program.CreateDatabase();
        program.Exec("UPDATE Custom SET schName = 'Hillside College'");
        const QString backup = program.folder.filePath("last.mdb");
        QVERIFY(QFile::rename(program.DatabasePath(), backup));
        if (recorded)
            BackupRecord::Of(QDir::toNativeSeparators(backup), program.clock.Now()).Write();
        if (recorded)
            program.prompter.PlanAnswer(openBackup ? Answer::Yes : Answer::No);
        if (openBackup)
            program.prompter.PlanAnswer(Answer::Yes);

        OfferLastBackupForMissingDatabase(program.registry);

        if (recorded) {
            const Question& offer = program.prompter.asked.first();
            QVERIFY2(offer.text.startsWith("No database was found in the folder "
                                           + QDir::toNativeSeparators(program.Folder()) + ".")
                         && offer.text.contains(QDir::toNativeSeparators(backup)),
                     qPrintable(offer.text));
            QCOMPARE(offer.buttons, MessageButtons::YesNo);
        }
        QCOMPARE(program.prompter.asked.size(), int(recorded) + int(openBackup));
        QCOMPARE(QFile::exists(program.DatabasePath()), openBackup);
        if (openBackup)
            QCOMPARE(program.Query("SELECT schName FROM Custom")[0][0].toString(), QStringLiteral("Hillside College"));
        QVERIFY(QFile::exists(backup));
    }

    // The about and settings screens name the database file in use.
    void theDatabaseInUseIsShown()
    {
        TestProgram program;
        program.CreateDatabase();
        const QString path = QDir::toNativeSeparators(program.DatabasePath());
        QCOMPARE(TextOf(program.registry.Show<frmAbout>(), "lblDatabase"), path);
        QVERIFY(TextOf(program.Open<frmSetting>(), "lbl_database").endsWith(path));
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
