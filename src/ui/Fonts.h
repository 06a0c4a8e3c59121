#pragma once

#include <QFont>
#include <QWidget>

// Shows a control's text in bold, in the control's own font otherwise.
inline void SetBold(QWidget* widget)
{
    QFont bold = widget->font();
    bold.setBold(true);
    widget->setFont(bold);
}
