#include "attendance/AttendanceDay.h"
#include "data/Slot.h"
#include "relief/ReliefColours.h"
#include "relief/ReliefList.h"

#include <QTest>

namespace {
// A teacher working in every slot but the given ones.
TeacherTimetable Timetable(int number, QList<int> offSlots = {}, const QString& name = {})
{
    QStringList classes(SlotCount, QStringLiteral("9B"));
    for (int slot : offSlots)
        classes[slot] = OffPeriod;
    return {QString::number(number),
            name.isEmpty() ? QStringLiteral("T%1").arg(number) : name,
            QStringLiteral("Maths"),
            classes,
            {}};
}

AttendanceDay Day(const QList<std::pair<bool, TeacherKind>>& boxes)
{
    QList<AttendanceDay::Teacher> teachers;
    for (int box = 0; box < boxes.size(); ++box)
        teachers << AttendanceDay::Teacher {box + 1, "Mr.", QStringLiteral("T%1").arg(box + 1), boxes[box].second,
                                            boxes[box].first};
    AttendanceDay day;
    day.Bind(teachers);
    return day;
}

QStringList Numbers(const QList<ReliefCandidate>& candidates)
{
    QStringList numbers;
    for (const ReliefCandidate& candidate : candidates)
        numbers << candidate.number;
    return numbers;
}

constexpr auto On = TeacherKind::ReliefOn;
}

// The relief list's computation, without a database or a screen.
class tst_ReliefList : public QObject {
    Q_OBJECT

private slots:
    void theScanKeepsPresentTeachersOnReliefDutyWhoAreOffInTheSlot()
    {
        const int slot = 18; // Wednesday, 3rd period
        QList<TeacherTimetable> teachers = {Timetable(1, {slot}), Timetable(2, {slot}), Timetable(3, {slot}),
                                            Timetable(4, {slot}), Timetable(5, {}),     Timetable(6, {slot}),
                                            Timetable(7, {slot}), Timetable(8, {slot})};
        teachers[6].classes[slot] = QString(); // an empty cell is no free period
        teachers[7].classes[slot] = QStringLiteral(" 0");
        const AttendanceDay day = Day({{true, On},
                                       {false, On},
                                       {true, TeacherKind::ReliefFree},
                                       {true, TeacherKind::SubstitutionAttach},
                                       {true, On},
                                       {true, On},
                                       {true, On},
                                       {true, On}});
        const QList<ReliefCandidate> found = ScanCandidates(teachers, day, slot, QStringLiteral("3rd"));
        QCOMPARE(Numbers(found), QStringList({"1", "6"}));
        QCOMPARE(found[0].slotKey, QStringLiteral("3rdT1"));
        QCOMPARE(found[0].subject, QStringLiteral("Maths"));
    }

