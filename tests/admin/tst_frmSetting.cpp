#include "ScreenDriver.h"
#include "TestProgram.h"
#include "admin/frmLogin.h"
#include "admin/frmSetting.h"
#include "data/PasswordHash.h"
#include "teachers/frmDbase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QRadioButton>
#include <QTest>

// The settings screen as the Administrator uses it: view, modify, apply and
// defaults, with what reaches the settings row.
class tst_frmSetting : public QObject {
    Q_OBJECT

    struct Stored {
        QVariant pass, splash, viewe, welcome, welcomeTime, school, picture;
    };

    static Stored Row(const TestProgram& program)
    {
        const QVariantList row = program.Query("SELECT Pass, Splashtime, Viewe, Welcome, Welcometime, schName, Picture "
                                               "FROM Custom")[0];
        return {row[0], row[1], row[2], row[3], row[4], row[5], row[6]};
    }

    static QLineEdit* Field(const QWidget* screen, const QString& name) { return Find<QLineEdit>(screen, name); }
    static bool Ticked(const QWidget* screen, const QString& name)
    {
        return Find<QAbstractButton>(screen, name)->isChecked();
    }

    static void Retype(QWidget* screen, const QString& name, const QString& text)
    {
        Field(screen, name)->clear();
        QTest::keyClicks(Field(screen, name), text);
    }

    static bool StoredPasswordIs(const TestProgram& program, const QString& password)
    {
        return PasswordHash::Verify(Row(program).pass.toString(), password) == PasswordHash::Check::Right;
    }

    // A value of the program's own settings; empty when none is stored.
    static QString OwnSetting(const TestProgram& program, const QString& name)
    {
        const QList<QVariantList> rows = program.Query(
            QStringLiteral("SELECT Value FROM ProgramSetting WHERE Name = '%1'").arg(name));
        return rows.isEmpty() ? QString() : rows[0][0].toString();
    }

    static QString PeriodsInDay(const TestProgram& program) { return OwnSetting(program, "PeriodsInDay"); }

    static QStringList TermAndLimits(const TestProgram& program)
    {
        return {OwnSetting(program, "TermStart"), OwnSetting(program, "ReliefsPerDay"),
                OwnSetting(program, "ReliefsPerWeek")};
    }

    // The settings of a new file, and the screen still in the modify state.
    static void ExpectNothingStoredAndStillModifying(const TestProgram& program, const QWidget* screen)
    {
        QCOMPARE(TermAndLimits(program), (QStringList {"", "", ""}));
        QCOMPARE(PeriodsInDay(program), QString());
        QCOMPARE(Row(program).splash.toDouble(), 2000.0);
        QVERIFY(Find(screen, "cmd_apply")->isEnabled());
    }

    static QDateEdit* Term(const QWidget* screen) { return Find<QDateEdit>(screen, "dtpTerm"); }

    static void ExpectTermAndLimitsShown(const QWidget* screen, const QDate& term, const QString& day,
                                         const QString& week)
    {
        QCOMPARE(Term(screen)->date(), term);
        QCOMPARE(TextOf(screen, "txtDayLimit"), day);
        QCOMPARE(TextOf(screen, "txtWeekLimit"), week);
    }

    // The password boxes hold nothing, and so show nothing of the password's length.
    static void ExpectPasswordBoxesEmpty(const QWidget* screen)
    {
        for (const char* name : {"txt_pass1", "txt_pass2"})
            QCOMPARE(Field(screen, name)->displayText(), QString());
    }

