#pragma once

#include "attendance/ListMode.h"
#include "ui/Screen.h"

#include <array>

class QLabel;
class QPushButton;
class ScreenRegistry;

// The names screen: the teachers of the attendance board's list by name, in
// columns of 38, with the gentlemen or the ladies marked in red, and printed.
class frmTeaName : public Screen {
    Q_OBJECT
public:
    static constexpr int NameCells = 228;
    static constexpr int Rows = 38;

    explicit frmTeaName(ScreenRegistry& registry, QWidget* parent = nullptr);

    // Shows a list: the names by cell, the header with the list's count and
    // today's date, and the screen sized to the columns the count needs.
    void ShowList(ListMode mode, const QString& count, const QStringList& names);

    // The screen width, in twips, for a count of listed teachers; 0 keeps the width.
    static int WidthForCount(int count);

private:
    void BuildScreen();
    void ShowHeader(ListMode mode, const QString& count);
    void ResizeForCount(int count);
    void CentreHeader();
    void MarkNames(const QStringList& titles);
    void cmdMale_Click();
    void cmdFemale_Click();
    void cmdPrint_Click();

    std::array<QLabel*, NameCells> Label1 {};
    QLabel* Label3 = nullptr;
    QPushButton* cmdFemale = nullptr;
    QPushButton* cmdMale = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdHome = nullptr;
};
