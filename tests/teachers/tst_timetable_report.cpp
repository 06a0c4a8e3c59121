#include "ConnectedProgram.h"
#include "ReportChecks.h"
#include "ScreenDriver.h"
#include "TeacherFixture.h"
#include "TestProgram.h"
#include "data/ProgramSettings.h"
#include "data/TeacherRow.h"
#include "report/ReportPreview.h"
#include "teachers/TimetableColours.h"
#include "teachers/frmDbase.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QTest>

namespace {
const QStringList Days = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
const QStringList DayLabels = {"Label1", "Label2", "Label4", "Label3", "Label5"};
const QStringList Periods = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th"};

QString ClassField(int slot)
{
    return QStringLiteral("Text%1").arg(slot + 1);
}

QString SubjectField(int slot)
{
    return QStringLiteral("Text%1").arg(slot == 0 ? 85 : slot + 45);
}

// Teachers 2, 1 and 10, stored in that order; teacher 10 has a timetable of its own.
QList<QStringList> ThreeTeachers()
{
    QStringList ten = Teacher(10, "Mrs.", "Anula Perera");
    ten[TeacherColumn::class1] = "9B";
    for (int slot = 0; slot < SlotCount; ++slot)
        SetSlot(ten, slot, QStringLiteral("C%1").arg(slot), QStringLiteral("S%1").arg(slot));
    SetSlot(ten, 1, "0", "0");
    SetSlot(ten, 9, "10A*", "Music*");
    return {Teacher(2), Teacher(1), ten};
}

ReportPreview* Preview(const QWidget* screen)
{
    return screen->findChild<ReportPreview*>("DR2");
}

QStringList Numbers(const LaidOutReport& report)
{
    QStringList numbers;
    for (const ReportPage& page : report.pages) {
        for (const ReportItem& item : Named(page, "Text43"))
            numbers << item.text;
    }
    return numbers;
}

bool Within(int value, const QRect& range, Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? value >= range.left() && value <= range.right()
                                         : value >= range.top() && value <= range.bottom();
}
}

class tst_timetable_report : public QObject {
    Q_OBJECT

private slots:
    void ttPrintShowsEveryTeachersBlockInNumberOrder()
    {
        TestProgram program;
        program.clock.now = QDateTime(QDate(2024, 2, 29), QTime(7, 30));
        program.CreateDatabase(ThreeTeachers());
        auto* screen = program.Open<frmDbase>();
        program.registry.SetSchool({"Royal Vale College", "N/A"});

        Click(screen, "Command4");

        ReportPreview* preview = Preview(screen);
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        const LaidOutReport& report = preview->Shown();
        QCOMPARE(report.pages.size(), 2);
        QCOMPARE(preview->findChild<QPrintPreviewWidget*>()->pageCount(), 2);
        QCOMPARE(Numbers(report), (QStringList {"1", "2", "10"}));
        VerifyWithinPages(report);

        const QStringList texts = Texts(report.pages[1]);
        QCOMPARE(texts.mid(0, 8),
                 (QStringList {"Personal Time Table -", "2024", "10", "Royal Vale College", "Mrs.", "Anula Perera",
                               "Class", "9B"}));
        QCOMPARE(texts.mid(8, 13), Days + Periods);
        QCOMPARE(texts.mid(texts.size() - 3), (QStringList {"* Group Subjects", "Signature", "Principal"}));
    }

    // Each slot's class stands over its subject, in its day's column and its period's row.
    void theGridHoldsEachSlotUnderItsDayAndBesideItsPeriod()
    {
        const QList<QStringList> teachers = ThreeTeachers();
        TestProgram program;
        program.CreateDatabase({teachers[2]});
        auto* screen = program.Open<frmDbase>();
        Click(screen, "Command4");
        const ReportPage& block = Preview(screen)->Shown().pages[0];

        QCOMPARE(Named(block, "Text2").at(0).text, QStringLiteral("0"));
        QCOMPARE(Named(block, "Text46").at(0).text, QStringLiteral("0"));
        QCOMPARE(Named(block, "Text10").at(0).text, QStringLiteral("10A*"));
        QCOMPARE(Named(block, "Text54").at(0).text, QStringLiteral("Music*"));
        for (int slot = 0; slot < SlotCount; ++slot) {
            const ReportItem classItem = Named(block, ClassField(slot)).at(0);
            const ReportItem subject = Named(block, SubjectField(slot)).at(0);
            if (slot != 1 && slot != 9) {
                QCOMPARE(classItem.text, QStringLiteral("C%1").arg(slot));
                QCOMPARE(subject.text, QStringLiteral("S%1").arg(slot));
            }
            QVERIFY(classItem.font.bold());
            QVERIFY(!subject.font.bold());
            QVERIFY(classItem.rect.bottom() < subject.rect.top());
            const QRect day = Named(block, DayLabels[slot / PeriodsPerDay]).at(0).rect;
            const QRect period = Named(block, QStringLiteral("Label%1").arg(7 + slot % PeriodsPerDay)).at(0).rect;
            for (const QRect& cell : {classItem.rect, subject.rect}) {
                QVERIFY(Within(cell.center().x(), day, Qt::Horizontal));
                QVERIFY(Within(cell.top(), period, Qt::Vertical));
                QVERIFY(Within(cell.bottom(), period, Qt::Vertical));
            }
        }
    }

