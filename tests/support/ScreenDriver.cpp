#include "ScreenDriver.h"

#include <QCoreApplication>

namespace {
std::source_location lastStep;
QWidget* standIns = nullptr;

void DeleteStandIns()
{
    delete standIns;
    standIns = nullptr;
}
}

void NoteTestStep(const std::source_location& where)
{
    lastStep = where;
}

std::source_location LastTestStep()
{
    return lastStep;
}

QWidget& StandInOwner()
{
    if (!standIns) {
        standIns = new QWidget;
        qAddPostRoutine(DeleteStandIns);
    }
    return *standIns;
}
