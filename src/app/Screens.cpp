#include "app/Screens.h"

#include "teachers/frmDbase.h"
#include "ui/ScreenRegistry.h"

void RegisterScreens(ScreenRegistry& registry)
{
    registry.Register<frmDbase>();
}
