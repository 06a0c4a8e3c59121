#pragma once

#include <QDateTime>

// Today's date and time, as the screens and reports use them.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
    QDate Today() const { return Now().date(); }
};

class SystemClock : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};
