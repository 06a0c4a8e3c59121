#pragma once

#include "data/Connection.h"
#include "import/ImportPlan.h"
#include "import/ImportSource.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class ScreenRegistry;

// The preview of an import: where the file's days and hours go, the periods
// of a school day that a FET file sets, how many
// teachers will be added, changed and left as they are, a warning when the
// register would outgrow the attendance board, and every row that cannot be
// taken with its reason. "Import" writes it all in one transaction.
class frmImport : public QDialog {
    Q_OBJECT
public:
    frmImport(ScreenRegistry& registry, ImportSource source, QWidget* parent = nullptr);

    // Whether the register could be read; the preview is shown only then.
    bool IsLoaded() const { return loaded_; }
    const ImportPlan& Plan() const { return plan_; }

private:
    // Building the screen.
    void BuildScreen();
    QGroupBox* BuildWeek();
    QGroupBox* BuildNames(const QString& caption, const QStringList& names, const QStringList& targets,
                          const QString& comboName, QList<QComboBox*>& combos);
    QWidget* BuildCounts();
    QWidget* BuildButtons();

    void Form_Load();
    SlotMapping MappingFromScreen() const;
    void ShowMapping(const SlotMapping& mapping);
    void RefreshPlan();
    void ShowPlan();
    bool ChangesPeriods() const;
    void cmdOK_Click();

    ScreenRegistry& registry_;
    ImportSource source_;
    Connection connection_;
    QList<TeacherRow> registerRows_;
    int periodsInDay_ = 0; // the school's, before the import
    ImportPlan plan_;
    bool loaded_ = false;

    QLabel* lblFile = nullptr;
    QList<QComboBox*> cboDay;
    QList<QComboBox*> cboHour;
    QLabel* lblMapping = nullptr;
    QLabel* lblAdded = nullptr;
    QLabel* lblChanged = nullptr;
    QLabel* lblUnchanged = nullptr;
    QLabel* lblRejected = nullptr;
    QLabel* lblPeriods = nullptr;
    QLabel* lblBoard = nullptr;
    QTreeWidget* lstRejected = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};
