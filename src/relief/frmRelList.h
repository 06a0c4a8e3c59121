#pragma once

#include "data/Connection.h"
#include "relief/ReliefList.h"
#include "ui/Screen.h"

#include <QList>

#include <optional>

class CellLabel;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;

// The relief list: for the lesson chosen on the absence timetable, every
// teacher who can take it, with the free periods each has that day and those
// still left; a double-click on a name makes that teacher the relief.
class frmRelList : public Screen {
    Q_OBJECT
public:
    static constexpr int BlockRows = 33;
    static constexpr int ListedRows = 2 * BlockRows;

    explicit frmRelList(ScreenRegistry& registry);

    // Lists the candidates for the lesson handed over by the absence timetable.
    void Compute();
    // Lists the candidates not yet assigned in this period, with their counts and colours.
    void ShowCandidates();
    void SetSubject(const QString& subject);
    // Does what Exit does.
    void RemoteClick1();

    int RowCount() const { return int(lines_.size()); }

private:
    struct RowCells {
        QLabel* number = nullptr;
        CellLabel* name = nullptr;
        QLabel* subject = nullptr;
        QLabel* free = nullptr;
        QLabel* totalFree = nullptr;
    };

    void BuildScreen();
    void AddBlock();
    void ScrollByWholeBlocks(int blockStep);
    void Form_Load();
    void ShowSlotCaption();
    void ShowBlocks(int blocks, bool wide);
    void ShowRow(const RowCells& cells, const ReliefListRow& row);
    void ClearRow(const RowCells& cells);
    void LblName_DblClick(int row);
    void Command2_Click();

    Connection connection_;
    // The lesson's slot, -1 before one is handed over; the lines listed; the
    // absent teacher's subject. The hidden labels only show them.
    int slot_ = -1;
    QList<ReliefListRow> lines_;
    QString absentSubject_;
    QString dayName_;
    QString periodWord_;

    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* lblMore = nullptr;
    QPushButton* Command2 = nullptr;
    QScrollArea* blocksArea_ = nullptr;
    QHBoxLayout* blocks_ = nullptr;
    QList<RowCells> rows_;
    int headings_ = 0;
};
