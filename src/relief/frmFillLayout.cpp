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
    lvFill->setColumnWidth(AbsentColumn, Twips(2600));
    lvFill->setColumnWidth(ReliefColumn, Twips(2600));
    lvFill->setMinimumSize(Twips(1000 + 900 + 2600 + 2600 + 5200), Twips(5000));

    lblNothing = NewLabel(QString(), QStringLiteral("lblNothing"), this);
    lblNothing->setAlignment(Qt::AlignCenter);
    lblNothing->setWordWrap(true);
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
