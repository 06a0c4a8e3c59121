#include "relief/frmHistory.h"

#include "relief/ReliefSetView.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

void frmHistory::BuildScreen()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildLists(), 1);
    layout->addWidget(BuildButtons());
}

QWidget* frmHistory::BuildLists()
{
    auto* lists = new QWidget(this);
    auto* layout = new QHBoxLayout(lists);
    layout->setContentsMargins(0, 0, 0, 0);

    lvDays = new QTreeWidget(lists);
    lvDays->setObjectName(QStringLiteral("lvDays"));
    lvDays->setHeaderLabels({QStringLiteral("Day"), QStringLiteral("Reliefs")});
    lvDays->setRootIsDecorated(false);
    lvDays->setUniformRowHeights(true);
    lvDays->setColumnWidth(0, Twips(3000));
    lvDays->setColumnWidth(1, Twips(800));
    lvDays->setMinimumWidth(Twips(3800) + 24);

    lvRows = NewReliefSetView(QStringLiteral("lvRows"), rows_, lists);

    layout->addWidget(lvDays);
    layout->addWidget(lvRows, 1);
    return lists;
}

QWidget* frmHistory::BuildButtons()
{
    auto* buttons = new QWidget(this);
    auto* layout = new QHBoxLayout(buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto dateEdit = [buttons](const QString& name) {
        auto* edit = new QDateEdit(buttons);
        edit->setObjectName(name);
        edit->setCalendarPopup(true);
        return edit;
    };
    dtpFrom = dateEdit(QStringLiteral("dtpFrom"));
    dtpTo = dateEdit(QStringLiteral("dtpTo"));
    cmdPrint = NewButton(QStringLiteral("Print"), QStringLiteral("cmdPrint"), buttons);
    cmdExport = NewButton(QStringLiteral("Export..."), QStringLiteral("cmdExport"), buttons);
    cmdLoad = NewButton(QStringLiteral("Load Report"), QStringLiteral("cmdLoad"), buttons);
    cmdExit = NewButton(QStringLiteral("Exit"), QStringLiteral("cmdExit"), buttons);

    layout->addWidget(cmdPrint);
    layout->addWidget(cmdLoad);
    layout->addStretch();
    layout->addWidget(NewLabel(QStringLiteral("Export from"), QStringLiteral("lblFrom"), buttons));
    layout->addWidget(dtpFrom);
    layout->addWidget(NewLabel(QStringLiteral("to"), QStringLiteral("lblTo"), buttons));
    layout->addWidget(dtpTo);
    layout->addWidget(cmdExport);
    layout->addStretch();
    layout->addWidget(cmdExit);
    return buttons;
}