    static void ExpectViewState(const QWidget* screen)
    {
        QVERIFY(Find(screen, "cmd_Change")->isEnabled());
        QVERIFY(!Find(screen, "cmd_apply")->isEnabled());
        QCOMPARE(TextOf(screen, "Label8"), QStringLiteral("OK"));
        ExpectPasswordBoxesEmpty(screen);
        for (const char* name : {"txt_splash", "txt_welcome", "txt_periods", "txt_pass1", "txt_pass2"})
            QVERIFY(Field(screen, name)->isReadOnly());
        for (const char* name : {"Check1", "opt_tl", "opt_ce", "opt_def"})
            QVERIFY(!Find(screen, name)->isEnabled());
    }

private slots:
    void opensReadOnlyWithTheStoredRow()
    {
        TestProgram program;
        program.CreateDatabase();
        auto* screen = program.registry.Show<frmSetting>();
        QCOMPARE(screen->windowTitle(), QStringLiteral("Setting"));
        QCOMPARE(TextOf(screen, "txt_splash"), QStringLiteral("2000"));
        QCOMPARE(TextOf(screen, "txt_welcome"), QStringLiteral("1000"));
        QCOMPARE(TextOf(screen, "txt_periods"), QStringLiteral("8"));
        QVERIFY(Ticked(screen, "Check1"));
        QVERIFY(Ticked(screen, "opt_def"));
        ExpectViewState(screen);
        QTest::keyClicks(Field(screen, "txt_pass1"), "x");
        QCOMPARE(TextOf(screen, "txt_pass1"), QString());

        Click(screen, "cmd_Change");
        QVERIFY(!Find(screen, "cmd_Change")->isEnabled());
        QVERIFY(Find(screen, "cmd_apply")->isEnabled());
        QCOMPARE(TextOf(screen, "Label8"), QStringLiteral("Cancel"));
        QVERIFY(!Field(screen, "txt_splash")->isReadOnly());
        QVERIFY(Find(screen, "opt_tl")->isEnabled());
        QCOMPARE(screen->focusWidget(), Field(screen, "txt_pass1"));
    }

    void validationStopsAtTheFirstFailingRule_data()
    {
        // clang-format off
        QTest::addColumn<QString>("splash");
        QTest::addColumn<QString>("welcome");
        QTest::addColumn<QString>("pass1");
        QTest::addColumn<QString>("pass2");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        const int information = int(MessageIcon::Information);
        const QString splashRange = "Splash screen stay time must be from 0 to 60000 ms.";
        const QString welcomeRange = "Welcome screen stay time must be from 0 to 60000 ms.";
        QTest::newRow("splash empty") << "" << "" << "" << "" << "Please enter splashscreen stay time in ms."
                                      << "Field missing" << information;
        QTest::newRow("welcome empty") << "x" << "" << "" << "" << "Please enter Welcome screen stay time in ms."
                                       << "Field missing" << information;
        QTest::newRow("password blank") << "x" << "y" << "   " << "" << "Please enter Password." << "Field missing"
                                        << information;
        QTest::newRow("confirmation empty") << "x" << "y" << "a" << "" << "Please enter Passwordconfirm."
                                            << "Field missing" << information;
        QTest::newRow("splash not a number") << "2s" << "y" << "a" << "b" << "Splash screen stay time mustbe Numeric."
                                             << "Improper value" << information;
        QTest::newRow("welcome not a number") << "-1.5e3" << "1,000" << "a" << "b"
                                              << "Welcome screen stay time mustbe Numeric." << "Improper value"
                                              << information;
        QTest::newRow("confirmation differs") << "2000" << ".5" << "a" << "A"
                                              << "May be typing mistake,plese verify the password."
                                              << "Invalid password" << int(MessageIcon::Critical);
        QTest::newRow("confirmation only") << "2000" << "1000" << "" << "a" << "Please enter Password."
                                           << "Field missing" << information;
        QTest::newRow("splash negative") << "-5" << "1000" << "" << "" << splashRange
                                         << "Improper value" << information;
        QTest::newRow("splash too long") << "99999999999" << "1000" << "" << "" << splashRange
                                         << "Improper value" << information;
        QTest::newRow("welcome negative") << "2000" << "-0.5" << "" << "" << welcomeRange
                                          << "Improper value" << information;
        QTest::newRow("welcome just too long") << "2000" << "60000.5" << "" << "" << welcomeRange
                                               << "Improper value" << information;
        QTest::newRow("all valid") << "+20" << "1e3" << "a" << "a" << "" << "" << 0;
        QTest::newRow("the longest and the shortest") << "60000" << "0" << "a" << "a" << "" << "" << 0;
        QTest::newRow("the password kept") << "2000" << "1000" << "" << "" << "" << "" << 0;
        // clang-format on
    }

