#include "TestProgram.h"
#include "WindowChecks.h"
#include "ui/DialogPrompter.h"
#include "ui/Screen.h"
#include "ui/TopMost.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

class Probe : public Screen {
    Q_OBJECT
public:
    explicit Probe(ScreenRegistry& registry)
        : Screen(registry)
    {
        ++loads;
        if (failLoad)
            LoadFailed();
    }
    static inline int loads = 0;
    static inline bool failLoad = false;
};

// A screen the program never registers.
class frmNotBuilt : public Screen {
    Q_OBJECT
public:
    using Screen::Screen;
};

using Leave = std::function<void(QWidget*)>;

class tst_platform : public QObject {
    Q_OBJECT

private:
    // Answers the next modal dialog once it is up, after noting what it showed.
    template <class Dialog, class Answer>
    void WhenShown(Answer answer)
    {
        QTimer::singleShot(0, this, [answer] {
            QTRY_VERIFY(qobject_cast<Dialog*>(QApplication::activeModalWidget()));
            answer(qobject_cast<Dialog*>(QApplication::activeModalWidget()));
        });
    }

private slots:
    void theRegistryKeepsOneInstancePerScreen()
    {
        TestProgram program;
        program.registry.Register<Probe>();
        Probe::loads = 0;
        QCOMPARE(program.registry.Find<Probe>(), nullptr);

        QPointer<QWidget> first = program.registry.Open<Probe>();
        QVERIFY(first);
        QCOMPARE(Probe::loads, 1);
        QCOMPARE(first->objectName(), QStringLiteral("Probe"));
        QCOMPARE(program.registry.Show<Probe>(), first.data());
        QCOMPARE(program.registry.Open<Probe>(), first.data());
        QCOMPARE(Probe::loads, 1);
        QVERIFY(first->isVisible());

        // Asked for again in the same handler that closed it, a screen comes back fresh.
        first->close();
        QCOMPARE(program.registry.Find<Probe>(), nullptr);
        QWidget* second = program.registry.Open<Probe>();
        QVERIFY(second && second != first.data());
        QCOMPARE(Probe::loads, 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QCOMPARE(program.registry.Find<Probe>(), second);
    }

    void aScreenThatCannotLoadIsNotHandedOutAndAnUnknownNameIsAFault()
    {
        TestProgram program;
        program.registry.Register<Probe>();
        Probe::failLoad = true;
        QCOMPARE(program.registry.Show<Probe>(), nullptr);
        QCOMPARE(program.registry.Find<Probe>(), nullptr);
        Probe::failLoad = false;
        QVERIFY(program.registry.Show<Probe>());

        QTest::ignoreMessage(QtWarningMsg, "ScreenRegistry: no screen named frmNotBuilt");
        QCOMPARE(program.registry.Show<frmNotBuilt>(), nullptr);
    }

    void endingTheProgramClosesEveryScreen()
    {
        TestProgram program;
        program.registry.Register<Probe>();
        QPointer<QWidget> screen = program.registry.Show<Probe>();
        QSignalSpy ended(&program.registry, &ScreenRegistry::programEnded);
        program.registry.EndProgram(3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(screen.isNull());
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), 3);
    }

    void messagesShowExactlyTheirTextTitleIconAndButtons()
    {
        DialogPrompter prompter;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!prompter.Ask("Do you really want to Quit this Software?", "QUIT", MessageIcon::Information));
        QCOMPARE(title, QStringLiteral("QUIT"));
        QCOMPARE(text, QStringLiteral("Do you really want to Quit this Software?"));
        QCOMPARE(icon, QMessageBox::Information);

        WhenShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            icon = box->icon();
            QVERIFY(box->button(QMessageBox::Ok));
            QVERIFY(!box->button(QMessageBox::Yes));
            box->button(QMessageBox::Ok)->click();
        });
        prompter.Report("No permision for delete Records.");
        QCOMPARE(title, QStringLiteral("Morvane"));
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void theInputBoxGivesTheTextOrNothingOnCancel()
    {
        DialogPrompter prompter;
        QString shownDefault;
        WhenShown<QInputDialog>([&](QInputDialog* box) {
            shownDefault = box->textValue();
            box->setTextValue("7");
            box->accept();
        });
        QCOMPARE(prompter.Input("Teacher Number: ", "Teacher Number", "1"), std::optional<QString>("7"));
        QCOMPARE(shownDefault, QStringLiteral("1"));

        WhenShown<QInputDialog>([](QInputDialog* box) { box->reject(); });
        QCOMPARE(prompter.Input("Teacher Number: ", "Teacher Number", "1"), std::nullopt);
    }

    // Kept above the other windows, shown, and left where it was.
    void keepOnTopShowsTheWindowWhereItWas()
    {
        QWidget window;
        SetTopMost(&window, true);
        QVERIFY(window.isVisible());
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        window.setGeometry(120, 80, 300, 200);
        const QRect place = window.geometry();
        SetTopMost(&window, true);
        QCOMPARE(window.geometry(), place);
        SetTopMost(&window, false);
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
        QCOMPARE(window.geometry(), place);
        SetTopMost(&window, true);
        QCOMPARE(window.geometry(), place);
    }

    // While a window is kept on top, what the program shows or raises comes
    // up in front of it; menus and tooltips keep their own stacking, and a
    // window shown earlier stays behind until the program raises it.
    void windowsShownWhileOneIsKeptOnTopComeUpInFrontOfIt()
    {
        QWidget earlier;
        earlier.show();
        QWidget kept;
        SetTopMost(&kept, true);
        QVERIFY(!StaysOnTop(earlier));

        QWidget screen;
        screen.show();
        QVERIFY(StaysOnTop(screen));
        QDialog dialog(&kept);
        dialog.show();
        QVERIFY(StaysOnTop(dialog));
        QWidget tooltip(nullptr, Qt::ToolTip);
        tooltip.show();
        QVERIFY(!StaysOnTop(tooltip));
        earlier.raise();
        QVERIFY(StaysOnTop(earlier));
    }

    // The windows lifted in front go back to the normal order, where they
    // were, with the last window kept on top, however it goes.
    void liftedWindowsGoBackWithTheLastWindowKeptOnTop_data()
    {
        QTest::addColumn<Leave>("leave");
        QTest::newRow("closed") << Leave([](QWidget* window) { window->close(); });
        QTest::newRow("hidden") << Leave([](QWidget* window) { window->hide(); });
        QTest::newRow("deleted") << Leave([](QWidget* window) { delete window; });
        QTest::newRow("no longer kept on top") << Leave([](QWidget* window) { SetTopMost(window, false); });
    }

    void liftedWindowsGoBackWithTheLastWindowKeptOnTop()
    {
        QFETCH(Leave, leave);
        QWidget first;
        SetTopMost(&first, true);
        QPointer<QWidget> second = new QWidget;
        SetTopMost(second, true);
        QWidget screen;
        screen.setGeometry(120, 80, 300, 200);
        screen.show();
        const QRect place = screen.geometry();
        first.close();
        QVERIFY(StaysOnTop(screen));

        leave(second);
        QVERIFY(!StaysOnTop(screen));
        QVERIFY(screen.isVisible());
        QCOMPARE(screen.geometry(), place);
        QWidget later;
        later.show();
        QVERIFY(!StaysOnTop(later));
        delete second.data();
    }

    // A question asked over a window kept on top shows in front of it and
    // still waits for its answer.
    void aQuestionOverAWindowKeptOnTopComesUpInFrontAndWaitsForItsAnswer()
    {
        QWidget kept;
        SetTopMost(&kept, true);
        DialogPrompter prompter;
        bool inFront = false;
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            inFront = StaysOnTop(*box);
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(
            prompter.Ask("All records will be clesr in Listview. Are you Sure?", "Clear", MessageIcon::Exclamation));
        QVERIFY(inFront);
    }

    void aScreenTheRegistryShowsComesUpInFrontOfAWindowKeptOnTop()
    {
        TestProgram program;
        program.registry.Register<Probe>();
        QWidget* probe = program.registry.Show<Probe>();
        QWidget kept;
        SetTopMost(&kept, true);
        QVERIFY(!StaysOnTop(*probe));
        program.registry.Show<Probe>();
        QVERIFY(StaysOnTop(*probe));
        probe->close();
        QVERIFY(StaysOnTop(*program.registry.Show<Probe>()));
    }
};

QTEST_MAIN(tst_platform)
#include "tst_platform.moc"
