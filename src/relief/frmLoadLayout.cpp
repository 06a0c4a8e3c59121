#include "relief/frmLoad.h"

#include "ui/Controls.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QVBoxLayout>

void frmLoad::BuildScreen()
{
    const auto dateEdit = [this](const QString& name) {
        auto* edit = new QDateEdit(this);
        edit->setObjectName(name);
        edit->setCalendarPopup(true);
        return edit;
    };
    dtpFrom = dateEdit(QStringLiteral("dtpFrom"));
    dtpTo = dateEdit(QStringLiteral("dtpTo"));
    auto* days = new QHBoxLayout;
    days->addWidget(NewLabel(QStringLiteral("Reliefs from"), QStringLiteral("lblFrom"), this));
    days->addWidget(dtpFrom);
    days->addWidget(NewLabel(QStringLiteral("to"), QStringLiteral("lblTo"), this));
    days->addWidget(dtpTo);
    days->addStretch();

    cmdPrint = NewButton(QStringLiteral("Print"), QStringLiteral("cmdPrint"), this);
    cmdExport = NewButton(QStringLiteral("Export..."), QStringLiteral("cmdExport"), this);
    cmdExit = NewButton(QStringLiteral("Exit"), QStringLiteral("cmdExit"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdExport);
    buttons->addStretch();
    buttons->addWidget(cmdExit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        NewLabel(QStringLiteral("Each teacher's reliefs in these days, and in this week (Monday to Friday)."),
                 QStringLiteral("lblAbout"), this));
    layout->addLayout(days);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
