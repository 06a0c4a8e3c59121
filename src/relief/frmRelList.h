#pragma once

#include "data/Connection.h"
#include "relief/FairDay.h"
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
    // The subject of the lesson, shown in the heading and given to the relief chosen.
    void SetSubject(const QString& subject);
    // Shows the list in front, with the keys on its lines.
    void ShowInFront();
    // Does what Exit does.
    void RemoteClick1();

    int RowCount() const { return int(lines_.size()); }
    // The line of the suggested teacher and of the selection, -1 for none.
    int Suggested() const { return suggested_; }
    int Selected() const { return selected_; }

protected:
    // Up and Down move the selection by a line, Left and Right by a block;
    // Enter chooses the selected teacher, Escape leaves.
    void keyPressEvent(QKeyEvent* event) override;

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
    void FitWindow(int candidates);
    void ShowRow(const RowCells& cells, const ReliefListRow& row);
    void ClearRow(const RowCells& cells);
    void LblName_DblClick(int row);
    // The rules' view of the candidates: each line's load in its tooltip, a
    // teacher at a limit struck through, the suggested one marked and said.
    void ReadFairDay(const QList<TeacherTimetable>& teachers, const AttendanceDay& board);
    void ShowFairness();
    void ShowLineLoad(int line, const RuleTeacher* teacher);
    QString SuggestionText(int line, const RuleTeacher& teacher) const;
    void Select(int line);
    void Command2_Click();

    Connection connection_;
    // The lesson's slot, -1 before one is handed over; the lines listed; the
    // lesson's subject. The hidden labels only show them.
    int slot_ = -1;
    QList<ReliefListRow> lines_;
    QString lessonSubject_;
    std::optional<FairDay> fair_;
    RuleLesson lesson_;
    int suggested_ = -1;
    int selected_ = -1;
    QString dayName_;
    QString periodWord_;

    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* lblMore = nullptr;
    QLabel* lblSuggest = nullptr;
    QPushButton* Command2 = nullptr;
    QScrollArea* blocksArea_ = nullptr;
    QHBoxLayout* blocks_ = nullptr;
    QList<RowCells> rows_;
    int headings_ = 0;
};