    void totalFreeCountsTheOffPeriodsOfTheLessonsDay()
    {
        const QList<TeacherTimetable> teachers = {Timetable(1, {16, 17, 18, 23, 2, 39})};
        const QList<ReliefCandidate> found = ScanCandidates(teachers, Day({{true, On}}), 18, QStringLiteral("3rd"));
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].totalFree, 4);
    }

    // The key holds no day: a teacher sent to the 3rd period of one day is not
    // offered for the 3rd period of any day, but still for the 4th.
    void pruningDropsTeachersAlreadyAssignedInThePeriod()
    {
        const QList<TeacherTimetable> teachers = {Timetable(1, {2, 3, 34}), Timetable(2, {2, 3, 34})};
        const AttendanceDay day = Day({{true, On}, {true, On}});
        const QStringList keys = {"3rdT1"};
        QCOMPARE(Numbers(PruneAssigned(ScanCandidates(teachers, day, 2, "3rd"), keys)), QStringList({"2"}));
        QCOMPARE(Numbers(PruneAssigned(ScanCandidates(teachers, day, 34, "3rd"), keys)), QStringList({"2"}));
        QCOMPARE(Numbers(PruneAssigned(ScanCandidates(teachers, day, 3, "4th"), keys)), QStringList({"1", "2"}));
        QCOMPARE(Numbers(PruneAssigned(ScanCandidates(teachers, day, 2, "3rd"), {"3rdt1", "3rd T1"})),
                 QStringList({"1", "2"}));
        // A name stored with spaces around it is the name the list showed.
        const QList<TeacherTimetable> spaced = {Timetable(1, {2}, " Ann ")};
        QCOMPARE(PruneAssigned(ScanCandidates(spaced, Day({{true, On}}), 2, "3rd"), {SlotKey("3rd", "Ann")}).size(), 0);
    }

    // The board may have been opened before a teacher was deleted or added:
    // each teacher takes the presence of the box with his number.
    void theScanPairsTeachersWithTheirOwnBoxes()
    {
        const QList<TeacherTimetable> teachers = {Timetable(1, {2}), Timetable(3, {2}), Timetable(4, {2})};
        const AttendanceDay day = Day({{true, On}, {true, On}, {false, On}});
        QCOMPARE(Numbers(ScanCandidates(teachers, day, 2, "3rd")), QStringList({"1"}));
    }

    void freeIsWhatIsLeftAfterTheReliefsOfTheSet_data()
    {
        QTest::addColumn<int>("totalFree");
        QTest::addColumn<int>("reliefs");
        QTest::addColumn<int>("free");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("totalFreeColour");
        const QColor black(Qt::black);
        QTest::newRow("4 free") << 4 << 0 << 4 << black << black;
        QTest::newRow("3 free") << 3 << 0 << 3 << ThreeFreeColour << black;
        QTest::newRow("2 free") << 2 << 0 << 2 << TwoFreeColour << black;
        QTest::newRow("1 free") << 1 << 0 << 1 << OneFreeColour << black;
        QTest::newRow("3 free, 2 given") << 3 << 2 << 1 << OneFreeColour << AlreadyRelievesColour;
        QTest::newRow("none left") << 2 << 2 << 0 << black << AlreadyRelievesColour;
        QTest::newRow("below none") << 1 << 3 << -2 << black << AlreadyRelievesColour;
    }

    void freeIsWhatIsLeftAfterTheReliefsOfTheSet()
    {
        QFETCH(int, totalFree);
        QFETCH(int, reliefs);
        QFETCH(int, free);
        QFETCH(QColor, colour);
        QFETCH(QColor, totalFreeColour);
        const ReliefCandidate candidate {"3rdT7", "7", "T7", "Art", totalFree};
        // Rows without a chosen relief, and other teachers' rows, count for nobody.
        QStringList reliefNumbers = {QString(), "17", "70"};
        for (int i = 0; i < reliefs; ++i)
            reliefNumbers << "7";
        const QList<ReliefListRow> rows = FillRows({candidate}, false, reliefNumbers);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].totalFree, totalFree);
        QCOMPARE(rows[0].free, free);
        QCOMPARE(rows[0].colour, colour);
        QCOMPARE(rows[0].totalFreeColour, totalFreeColour);
    }

    void textsAreTrimmedOnlyWhileNobodyIsAssigned()
    {
        const ReliefCandidate candidate {"1st Ann ", " 7 ", " Ann ", " Art ", 2};
        const ReliefListRow trimmed = FillRows({candidate}, true, {"7"})[0];
        QCOMPARE(QStringList({trimmed.number, trimmed.name, trimmed.subject}), QStringList({"7", "Ann", "Art"}));
        QCOMPARE(trimmed.free, 1);
        const ReliefListRow kept = FillRows({candidate}, false, {"7"})[0];
        QCOMPARE(QStringList({kept.number, kept.name, kept.subject}), QStringList({" 7 ", " Ann ", " Art "}));
        QCOMPARE(kept.free, 2);
    }

    void oneBlockHoldsThirtyThreeCandidates()
    {
        QCOMPARE(ReliefListWidthTwips(0), 7740);
        QCOMPARE(ReliefListWidthTwips(33), 7740);
        QCOMPARE(ReliefListWidthTwips(34), 15210);
        QCOMPARE(ReliefListWidthTwips(90), 15210);
    }

    // A school of six periods: nobody is offered for the 7th, and Total Free
    // counts the six periods only.
    void periodsAfterTheSchoolsLastAreNeitherOfferedNorCounted_data()
    {
        QTest::addColumn<int>("periodsInDay");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<int>("totalFree");
        QTest::newRow("eight periods, 7th") << 8 << 6 << QStringList {"1"} << 4;
        QTest::newRow("six periods, 7th") << 6 << 6 << QStringList {} << 0;
        QTest::newRow("six periods, 5th") << 6 << 4 << QStringList {"1"} << 2;
        QTest::newRow("one period, Tuesday 1st") << 1 << 8 << QStringList {"1"} << 1;
        QTest::newRow("one period, Tuesday 2nd") << 1 << 9 << QStringList {} << 0;
    }

    void periodsAfterTheSchoolsLastAreNeitherOfferedNorCounted()
    {
        QFETCH(int, periodsInDay);
        QFETCH(int, slot);
        QFETCH(QStringList, offered);
        QFETCH(int, totalFree);
        const QList<TeacherTimetable> teachers = {Timetable(1, {4, 5, 6, 7, 8, 9})};
        const QList<ReliefCandidate> found = ScanCandidates(teachers, Day({{true, On}}), slot, PeriodName(slot),
                                                            periodsInDay);
        QCOMPARE(Numbers(found), offered);
        if (!found.isEmpty())
            QCOMPARE(found[0].totalFree, totalFree);
    }
};

QTEST_MAIN(tst_ReliefList)
#include "tst_ReliefList.moc"
