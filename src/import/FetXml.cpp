#include "import/FetXml.h"

#include <QSet>
#include <QXmlStreamReader>

namespace {
const QString Root = QStringLiteral("Teachers_Timetable");

class FetXmlParser {
public:
    explicit FetXmlParser(QIODevice& file)
        : xml_(&file)
    {
    }

    FetTimetable Parse(QString* error)
    {
        if (xml_.readNextStartElement()) {
            if (xml_.name() != Root) {
                *error = QStringLiteral("The file is not FET's teachers timetable: its root element is <%1>, not <%2>. "
                                        "Nothing was imported.")
                             .arg(xml_.name().toString(), Root);
                return {};
            }
            ReadTeachers();
        }
        if (xml_.hasError()) {
            *error = QStringLiteral("The file cannot be read as XML: %1 (line %2). Nothing was imported.")
                         .arg(xml_.errorString())
                         .arg(xml_.lineNumber());
            return {};
        }
        DropBreaks();
        return timetable_;
    }

private:
    void ReadTeachers()
    {
        while (xml_.readNextStartElement()) {
            if (xml_.name() != QLatin1String("Teacher")) {
                xml_.skipCurrentElement();
                continue;
            }
            const int teacher = int(timetable_.teachers.size());
            timetable_.teachers << FetTeacher {int(xml_.lineNumber()),
                                               xml_.attributes().value(QLatin1String("name")).toString()};
            while (xml_.readNextStartElement()) {
                if (xml_.name() == QLatin1String("Day"))
                    ReadDay(teacher,
                            NameIndex(timetable_.days, xml_.attributes().value(QLatin1String("name")).toString()));
                else
                    xml_.skipCurrentElement();
            }
        }
    }

    void ReadDay(int teacher, int day)
    {
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("Hour"))
                ReadHour(teacher, day, NameIndex(allHours_, xml_.attributes().value(QLatin1String("name")).toString()));
            else
                xml_.skipCurrentElement();
        }
    }

    void ReadHour(int teacher, int day, int hour)
    {
        FetLesson lesson {int(xml_.lineNumber()), teacher, day, hour, {}, {}};
        bool taught = false;
        while (xml_.readNextStartElement()) {
            const QString name = xml_.attributes().value(QLatin1String("name")).toString();
            if (xml_.name() == QLatin1String("Activity"))
                taught = true;
            else if (xml_.name() == QLatin1String("Subject"))
                lesson.subject = name;
            else if (xml_.name() == QLatin1String("Students"))
                lesson.students << name;
            xml_.skipCurrentElement();
        }
        if (taught || !lesson.subject.isEmpty() || !lesson.students.isEmpty())
            timetable_.lessons << lesson;
    }

    // Keeps the hours in which some teacher teaches, in file order.
    void DropBreaks()
    {
        QSet<int> taught;
        for (const FetLesson& lesson : std::as_const(timetable_.lessons))
            taught.insert(lesson.hour);
        QList<int> teachingIndex(allHours_.size(), -1);
        for (int hour = 0; hour < allHours_.size(); ++hour) {
            if (taught.contains(hour)) {
                teachingIndex[hour] = int(timetable_.hours.size());
                timetable_.hours << allHours_[hour];
            }
        }
        for (FetLesson& lesson : timetable_.lessons)
            lesson.hour = teachingIndex[lesson.hour];
    }

    QXmlStreamReader xml_;
    QStringList allHours_;
    FetTimetable timetable_;
};
}

FetTimetable ReadFetTeachersXml(QIODevice& file, QString* error)
{
    const QByteArray start = file.peek(4096);
    const QByteArray body = start.startsWith(QByteArrayLiteral("\xEF\xBB\xBF")) ? start.mid(3) : start;
    if (file.size() <= start.size() && body.trimmed().isEmpty()) {
        *error = QStringLiteral("The file is empty. Nothing was imported.");
        return {};
    }
    FetTimetable timetable = FetXmlParser(file).Parse(error);
    if (error->isEmpty())
        *error = CheckFetWeek(timetable);
    return error->isEmpty() ? timetable : FetTimetable {};
}
