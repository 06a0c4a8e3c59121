#include "ScreenDriver.h"
#include "TestFiles.h"
#include "TestProgram.h"
#include "admin/frmLogin.h"
#include "data/FieldLimits.h"
#include "data/PasswordHash.h"
#include "relief/ReliefReport.h"
#include "teachers/frmDbase.h"
#include "ui/LockableComboBox.h"
#include "ui/Twips.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

// The login and the school's identity: who may enter, and the school name
// and logo handed to the teacher screen.
class tst_frmLogin : public QObject {
    Q_OBJECT

    static inline const QString WaitOneSecond = QStringLiteral("Too many wrong passwords: try again in 1 second.");
    static inline const QString WaitSeconds = QStringLiteral("Too many wrong passwords: try again in %1 seconds.");

    static frmLogin* OpenLogin(TestProgram& program, const QString& school = "Hillside College")
    {
        program.CreateDatabase();
        program.Exec("UPDATE Custom SET schName = ?", {school});
        return program.registry.Show<frmLogin>();
    }

    // The role is typed into the box, as the operator types it in the active screen.
    static void EnterAs(QWidget* login, const QString& role, const QString& password)
    {
        QVERIFY(QTest::qWaitForWindowActive(login));
        auto* roles = Find<QComboBox>(login, "cmb_as");
        roles->setFocus();
        roles->clearEditText();
        QTest::keyClicks(roles, role);
        auto* box = Find<QLineEdit>(login, "txt_pass");
        box->clear();
        QTest::keyClicks(box, password);
    }

    static bool Shown(const QWidget* login, const QString& name) { return Find(login, name)->isVisible(); }

    // The screen's height and its login frame's height, in twips as given.
    static void ExpectSize(const QWidget* login, int height, int frameHeight)
    {
        QCOMPARE(login->height(), Twips(height));
        QCOMPARE(Find(login, "Shape1")->height(), Twips(frameHeight));
        const bool extended = height > 3990;
        QCOMPARE(Shown(login, "Shape2"), extended);
        QCOMPARE(Shown(login, "Command7"), extended);
        QCOMPARE(Shown(login, "Label8"), extended);
        QCOMPARE(Shown(login, "Command1"), !extended);
        QCOMPARE(Shown(login, "Label5"), !extended);
    }

    static QString WritePicture(const TestProgram& program, const QString& name)
    {
        QImage logo(40, 40, QImage::Format_RGB32);
        logo.fill(Qt::darkGreen);
        const QString path = program.folder.filePath(name);
        logo.save(path);
        return path;
    }

    static bool ShowsLogo(const QWidget* login) { return !Find<QLabel>(login, "Image4")->pixmap().isNull(); }

    // A FIFO blocks whoever opens it until a writer comes: read as a logo, it
    // would hold the program for good.
    static QString MakeFifo(const TestProgram& program, const QString& name)
    {
        const QString path = program.folder.filePath(name);
        if (mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            QTest::qFail("mkfifo failed", __FILE__, __LINE__);
        return path;
    }

    static QString MakeHugeFile(const TestProgram& program, const QString& name)
    {
        const QString path = WritePicture(program, name);
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite) || !file.resize(10 * 1024 * 1024 + 1))
            QTest::qFail("cannot grow the file", __FILE__, __LINE__);
        return path;
    }

    static QString StoredPassword(const TestProgram& program)
    {
        return program.Query("SELECT Pass FROM Custom")[0][0].toString();
    }

    // The operator's message after trying a password at OK; none after a login.
    static QString TryPassword(TestProgram& program, QWidget* login, const QString& password)
    {
        const qsizetype before = program.prompter.asked.size();
        auto* box = Find<QLineEdit>(login, "txt_pass");
        box->setText(password);
        Click(login, "cmdOK");
        return program.prompter.asked.size() > before ? program.prompter.Last().text : QString();
    }

    // Three wrong passwords in a row, each refused: the next try must wait.
    static void GiveThreeWrongPasswords(TestProgram& program, QWidget* login)
    {
        for (int wrong = 0; wrong < 3; ++wrong)
            QCOMPARE(TryPassword(program, login, "guess"), QStringLiteral("Invalid password."));
    }

