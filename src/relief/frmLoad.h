#pragma once

#include "data/Connection.h"
#include "relief/LoadReport.h"
#include "ui/Screen.h"

#include <optional>

class QDateEdit;
class QPushButton;

// The relief load of a range of days, the term so far unless the operator
// chooses other days: printed as the relief load report or written out as CSV.
class frmLoad : public Screen {
    Q_OBJECT
public:
    explicit frmLoad(ScreenRegistry& registry);

private:
    void BuildScreen();
    void Form_Load();
    // The loads of the chosen days; nothing when the days are the wrong way
    // round or the history cannot be read, which the operator has been told.
    std::optional<LoadReportLines> ChosenLoads();
    void cmdPrint_Click();
    void cmdExport_Click();

    Connection connection_;

    QDateEdit* dtpFrom = nullptr;
    QDateEdit* dtpTo = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdExit = nullptr;
};
