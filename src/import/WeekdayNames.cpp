#include "import/WeekdayNames.h"

#include <QHash>
#include <QLocale>
#include <QMultiHash>

namespace {
struct WeekdayName {
    QLocale::Language language;
    int day; // 0 = Monday

    bool operator==(const WeekdayName&) const = default;
};

// A name without letter case, accents, joiners or a closing full stop.
QString Key(const QString& name)
{
    QString key;
    for (const QChar c : name.trimmed().toCaseFolded().normalized(QString::NormalizationForm_D)) {
        const bool accent = c.unicode() >= 0x0300 && c.unicode() <= 0x036F;
        if (!accent && c.category() != QChar::Other_Format)
            key += c;
    }
    return key.endsWith('.') ? key.chopped(1) : key;
}

// Every weekday name of every locale, made once when first asked for.
const QMultiHash<QString, WeekdayName>& NameTable()
{
    static const QMultiHash<QString, WeekdayName> table = [] {
        QMultiHash<QString, WeekdayName> names;
        for (const QLocale& locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            for (int day = 1; day <= 7; ++day) {
                for (const QString& name :
                     {locale.dayName(day, QLocale::LongFormat), locale.dayName(day, QLocale::ShortFormat),
                      locale.standaloneDayName(day, QLocale::LongFormat),
                      locale.standaloneDayName(day, QLocale::ShortFormat)}) {
                    const QString key = Key(name);
                    const WeekdayName entry {locale.language(), day - 1};
                    if (!key.isEmpty() && !names.contains(key, entry))
                        names.insert(key, entry);
                }
            }
        }
        return names;
    }();
    return table;
}
}

std::optional<QList<int>> WeekdayNumbers(const QStringList& names)
{
    constexpr int Unknown = -1;
    constexpr int Ambiguous = -2;
    QHash<QLocale::Language, QList<int>> daysByLanguage;
    for (int i = 0; i < names.size(); ++i) {
        const QString key = Key(names[i]);
        for (auto found = NameTable().constFind(key); found != NameTable().cend() && found.key() == key; ++found) {
            QList<int>& days = daysByLanguage[found->language];
            if (days.isEmpty())
                days = QList<int>(names.size(), Unknown);
            days[i] = days[i] == Unknown || days[i] == found->day ? found->day : Ambiguous;
        }
    }
    std::optional<QList<int>> result;
    for (const QList<int>& days : std::as_const(daysByLanguage)) {
        if (days.contains(Unknown) || days.contains(Ambiguous))
            continue;
        if (result && *result != days)
            return std::nullopt; // two languages that read the names as other days
        result = days;
    }
    return result;
}