    void validationStopsAtTheFirstFailingRule()
    {
        QFETCH(QString, splash);
        QFETCH(QString, welcome);
        QFETCH(QString, pass1);
        QFETCH(QString, pass2);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, icon);
        TestProgram program;
        program.CreateDatabase();
        auto* screen = program.Open<frmSetting>();
        Click(screen, "cmd_Change");
        Field(screen, "txt_splash")->setText(splash);
        Field(screen, "txt_welcome")->setText(welcome);
        Field(screen, "txt_pass1")->setText(pass1);
        Field(screen, "txt_pass2")->setText(pass2);

        QCOMPARE(screen->ValidateSettings(), message.isEmpty());
        if (message.isEmpty()) {
            QVERIFY(program.prompter.asked.isEmpty());
            return;
        }
        QCOMPARE(program.prompter.AskedTexts(), QStringList {message});
        QCOMPARE(program.prompter.Last().title, title);
        QCOMPARE(int(program.prompter.Last().icon), icon);
    }

    void aRefusedApplyStoresNothingAndStaysInModify_data()
    {
        // clang-format off
        QTest::addColumn<QString>("splash");
        QTest::addColumn<QString>("pass2");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("boxesEmptied");
        QTest::newRow("mismatch first") << "" << "other" << "Password Mismatch ." << true;
        QTest::newRow("a rule fails") << "soon" << "secret" << "Splash screen stay time mustbe Numeric." << false;
        // clang-format on
    }

    void aRefusedApplyStoresNothingAndStaysInModify()
    {
        QFETCH(QString, splash);
        QFETCH(QString, pass2);
        QFETCH(QString, message);
        QFETCH(bool, boxesEmptied);
        TestProgram program;
        program.CreateDatabase();
        auto* screen = program.Open<frmSetting>();
        Click(screen, "cmd_Change");
        Retype(screen, "txt_splash", splash);
        Retype(screen, "txt_pass1", "secret");
        Retype(screen, "txt_pass2", pass2);
        Click(screen, "cmd_apply");

        QCOMPARE(program.prompter.AskedTexts(), QStringList {message});
        if (boxesEmptied)
            QCOMPARE(program.prompter.Last().title, QStringLiteral("Password Error"));
        QCOMPARE(TextOf(screen, "txt_pass1").isEmpty(), boxesEmptied);
        QCOMPARE(TextOf(screen, "txt_pass2").isEmpty(), boxesEmptied);
        QVERIFY(Find(screen, "cmd_apply")->isEnabled());
        QCOMPARE(TextOf(screen, "Label8"), QStringLiteral("Cancel"));
        QVERIFY(StoredPasswordIs(program, "admin"));
        QCOMPARE(Row(program).splash.toDouble(), 2000.0);
    }

    // Whatever is typed is stored hashed, every character as typed, and can
    // then be typed at the login: the boxes there and here take 20 characters.
    void applyStoresThePasswordAsTypedAndTheLoginTakesIt_data()
    {
        // clang-format off
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("a quote") << "it's" << "it's";
        QTest::newRow("surrounding spaces") << "  head teacher  " << "  head teacher  ";
        QTest::newRow("a trailing space") << "abc " << "abc ";
        QTest::newRow("21 characters") << "abcdefghijklmnopqrstu" << "abcdefghijklmnopqrst";
        // clang-format on
    }

    void applyStoresThePasswordAsTypedAndTheLoginTakesIt()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        TestProgram program;
        program.CreateDatabase();
        program.Exec("UPDATE Custom SET schName = 'Hillside College'");
        auto* screen = program.Open<frmSetting>();
        Click(screen, "cmd_Change");
        Retype(screen, "txt_pass1", typed);
        Retype(screen, "txt_pass2", typed);
        Retype(screen, "txt_splash", "2500.5");
        Retype(screen, "txt_welcome", "0");
        Click(screen, "opt_ce");
        Click(screen, "Check1");
        Click(screen, "cmd_apply");

        QCOMPARE(program.prompter.AskedTexts(), QStringList {"Changes are Applied."});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Save"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Information);
        ExpectViewState(screen);
        const Stored row = Row(program);
        QVERIFY(PasswordHash::IsHash(row.pass.toString()));
        QVERIFY(StoredPasswordIs(program, stored));
        QCOMPARE(row.splash.toDouble(), 2500.5);
        QCOMPARE(row.welcomeTime.toDouble(), 0.0);
        QCOMPARE(row.viewe.toInt(), 2);
        QCOMPARE(row.welcome.toInt(), 0);

        screen->close();
        screen = program.Open<frmSetting>();
        QVERIFY(!Ticked(screen, "Check1"));
        QVERIFY(Ticked(screen, "opt_ce"));

        auto* login = program.registry.Show<frmLogin>();
        Find<QComboBox>(login, "cmb_as")->setEditText("Administrator");
        Field(login, "txt_pass")->clear();
        QTest::keyClicks(Field(login, "txt_pass"), typed);
        Click(login, "cmdOK");
        QVERIFY(program.registry.Find<frmDbase>());
    }

    void aStoredOptionOutsideOneToThreeShowsDefaultAndIsStoredAsThree_data()
    {
        QTest::addColumn<int>("viewe");
        QTest::newRow("0") << 0;
        QTest::newRow("7") << 7;
    }

    void aStoredOptionOutsideOneToThreeShowsDefaultAndIsStoredAsThree()
    {
        QFETCH(int, viewe);
        TestProgram program;
        program.CreateDatabase();
        program.Exec("UPDATE Custom SET Viewe = ?, Welcome = 0", {viewe});
        auto* screen = program.Open<frmSetting>();
        QVERIFY(Ticked(screen, "opt_def"));
        QVERIFY(!Ticked(screen, "Check1"));
        Click(screen, "cmd_Change");
        Click(screen, "cmd_apply");
        QCOMPARE(Row(program).viewe.toInt(), 3);
    }

    // The password applied in the same visit stays; the school's name and logo are never touched.
    void defaultsKeepThePasswordTheSchoolAndTheLogo()
    {
        TestProgram program;
        program.CreateDatabase();
        program.Exec("UPDATE Custom SET Dayslimit = 99, Salper = 1, Welcome = 0, Viewe = 1, "
                     "schName = 'Hillside College', Picture = '/logos/crest.png'");
        auto* screen = program.Open<frmSetting>();
        Click(screen, "cmd_Change");
        Retype(screen, "txt_pass1", "new one");
        Retype(screen, "txt_pass2", "new one");
        Retype(screen, "txt_splash", "5");
        Click(screen, "cmd_apply");
        Click(screen, "cmd_Change");
        Click(screen, "cmd_default");

        QCOMPARE(program.prompter.AskedTexts(), (QStringList {"Changes are Applied.", "Default Changes are Applied."}));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Save"));
        ExpectViewState(screen);
        QCOMPARE(TextOf(screen, "txt_splash"), QStringLiteral("2000"));
        QCOMPARE(TextOf(screen, "txt_welcome"), QStringLiteral("1000"));
        QVERIFY(Ticked(screen, "Check1"));
        QVERIFY(Ticked(screen, "opt_def"));
        QVariantList row = program.Query("SELECT Dayslimit, Fratepday, Maxhold, Pass, Refcopy, Salnew, Salper, "
                                         "Saltemp, Splashtime, Viewe, Welcometime, Welcome, schName, Picture "
                                         "FROM Custom")[0];
        QVERIFY(StoredPasswordIs(program, "new one"));
        row.removeAt(3);
        QCOMPARE(row,
                 (QVariantList {15.0, 1.0, 2.0, 2.0, 2000.0, 4500.0, 3000.0, 2000.0, 3, 1000.0, 1, "Hillside College",
                                "/logos/crest.png"}));
    }

    // Password boxes left empty keep the stored password; Default never
    // touches it, not even the spaces of a plain one kept by an older file.
    void thePasswordIsKeptUnlessANewOneIsTyped_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("apply") << "cmd_apply";
        QTest::newRow("defaults") << "cmd_default";
    }

    void thePasswordIsKeptUnlessANewOneIsTyped()
    {
        QFETCH(QString, button);
        TestProgram program;
        program.CreateDatabase();
        program.Exec("UPDATE Custom SET Pass = ' old one '");
        auto* screen = program.Open<frmSetting>();
        Click(screen, "cmd_Change");
        ExpectPasswordBoxesEmpty(screen);
        Retype(screen, "txt_splash", "3000");
        Click(screen, button);
        QCOMPARE(program.prompter.asked.size(), 1);
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Save"));
        QCOMPARE(Row(program).pass.toString(), QStringLiteral(" old one "));
        ExpectViewState(screen);
    }

    void thePeriodsInADayAreShownAndChanged()
    {
        TestProgram program;
        program.CreateDatabase();
        program.Exec("INSERT INTO ProgramSetting (Name, Value) VALUES ('PeriodsInDay', '6')");
        auto* screen = program.Open<frmSetting>();
        QCOMPARE(TextOf(screen, "txt_periods"), QStringLiteral("6"));
        Click(screen, "cmd_Change");
        Retype(screen, "txt_periods", "7");
        Click(screen, "cmd_apply");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"Changes are Applied."});
        QCOMPARE(PeriodsInDay(program), QStringLiteral("7"));
        Click(screen, "cmd_default");
        QCOMPARE(PeriodsInDay(program), QStringLiteral("7"));
        QCOMPARE(TextOf(screen, "txt_periods"), QStringLiteral("7"));
    }

    void periodsOutsideOneToEightAreRefused_data()
    {
        // clang-format off
        QTest::addColumn<QString>("typed");
        QTest::newRow("0") << "0";
        QTest::newRow("9") << "9";
        QTest::newRow("empty") << "";
        QTest::newRow("a fraction") << "6.5";
        QTest::newRow("letters") << "six";
        // clang-format on
    }

    void periodsOutsideOneToEightAreRefused()
    {
        QFETCH(QString, typed);
        TestProgram program;
        program.CreateDatabase();
        auto* screen = program.Open<frmSetting>();
        Click(screen, "cmd_Change");
        Retype(screen, "txt_periods", typed);
        Retype(screen, "txt_splash", "10");
        Click(screen, "cmd_apply");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"Periods in a day must be a whole number from 1 to 8."});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Improper value"));
        QCOMPARE(PeriodsInDay(program), QString());
        QCOMPARE(Row(program).splash.toDouble(), 2000.0);
        QVERIFY(Find(screen, "cmd_apply")->isEnabled());
    }

    // The term's first day and the limits: their defaults until set, read-only
    // until Change, applied with the other settings and shown on the next opening.
    void theTermAndTheLimitsAreShownAppliedAndKept()
    {
        TestProgram program;
        program.CreateDatabase();
        auto* screen = program.Open<frmSetting>();
        ExpectTermAndLimitsShown(screen, QDate(2026, 1, 1), "2", "5");
        QVERIFY(Term(screen)->calendarPopup());
        QVERIFY(Term(screen)->isReadOnly());
        QVERIFY(Field(screen, "txtDayLimit")->isReadOnly());
        QVERIFY(Field(screen, "txtWeekLimit")->isReadOnly());

        Click(screen, "cmd_Change");
        QVERIFY(!Term(screen)->isReadOnly());
        Term(screen)->setDate(QDate(2026, 9, 7));
        Retype(screen, "txtDayLimit", "3");
        Retype(screen, "txtWeekLimit", "8");
        Click(screen, "cmd_apply");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"Changes are Applied."});
        QCOMPARE(TermAndLimits(program), (QStringList {"2026-09-07", "3", "8"}));
        QVERIFY(Term(screen)->isReadOnly());

        screen->close();
        ExpectTermAndLimitsShown(program.Open<frmSetting>(), QDate(2026, 9, 7), "3", "8");
    }

    void theTermIsShownInTheShortDateFormWithTheWholeYear()
    {
        TestProgram program;
        program.CreateDatabase();
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        auto* screen = program.Open<frmSetting>();
        QLocale::setDefault(before);
        QCOMPARE(Term(screen)->displayFormat(), QStringLiteral("M/d/yyyy"));
        QCOMPARE(Term(screen)->text(), QStringLiteral("1/1/2026"));
    }

    void limitsOutsideTheirBoundsAreRefusedBeforeAnyWrite_data()
    {
        // clang-format off
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("week");
        QTest::addColumn<QString>("message");
        const QString dayRange = "Most reliefs a day must be from 1 to 40.";
        const QString weekRange = "Most reliefs a week must be from 1 to 40.";
        const QString fewer = "Most reliefs a week cannot be fewer than most reliefs a day.";
        QTest::newRow("day 0") << "0" << "5" << dayRange;
        QTest::newRow("day 41") << "41" << "45" << dayRange;
        QTest::newRow("day empty") << "" << "5" << dayRange;
        QTest::newRow("day a fraction") << "2.5" << "5" << dayRange;
        QTest::newRow("day in words") << "two" << "5" << dayRange;
        QTest::newRow("week 0") << "2" << "0" << weekRange;
        QTest::newRow("week 41") << "2" << "41" << weekRange;
        QTest::newRow("week fewer than day") << "6" << "5" << fewer;
        QTest::newRow("the edges") << "1" << "40" << "";
        QTest::newRow("week equal to day") << "7" << "7" << "";
        // clang-format on
    }

    void limitsOutsideTheirBoundsAreRefusedBeforeAnyWrite()
    {
        QFETCH(QString, day);
        QFETCH(QString, week);
        QFETCH(QString, message);
        TestProgram program;
        program.CreateDatabase();
        auto* screen = program.Open<frmSetting>();
        Click(screen, "cmd_Change");
        Retype(screen, "txt_splash", "10");
        Retype(screen, "txtDayLimit", day);
        Retype(screen, "txtWeekLimit", week);
        Click(screen, "cmd_apply");
        if (message.isEmpty()) {
            QCOMPARE(program.prompter.AskedTexts(), QStringList {"Changes are Applied."});
            QCOMPARE(TermAndLimits(program), (QStringList {"2026-01-01", day, week}));
            return;
        }
        QCOMPARE(program.prompter.AskedTexts(), QStringList {message});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Improper value"));
        QCOMPARE(program.prompter.Last().icon, MessageIcon::Information);
        ExpectNothingStoredAndStillModifying(program, screen);
    }

    // A refused write of the limits keeps the settings row and the other settings as they were.
    void theLimitsAreWrittenInTheSameTransaction()
    {
        TestProgram program;
        program.CreateDatabase();
        auto* screen = program.Open<frmSetting>();
        program.Exec("CREATE TRIGGER refuse BEFORE INSERT ON ProgramSetting WHEN NEW.Name = 'ReliefsPerWeek' "
                     "BEGIN SELECT RAISE(ABORT, 'limits are locked'); END");
        Click(screen, "cmd_Change");
        Retype(screen, "txt_splash", "10");
        Retype(screen, "txt_periods", "6");
        Term(screen)->setDate(QDate(2026, 9, 7));
        Click(screen, "cmd_apply");
        QCOMPARE(program.prompter.asked.size(), 1);
        QVERIFY2(program.prompter.Last().text.endsWith("limits are locked"), qPrintable(program.prompter.Last().text));
        ExpectNothingStoredAndStillModifying(program, screen);
    }

    // The first of January of the clock's year, 2 and 5, shown and stored.
    void defaultsSetTheTermAndTheLimits()
    {
        TestProgram program;
        program.CreateDatabase();
        program.clock.now = QDateTime(QDate(2031, 3, 4), QTime(9, 0));
        program.Exec("INSERT INTO ProgramSetting (Name, Value) VALUES ('TermStart', '2030-09-02'), "
                     "('ReliefsPerDay', '4'), ('ReliefsPerWeek', '12')");
        auto* screen = program.Open<frmSetting>();
        ExpectTermAndLimitsShown(screen, QDate(2030, 9, 2), "4", "12");
        Click(screen, "cmd_default");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"Default Changes are Applied."});
        ExpectTermAndLimitsShown(screen, QDate(2031, 1, 1), "2", "5");
        QCOMPARE(TermAndLimits(program), (QStringList {"2031-01-01", "2", "5"}));
    }

    // A row whose Key is 0 is shown but not changed, and the operator is told
    // so instead of hearing that changes were applied.
    void aRowWithKeyZeroIsShownButNeverChanged()
    {
        TestProgram program;
        program.CreateDatabase();
        program.Exec("UPDATE Custom SET Key = 0, Splashtime = 1234");
        auto* screen = program.Open<frmSetting>();
        QCOMPARE(TextOf(screen, "txt_splash"), QStringLiteral("1234"));
        Click(screen, "cmd_Change");
        Retype(screen, "txt_splash", "10");
        Click(screen, "cmd_apply");
        Click(screen, "cmd_default");

        const QString nothing = "Nothing was stored: the database holds no settings row with the Key 1.";
        QCOMPARE(program.prompter.AskedTexts(), (QStringList {nothing, nothing}));
        QCOMPARE(Row(program).splash.toDouble(), 1234.0);
        QVERIFY(Find(screen, "cmd_apply")->isEnabled());
    }

    void aRejectedStatementShowsTheNumberThenTheDescription_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("apply") << "cmd_apply";
        QTest::newRow("defaults") << "cmd_default";
    }

    void aRejectedStatementShowsTheNumberThenTheDescription()
    {
        QFETCH(QString, button);
        TestProgram program;
        program.CreateDatabase();
        auto* screen = program.Open<frmSetting>();
        program.Exec("CREATE TRIGGER refuse BEFORE UPDATE ON Custom "
                     "BEGIN SELECT RAISE(ABORT, 'settings are locked'); END");
        Click(screen, "cmd_Change");
        Click(screen, button);

        QCOMPARE(program.prompter.asked.size(), 1);
        const Question& shown = program.prompter.Last();
        QCOMPARE(shown.title, ApplicationTitle);
        QVERIFY2(QRegularExpression("^\\d+settings are locked$").match(shown.text).hasMatch(), qPrintable(shown.text));
        QVERIFY(Find(screen, "cmd_apply")->isEnabled());
    }

    void closingDiscardsWhatWasNotApplied()
    {
        TestProgram program;
        program.CreateDatabase();
        auto* screen = program.Open<frmSetting>();
        Click(screen, "cmd_Change");
        Retype(screen, "txt_splash", "1");
        Click(screen, "cmd_cancel");
        QCOMPARE(program.registry.Find<frmSetting>(), nullptr);
        QCOMPARE(Row(program).splash.toDouble(), 2000.0);
        QCOMPARE(TextOf(program.Open<frmSetting>(), "txt_splash"), QStringLiteral("2000"));
    }
};

QTEST_MAIN(tst_frmSetting)
#include "tst_frmSetting.moc"