    void theTeacherScreenStaysUsableAndAPressInEitherModeRebindsTheOnePreview()
    {
        TestProgram program;
        program.CreateDatabase(ThreeTeachers());
        auto* screen = program.Open<frmDbase>();
        Click(screen, "Command4");
        ReportPreview* preview = Preview(screen);
        QVERIFY(!preview->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(Texts(preview->Shown().pages[0]).at(3), QString());

        Click(screen, "cmdNext");
        QCOMPARE(TextOf(screen, "txtADNo"), QStringLiteral("2"));

        program.registry.SetSchool({"Hill Side School", "N/A"});
        program.prompter.PlanAnswer(Answer::Yes);
        Click(screen, "cmdUpdate");
        QVERIFY(Find(screen, "Command4")->isEnabled());
        Click(screen, "Command4");
        QCOMPARE(screen->findChildren<ReportPreview*>().size(), 1);
        QCOMPARE(Preview(screen), preview);
        QCOMPARE(Texts(preview->Shown().pages[0]).at(3), QStringLiteral("Hill Side School"));
    }

    void aDatabaseHeldByAnotherProgramIsReportedAndNothingIsShown()
    {
        TestProgram program;
        program.CreateDatabase(Teachers(3));
        auto* screen = program.Open<frmDbase>();
        {
            LockHolder lock(program.DatabasePath());
            Click(screen, "Command4");
        }
        QCOMPARE(Preview(screen), nullptr);
        QCOMPARE(program.prompter.asked.size(), 1);
        QVERIFY(program.prompter.Last().text.contains("cannot be read"));
    }

    void longNamesRenderToPdf()
    {
        QList<QStringList> teachers = ThreeTeachers();
        teachers[0][TeacherColumn::name1] = "Wickramasinghe-Jayawardena Kumarihamy Anula Seneviratne";
        teachers[0][TeacherColumn::class1] = "Grade 11 Commerce A";
        TestProgram program;
        program.CreateDatabase(teachers);
        auto* screen = program.Open<frmDbase>();
        program.registry.SetSchool({"Sri Sumangala Maha Vidyalaya and Junior School, Panadura", "N/A"});
        Click(screen, "Command4");
        const LaidOutReport& report = Preview(screen)->Shown();

        VerifyWithinPages(report);
        QVERIFY(WritePdf(report, program.folder.filePath("DR2.pdf")));
        QCOMPARE(PdfPageCount(program.folder.filePath("DR2.pdf")), 2);
    }

    // A school of six periods: the seventh and eighth of each day are greyed
    // boxes in their day's column and their period's row, with no text.
    void periodsPastTheSchoolDayArePrintedGreyAndEmpty()
    {
        ConnectedProgram fixture({ThreeTeachers()[2]});
        QVERIFY(ProgramSettings(fixture.connection).SetPeriodsInDay(6));
        auto* screen = fixture.program.Open<frmDbase>();
        Click(screen, "Command4");
        const LaidOutReport& report = Preview(screen)->Shown();
        const ReportPage& block = report.pages[0];

        const QList<ReportItem> greyed = Named(block, "NoPeriod");
        QCOMPARE(greyed.size(), 10);
        int next = 0;
        for (int slot = 0; slot < SlotCount; ++slot) {
            const bool period = slot % PeriodsPerDay < 6;
            QCOMPARE(Named(block, ClassField(slot)).size(), period ? 1 : 0);
            QCOMPARE(Named(block, SubjectField(slot)).size(), period ? 1 : 0);
            if (period)
                continue;
            const ReportItem& box = greyed[next++];
            QCOMPARE(box.kind, ReportItem::Kind::Image);
            QCOMPARE(box.image.pixelColor(0, 0), NoPeriodBackground);
            const QRect day = Named(block, DayLabels[slot / PeriodsPerDay]).at(0).rect;
            const QRect row = Named(block, QStringLiteral("Label%1").arg(7 + slot % PeriodsPerDay)).at(0).rect;
            QVERIFY(Within(box.rect.center().x(), day, Qt::Horizontal));
            QVERIFY(Within(box.rect.center().y(), row, Qt::Vertical));
        }
        QVERIFY(!Texts(block).contains("C6"));
        QVERIFY(WritePdf(report, fixture.program.folder.filePath("DR2.pdf")));
    }
};

QTEST_MAIN(tst_timetable_report)
#include "tst_timetable_report.moc"
