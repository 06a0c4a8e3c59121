#include "teachers/frmDbase.h"

#include "import/ImportCommands.h"

#include <QLineEdit>

// After an import the register is read afresh, staying on the teacher shown.
void frmDbase::cmdImport_Click()
{
    if (!ImportTeachers(registry(), this))
        return;
    const int shown = txtAdno1->text().toInt();
    if (!OpenTeacherTable())
        return;
    PositionOnTeacher(shown);
    ShowCurrentTeacher();
    EnterBrowseMode();
    ShowRecordCounters();
}

void frmDbase::cmdExport_Click()
{
    ExportTeachers(registry());
}
