#pragma once

#include "data/Connection.h"
#include "data/HistoryStore.h"
#include "relief/ReliefSetModel.h"
#include "ui/Screen.h"

class QDateEdit;
class QPushButton;
class QTreeView;
class QTreeWidget;

// Every saved relief set by its day: the days newest first, the chosen day's
// reliefs, its relief teachers list printed again with its own date, and the
// reliefs of a range of days written out for payroll and audits; from here
// the relief load of each teacher is reached.
class frmHistory : public Screen {
    Q_OBJECT
public:
    explicit frmHistory(ScreenRegistry& registry);

private:
    void BuildScreen();
    QWidget* BuildLists();
    QWidget* BuildButtons();
    void Form_Load();
    void ShowDays(const QList<HistoryDay>& days);
    // The day chosen in the days list; invalid when none is.
    QDate ChosenDay() const;
    void lvDays_Changed();
    void cmdPrint_Click();
    void cmdExport_Click();
    void cmdLoad_Click();

    Connection connection_;
    ReliefSetModel rows_;

    QTreeWidget* lvDays = nullptr;
    QTreeView* lvRows = nullptr;
    QDateEdit* dtpFrom = nullptr;
    QDateEdit* dtpTo = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdExit = nullptr;
};