private slots:
    void opensCollapsedAndExtendsOnMore()
    {
        TestProgram program;
        auto* login = OpenLogin(program);
        QCOMPARE(login->windowTitle(), QStringLiteral("Login"));
        ExpectSize(login, 3990, 3735);
        auto* role = Find<LockableComboBox>(login, "cmb_as");
        QCOMPARE(role->currentText(), QStringLiteral("Enter as"));
        QVERIFY(!role->IsLocked());
        auto* password = Find<QLineEdit>(login, "txt_pass");
        QCOMPARE(password->text(), QStringLiteral("Password"));
        QCOMPARE(password->displayText(), QStringLiteral("********"));
        QCOMPARE(password->maxLength(), 20);
        QCOMPARE(TextOf(login, "Label4"),
                 QStringLiteral("Specify option for enterring in Morvane and enter "
                                "password,Specify User name for Users."));
        QVERIFY(!Shown(login, "txt_uname"));
        QVERIFY(!Find(login, "cmd_apply")->isEnabled());
        QVERIFY(Find<QLineEdit>(login, "txtSchoolName")->isReadOnly());

        Click(login, "Command1");
        ExpectSize(login, 7020, 3979);
        QVERIFY(!Find(login, "Command5")->isEnabled());
        QVERIFY(!Find(login, "Command6")->isEnabled());
        QCOMPARE(TextOf(login, "txtSchoolName"), QStringLiteral("Hillside College"));
        Click(login, "Command7");
        ExpectSize(login, 3990, 3735);
    }

    void okChecksInOrder_data()
    {
        // clang-format off
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("loggedIn");
        QTest::newRow("password missing") << "Administrator" << "" << "Please enter password." << "Password missing"
                                          << false;
        QTest::newRow("wrong case") << "Administrator" << "Admin" << "Invalid password." << "Acess Denied" << false;
        QTest::newRow("trailing space") << "Administrator" << "admin " << "Invalid password." << "Acess Denied"
                                        << false;
        QTest::newRow("a role typed by hand") << "administrator" << "admin" << "" << "" << false;
        QTest::newRow("the role's first letter") << "A" << "admin" << "" << "" << false;
        QTest::newRow("the role's beginning") << "Adm" << "admin" << "" << "" << false;
        QTest::newRow("the password") << "Administrator" << "admin" << "" << "" << true;
        QTest::newRow("the password and Enter") << "Administrator" << "admin" << "" << "" << true;
        // clang-format on
    }

    void okChecksInOrder()
    {
        QFETCH(QString, role);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(bool, loggedIn);
        TestProgram program;
        auto* login = OpenLogin(program);
        EnterAs(login, role, password);
        if (QTest::currentDataTag() == QLatin1String("the password and Enter"))
            QTest::keyClick(Find(login, "txt_pass"), Qt::Key_Return);
        else
            Click(login, "cmdOK");

        QCOMPARE(program.prompter.AskedTexts(), message.isEmpty() ? QStringList() : QStringList {message});
        if (!message.isEmpty()) {
            QCOMPARE(program.prompter.Last().title, title);
            QCOMPARE(program.prompter.Last().icon, MessageIcon::Information);
        }
        if (title == "Acess Denied")
            QCOMPARE(TextOf(login, "txt_pass"), QString());
        QCOMPARE(program.registry.Find<frmLogin>() == nullptr, loggedIn);
        QCOMPARE(program.registry.Find<frmDbase>() != nullptr, loggedIn);
    }

    // Another program holding the file past the wait: the failure is told in
    // words, and nobody is let in.
    void aPasswordThatCannotBeReadLetsNobodyIn()
    {
        TestProgram program;
        auto* login = OpenLogin(program);
        EnterAs(login, "Administrator", "admin");
        {
            LockHolder lock(program.DatabasePath());
            Click(login, "cmdOK");
        }
        QCOMPARE(program.prompter.asked.size(), 1);
        QCOMPARE(program.prompter.Last().text,
                 QStringLiteral("The database is in use by another program: nothing was saved, try again."));
        QCOMPARE(TextOf(login, "txt_pass"), QString());
        QVERIFY(!program.registry.Find<frmDbase>());
    }

    // A file of an older build keeps its password as plain text: the first
    // login that gives it stores its hash, and the plain text is gone from the file.
    void aPlainPasswordIsStoredHashedByItsFirstLogin()
    {
        TestProgram program;
        auto* login = OpenLogin(program);
        program.Exec("UPDATE Custom SET Pass = 'old secret'");
        EnterAs(login, "Administrator", "Old secret");
        Click(login, "cmdOK");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"Invalid password."});
        QCOMPARE(StoredPassword(program), QStringLiteral("old secret"));

        QCOMPARE(TryPassword(program, login, "old secret"), QString());
        QVERIFY(program.registry.Find<frmDbase>());
        const QString stored = StoredPassword(program);
        QVERIFY(PasswordHash::IsHash(stored));
        QCOMPARE(PasswordHash::Verify(stored, "old secret"), PasswordHash::Check::Right);
        QVERIFY(!ReadFile(program.DatabasePath()).contains("old secret"));
    }

    // A stored text that is neither a sound hash nor a password that can be
    // typed lets nobody in, even typed as it stands.
    void aStoredTextThatIsNoPasswordLetsNobodyIn_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("typed");
        QTest::newRow("a broken hash") << QVariant("$argon2id$broken") << "$argon2id$broken";
        QTest::newRow("a hash cut short") << QVariant(PasswordHash::Hash("admin").chopped(4)) << "admin";
        QTest::newRow("empty") << QVariant("") << "Password";
        QTest::newRow("null") << QVariant() << "Password";
    }

    void aStoredTextThatIsNoPasswordLetsNobodyIn()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, typed);
        TestProgram program;
        auto* login = OpenLogin(program);
        program.Exec("UPDATE Custom SET Pass = ?", {stored});
        EnterAs(login, "Administrator", "");
        QCOMPARE(TryPassword(program, login, typed), QStringLiteral("Invalid password."));
        QVERIFY(!program.registry.Find<frmDbase>());
    }

    // After three wrong passwords in a row each try waits 1 s, then 2, 4, 8,
    // up to 30 s after the last wrong one; a try refused for waiting is not
    // checked and does not count.
    void wrongPasswordsInARowMakeTheNextTryWait()
    {
        TestProgram program;
        auto* login = OpenLogin(program);
        EnterAs(login, "Administrator", "");
        const QString invalid = "Invalid password.";
        GiveThreeWrongPasswords(program, login);
        QCOMPARE(TryPassword(program, login, "admin"), WaitOneSecond);
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Acess Denied"));
        QCOMPARE(TextOf(login, "txt_pass"), QString());

        program.clock.now = program.clock.now.addSecs(1);
        QCOMPARE(TryPassword(program, login, "guess"), invalid);
        for (const int wait : {2, 4, 8, 16, 30, 30}) {
            QCOMPARE(TryPassword(program, login, "admin"), WaitSeconds.arg(wait));
            program.clock.now = program.clock.now.addMSecs(wait * 1000 - 1);
            QCOMPARE(TryPassword(program, login, "admin"), WaitOneSecond);
            program.clock.now = program.clock.now.addMSecs(1);
            QCOMPARE(TryPassword(program, login, "guess"), invalid);
        }
        program.clock.now = program.clock.now.addSecs(30);
        QCOMPARE(TryPassword(program, login, "admin"), QString());
        QVERIFY(program.registry.Find<frmDbase>());
    }

    // The count and the time of the last wrong password are kept in the file:
    // a new start waits as the last one would have; a right password ends the waiting.
    void theWaitOutlastsARestartAndARightPasswordEndsIt()
    {
        TestProgram program;
        auto* login = OpenLogin(program);
        EnterAs(login, "Administrator", "");
        GiveThreeWrongPasswords(program, login);
        program.clock.now = program.clock.now.addSecs(1);
        QCOMPARE(TryPassword(program, login, "guess"), QStringLiteral("Invalid password."));
        program.CloseScreens();

        auto again = program.Restart();
        login = again->Show<frmLogin>();
        EnterAs(login, "Administrator", "");
        QCOMPARE(TryPassword(program, login, "admin"), WaitSeconds.arg(2));
        program.clock.now = program.clock.now.addSecs(2);
        QCOMPARE(TryPassword(program, login, "admin"), QString());
        EndProgram(*again);

        auto third = program.Restart();
        login = third->Show<frmLogin>();
        EnterAs(login, "Administrator", "");
        GiveThreeWrongPasswords(program, login);
        QCOMPARE(TryPassword(program, login, "admin"), WaitOneSecond);
        EndProgram(*third);
    }

    // A clock set back before the last wrong password counts as no time
    // passed: the whole wait runs from then, and then ends.
    void aClockSetBackNeitherEndsNorProlongsTheWait()
    {
        TestProgram program;
        auto* login = OpenLogin(program);
        EnterAs(login, "Administrator", "");
        GiveThreeWrongPasswords(program, login);
        program.clock.now = program.clock.now.addDays(-1);
        QCOMPARE(TryPassword(program, login, "admin"), WaitOneSecond);
        program.clock.now = program.clock.now.addMSecs(999);
        QCOMPARE(TryPassword(program, login, "admin"), WaitOneSecond);
        program.clock.now = program.clock.now.addMSecs(1);
        QCOMPARE(TryPassword(program, login, "admin"), QString());
        QVERIFY(program.registry.Find<frmDbase>());
    }

    void aStoredPasswordOfPasswordLetsInWithoutTyping()
    {
        TestProgram program;
        auto* login = OpenLogin(program);
        program.Exec("UPDATE Custom SET Pass = 'Password'");
        Find<QComboBox>(login, "cmb_as")->setEditText("Administrator");
        Click(login, "cmdOK");
        QVERIFY(program.registry.Find<frmDbase>());
    }

    void aKeyOfZeroFixesTheRole()
    {
        TestProgram program;
        program.CreateDatabase();
        program.Exec("UPDATE Custom SET Key = 0");
        auto* login = program.registry.Show<frmLogin>();
        auto* role = Find<LockableComboBox>(login, "cmb_as");
        QCOMPARE(role->currentText(), QStringLiteral("Administrator"));
        QVERIFY(role->IsLocked());
        QVERIFY(!Find(login, "txt_uname")->isEnabled());
    }

    void choosingTheRoleMovesToThePassword()
    {
        TestProgram program;
        auto* login = OpenLogin(program);
        auto* role = Find<QComboBox>(login, "cmb_as");
        role->setCurrentIndex(0);
        emit role->activated(0);
        QCOMPARE(login->focusWidget(), Find(login, "txt_pass"));
        QVERIFY(!Find(login, "txt_uname")->isEnabled());
        QCOMPARE(TextOf(login, "txt_uname"), QString());
    }

    // First start: the school must be named before anyone logs in; the name
    // then reaches the teacher screen.
    void theFirstStartAsksForTheSchoolName()
    {
        TestProgram program;
        auto* login = OpenLogin(program, frmLogin::UnnamedSchool);
        EnterAs(login, "Administrator", "admin");
        Click(login, "cmdOK");
        QCOMPARE(program.prompter.AskedTexts(), QStringList {"Please Change, Correct School Name and Address"});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Invalid School Name"));
        ExpectSize(login, 7020, 3979);
        QVERIFY(!program.registry.Find<frmDbase>());

        Click(login, "cmd_Change");
        auto* name = Find<QLineEdit>(login, "txtSchoolName");
        QVERIFY(!name->isReadOnly());
        QCOMPARE(name->selectedText(), frmLogin::UnnamedSchool);
        for (const char* disabled : {"cmdOK", "cmd_Change", "Command7"})
            QVERIFY(!Find(login, disabled)->isEnabled());
        for (const char* enabled : {"cmd_apply", "Command5", "Command6"})
            QVERIFY(Find(login, enabled)->isEnabled());

        name->setText("   ");
        Click(login, "cmd_apply");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("Enter Correct School Name"));
        QCOMPARE(program.prompter.Last().title, ApplicationTitle);
        QCOMPARE(program.prompter.Last().icon, MessageIcon::None);
        QCOMPARE(name->text(), QString());
        QVERIFY(Find(login, "cmd_apply")->isEnabled());

        QTest::keyClicks(name, "Hillside College");
        Click(login, "cmd_apply");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("Record Added Successfusly!"));
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Add Record"));
        ExpectSize(login, 3990, 2206);
        QVERIFY(name->isReadOnly());
        QVERIFY(Find(login, "cmdOK")->isEnabled());
        QVERIFY(!Find(login, "cmd_apply")->isEnabled());
        QCOMPARE(program.Query("SELECT schName, Picture FROM Custom")[0], (QVariantList {"Hillside College", "N/A"}));

        Click(login, "cmdOK");
        auto* teachers = program.registry.Find<frmDbase>();
        QVERIFY(teachers);
        QCOMPARE(program.registry.school().name, QStringLiteral("Hillside College"));
        QCOMPARE(TextOf(teachers, "Label25"), QStringLiteral("Hillside College"));
        QCOMPARE(program.registry.school().logoPath, QStringLiteral("N/A"));
    }

    // A logo that is missing or not a picture shows nothing and fails nothing.
    void theStoredLogoIsShownOnlyWhenItIsAPicture_data()
    {
        // clang-format off
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("shown");
        QTest::newRow("a picture") << "crest.png" << true;
        QTest::newRow("none") << "" << false;
        QTest::newRow("N/A") << "N/A" << false;
        QTest::newRow("missing") << "gone.png" << false;
        QTest::newRow("not a picture") << "teacherdb2.mdb" << false;
        QTest::newRow("a FIFO") << "crest.fifo" << false;
        QTest::newRow("over 10 MB") << "huge.png" << false;
        QTest::newRow("a folder") << "." << false;
        // clang-format on
    }

    void theStoredLogoIsShownOnlyWhenItIsAPicture()
    {
        QFETCH(QString, file);
        QFETCH(bool, shown);
        TestProgram program;
        program.CreateDatabase();
        WritePicture(program, "crest.png");
        MakeFifo(program, "crest.fifo");
        MakeHugeFile(program, "huge.png");
        const QString path = file.isEmpty() || file == "N/A" ? file : program.folder.filePath(file);
        program.Exec("UPDATE Custom SET schName = 'Hillside College', Picture = ?", {path});
        auto* login = program.registry.Show<frmLogin>();
        Click(login, "Command1");
        QCOMPARE(ShowsLogo(login), shown);
        QVERIFY(program.prompter.asked.isEmpty());

        EnterAs(login, "Administrator", "admin");
        Click(login, "cmdOK");
        QCOMPARE(program.registry.school().logoPath, path);
    }

    void aLogoIsChosenThroughTheFileDialogAndCleared()
    {
        TestProgram program;
        auto* login = OpenLogin(program);
        const QString logo = WritePicture(program, "crest.png");
        Click(login, "Command1");
        Click(login, "cmd_Change");

        program.prompter.PlanFile(logo);
        Click(login, "Command5");
        QCOMPARE(program.prompter.filesAsked.size(), 1);
        QVERIFY(program.prompter.filesAsked[0].title.contains("*.jpg"));
        QCOMPARE(TextOf(login, "lblPicture"), logo);
        QVERIFY(ShowsLogo(login));

        program.prompter.PlanFile(QString());
        Click(login, "Command5");
        QCOMPARE(TextOf(login, "lblPicture"), logo);

        Click(login, "cmd_apply");
        QCOMPARE(program.Query("SELECT Picture FROM Custom")[0][0].toString(), logo);

        Click(login, "Command1");
        Click(login, "cmd_Change");
        Click(login, "Command6");
        QCOMPARE(TextOf(login, "lblPicture"), QString());
        QVERIFY(!ShowsLogo(login));
        Click(login, "cmd_apply");
        QCOMPARE(program.Query("SELECT Picture FROM Custom")[0][0].toString(), QString());
    }

    // A path typed into the file dialog may name anything: only a regular
    // file of at most 10 MB is taken, anything else changes nothing.
    void theLogoDialogTakesOnlyARegularFileOfAFewMegabytes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("a FIFO") << "crest.fifo";
        QTest::newRow("over 10 MB") << "huge.png";
        QTest::newRow("a folder") << ".";
    }

    void theLogoDialogTakesOnlyARegularFileOfAFewMegabytes()
    {
        QFETCH(QString, file);
        TestProgram program;
        auto* login = OpenLogin(program);
        MakeFifo(program, "crest.fifo");
        MakeHugeFile(program, "huge.png");
        Click(login, "Command1");
        Click(login, "cmd_Change");
        program.prompter.PlanFile(program.folder.filePath(file));
        Click(login, "Command5");
        QCOMPARE(program.prompter.AskedTexts(),
                 QStringList {"The school logo must be a picture file of at most 10 MB."});
        QCOMPARE(TextOf(login, "lblPicture"), QStringLiteral("N/A"));
        QVERIFY(!ShowsLogo(login));
    }

    void aSchoolNameOverTheLimitIsRefused()
    {
        TestProgram program;
        auto* login = OpenLogin(program);
        Click(login, "Command1");
        Click(login, "cmd_Change");
        auto* name = Find<QLineEdit>(login, "txtSchoolName");
        name->setText(QString(MaxSchoolName + 1, 'x'));
        Click(login, "cmd_apply");
        QCOMPARE(program.prompter.AskedTexts(),
                 QStringList {"The school name takes at most 200 characters; this one has 201."});
        QCOMPARE(program.prompter.Last().title, QStringLiteral("Invalid School Name"));
        QVERIFY(Find(login, "cmd_apply")->isEnabled());
        QCOMPARE(program.Query("SELECT schName FROM Custom")[0][0].toString(), QStringLiteral("Hillside College"));

        name->setText(QString(MaxSchoolName, 'x'));
        Click(login, "cmd_apply");
        QCOMPARE(program.prompter.Last().text, QStringLiteral("Record Added Successfusly!"));
        QCOMPARE(program.Query("SELECT schName FROM Custom")[0][0].toString(), QString(MaxSchoolName, 'x'));
    }

    // Whatever an older file holds, the school the reports are headed with
    // stays bounded, and a logo that would block is no logo.
    void theSchoolHandedOverKeepsTheReportsBounded()
    {
        TestProgram program;
        program.CreateDatabase();
        program.Exec("UPDATE Custom SET schName = ?, Picture = ?",
                     {QString(32767, 'x'), MakeFifo(program, "crest.fifo")});
        auto* login = program.registry.Show<frmLogin>();
        Click(login, "Command1");
        QVERIFY(!ShowsLogo(login));
        EnterAs(login, "Administrator", "admin");
        Click(login, "cmdOK");
        auto* teachers = program.registry.Find<frmDbase>();
        QVERIFY(teachers);
        QCOMPARE(program.registry.school().name.size(), MaxSchoolName);

        const Report report = ReliefTeachersList({}, program.registry.school(), program.clock.Today());
        QCOMPARE(report.reportHeader.items.first().name, QStringLiteral("Label16"));
        QCOMPARE(report.reportHeader.items.first().text.size(), MaxSchoolName);
    }

    void cancelOrClosingTheWindowEndsTheProgram_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }

    void cancelOrClosingTheWindowEndsTheProgram()
    {
        QFETCH(bool, closeBox);
        TestProgram program;
        auto* login = OpenLogin(program);
        QSignalSpy ended(&program.registry, &ScreenRegistry::programEnded);
        if (closeBox)
            login->close();
        else
            Click(login, "cmdCancel");
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), 0);
        QCOMPARE(program.registry.Find<frmLogin>(), nullptr);
        QCOMPARE(program.registry.Find<frmDbase>(), nullptr);
    }
};

QTEST_MAIN(tst_frmLogin)
#include "tst_frmLogin.moc"
