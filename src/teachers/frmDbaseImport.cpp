#include "teachers/frmDbase.h"

#include "import/ImportCommands.h"

#include <QLineEdit>

// After an import the register is read afresh, staying on the teacher shown.
void frmDbase::cmdImport_Click()
{
    if (!ImportTeachers(registry_, this))
        return;
    const QString shown = txtAdno1->text();
    if (!OpenTeacherTable())
        return;
    PositionOnTeacher(shown);
    ShowCurrentTeacher();
    EnterBrowseMode();
    ShowRecordCounters();
}

void frmDbase::cmdExport_Click()
{
    ExportTeachers(registry_);
}
