#pragma once

#include <QLineEdit>

// A timetable cell: a text too long for the cell is shown cut at its end with
// "…", the whole text in its tip, until the cell takes the focus, where the
// whole text is shown and edited.
class TimetableCell : public QLineEdit {
    Q_OBJECT
public:
    explicit TimetableCell(QWidget* parent = nullptr);

    // The text as the cell shows it while it has no focus.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect TextArea() const;
    void ShowWholeTextInTip();
};
