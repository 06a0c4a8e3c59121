#include "app/Screens.h"

#include "attendance/frmAtten.h"
#include "attendance/frmTeaName.h"
#include "teachers/frmDbase.h"
#include "ui/ScreenRegistry.h"

void RegisterScreens(ScreenRegistry& registry)
{
    registry.Register<frmDbase>();
    registry.Register<frmAtten>();
    registry.Register<frmTeaName>();
}
