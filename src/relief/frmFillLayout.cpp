#include "relief/frmFill.h"

#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

void frmFill::BuildScreen()
{
    lvFill = new QTreeWidget(this);
    lvFill->setObjectName(QStringLiteral("lvFill"));
    lvFill->setHeaderLabels({QStringLiteral("Period"), QStringLiteral("Class"), QStringLiteral("Absent Teacher"),
                             QStringLiteral("Relief Teacher"), QStringLiteral("Reason")});
    lvFill->setRootIsDecorated(false);
    lvFill->setUniformRowHeights(true);
    lvFill->setAllColumnsShowFocus(true);
    lvFill->setColumnWidth(PeriodColumn, Twips(1000));
    lvFill->setColumnWidth(ClassColumn, Twips(900));
    lvFill->setColumnWidth(AbsentColumn, Twips(3200));
    lvFill->setColumnWidth(ReliefColumn, Twips(3200));
    lvFill->setMinimumSize(Twips(1000 + 900 + 3200 + 3200 + 5400), Twips(5000));

    lblNothing = NewLabel(QString(), QStringLiteral("lblNothing"), this);
    lblNothing->setAlignment(Qt::AlignCenter);
    lblNothing->setWordWrap(true);
    lblNothing->setMinimumSize(Twips(7000), Twips(1500));
    lblNothing->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lvFill, 1);
    layout->addWidget(lblNothing, 1);
    layout->addWidget(BuildButtons());
}

QWidget* frmFill::BuildButtons()
{
    auto* buttons = new QWidget(this);
    auto* layout = new QHBoxLayout(buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdAccept = NewButton(QStringLiteral("Accept"), QStringLiteral("cmdAccept"), buttons);
    cmdCancel = NewButton(QStringLiteral("Cancel"), QStringLiteral("cmdCancel"), buttons);
    layout->addStretch();
    layout->addWidget(cmdAccept);
    layout->addWidget(cmdCancel);
    return buttons;
}
