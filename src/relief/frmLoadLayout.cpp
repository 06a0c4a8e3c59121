#include "relief/frmLoad.h"

#include "ui/Controls.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>

void frmLoad::BuildScreen()
{
    auto* layout = new QGridLayout(this);
    const auto dateEdit = [this](const QString& name) {
        auto* edit = new QDateEdit(this);
        edit->setObjectName(name);
        edit->setCalendarPopup(true);
        return edit;
    };
    dtpFrom = dateEdit(QStringLiteral("dtpFrom"));
    dtpTo = dateEdit(QStringLiteral("dtpTo"));
    layout->addWidget(NewLabel(QStringLiteral("Reliefs from"), QStringLiteral("lblFrom"), this), 0, 0);
    layout->addWidget(dtpFrom, 0, 1);
    layout->addWidget(NewLabel(QStringLiteral("to"), QStringLiteral("lblTo"), this), 0, 2);
    layout->addWidget(dtpTo, 0, 3);

    cmdPrint = NewButton(QStringLiteral("Print"), QStringLiteral("cmdPrint"), this);
    cmdExport = NewButton(QStringLiteral("Export..."), QStringLiteral("cmdExport"), this);
    cmdExit = NewButton(QStringLiteral("Exit"), QStringLiteral("cmdExit"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdExport);
    buttons->addStretch();
    buttons->addWidget(cmdExit);
    layout->addLayout(buttons, 1, 0, 1, 4);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
