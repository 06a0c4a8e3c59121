#include "app/Screens.h"

#include "admin/frmBackup.h"
#include "admin/frmLogin.h"
#include "admin/frmMkDir.h"
#include "admin/frmSetting.h"
#include "app/frmAbout.h"
#include "app/frmSplash.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTT.h"
#include "attendance/frmTTAb.h"
#include "attendance/frmTeaName.h"
#include "relief/Coverage.h"
#include "relief/LessonChoice.h"
#include "relief/frmFill.h"
#include "relief/frmHistory.h"
#include "relief/frmList.h"
#include "relief/frmLoad.h"
#include "relief/frmRelList.h"
#include "teachers/frmDbase.h"
#include "ui/ScreenRegistry.h"

namespace {
// The teacher screen is the program's main screen and leads to the screens
// built on it, which it knows only by these requests.
void ConnectMainScreen(ScreenRegistry& registry, frmDbase& teachers)
{
    registry.SetMainScreen(&teachers);
    QObject::connect(&teachers, &frmDbase::attendanceAsked, &teachers, [&registry] { registry.Show<frmAtten>(); });
    QObject::connect(&teachers, &frmDbase::backupAsked, &teachers, [&registry] { registry.Show<frmBackup>(); });
    QObject::connect(&teachers, &frmDbase::settingsAsked, &teachers, [&registry] { registry.Show<frmSetting>(); });
    QObject::connect(&teachers, &frmDbase::contactAsked, &teachers, [&registry] { registry.Show<frmAbout>(); });
}

// The attendance screens know nothing of relief planning; what they start
// there is connected here, directly, so that it runs inside their handlers.
void ConnectToReliefSide(ScreenRegistry& registry, QWidget* screen)
{
    if (auto* timetable = qobject_cast<frmTTAb*>(screen)) {
        QObject::connect(timetable, &frmTTAb::lessonChosen, timetable,
                         [&registry, timetable](int slot) { ChooseLesson(registry, *timetable, slot); });
    }
    if (auto* board = qobject_cast<frmAtten*>(screen)) {
        QObject::connect(board, &frmAtten::previousReliefListAsked, board,
                         [&registry] { OpenReliefSetFromBoard(registry); });
        QObject::connect(board, &frmAtten::historyAsked, board, [&registry] { registry.Show<frmHistory>(); });
    }
    // What the relief set covers shows on the absence timetable and the board.
    if (auto* list = qobject_cast<frmList*>(screen)) {
        QObject::connect(&list->Plan(), &ReliefPlan::rowsChanged, list, [&registry] { ShowCoverage(registry); });
        QObject::connect(list, &QObject::destroyed, &registry, [&registry] { ShowCoverage(registry); });
    }
    if (qobject_cast<frmTTAb*>(screen) || qobject_cast<frmAtten*>(screen) || qobject_cast<frmList*>(screen))
        ShowCoverage(registry);
}

void ConnectScreen(ScreenRegistry& registry, QWidget* screen)
{
    if (auto* login = qobject_cast<frmLogin*>(screen))
        QObject::connect(login, &frmLogin::loggedIn, login, [&registry] { registry.Show<frmDbase>(); });
    if (auto* teachers = qobject_cast<frmDbase*>(screen))
        ConnectMainScreen(registry, *teachers);
    ConnectToReliefSide(registry, screen);
}
}

void RegisterScreens(ScreenRegistry& registry)
{
    registry.Register<frmDbase>();
    registry.Register<frmAtten>();
    registry.Register<frmTeaName>();
    registry.Register<frmTT>();
    registry.Register<frmTTAb>();
    registry.Register<frmList>();
    registry.Register<frmRelList>();
    registry.Register<frmFill>();
    registry.Register<frmHistory>();
    registry.Register<frmLoad>();
    registry.Register<frmSplash>();
    registry.Register<frmLogin>();
    registry.Register<frmSetting>();
    registry.Register<frmBackup>();
    registry.Register<frmMkDir>();
    registry.Register<frmAbout>();
    QObject::connect(&registry, &ScreenRegistry::screenOpened, &registry,
                     [&registry](QWidget* screen) { ConnectScreen(registry, screen); });
}
