#include "app/Screens.h"

#include "admin/frmBackup.h"
#include "admin/frmLogin.h"
#include "admin/frmMkDir.h"
#include "admin/frmSetting.h"
#include "app/frmAbout.h"
#include "app/frmSplash.h"
#include "attendance/frmAtten.h"
#include "attendance/frmTeaName.h"
#include "teachers/frmDbase.h"
#include "ui/ScreenRegistry.h"

void RegisterScreens(ScreenRegistry& registry)
{
    registry.Register<frmDbase>();
    registry.Register<frmAtten>();
    registry.Register<frmTeaName>();
    registry.Register<frmSplash>();
    registry.Register<frmLogin>();
    registry.Register<frmSetting>();
    registry.Register<frmBackup>();
    registry.Register<frmMkDir>();
    registry.Register<frmAbout>();
}
