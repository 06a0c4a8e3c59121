#include "admin/frmMkDir.h"

#include "admin/FolderPath.h"
#include "admin/frmBackup.h"
#include "ui/Controls.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int BackupScreenTop = 450;
}

frmMkDir::frmMkDir(ScreenRegistry& registry, QWidget* parent)
    : Screen(registry, parent)
{
    BuildScreen();
    connect(Command1, &QPushButton::clicked, this, &frmMkDir::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

void frmMkDir::BuildScreen()
{
    setWindowTitle(QStringLiteral("New Folder"));
    auto* grid = new QGridLayout(this);
    auto* name = new QLabel(QStringLiteral("Name"), this);
    name->setObjectName(QStringLiteral("Label1"));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMinimumWidth(240);
    // Carries the parent folder's path at the name box's place; never shown.
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();
    Command1 = NewButton(QStringLiteral("Create"), QStringLiteral("Command1"), this);
    Command1->setDefault(true);
    Command2 = NewButton(QStringLiteral("Cancel"), QStringLiteral("Command2"), this);

    grid->addWidget(name, 0, 0);
    grid->addWidget(Text2, 0, 1, 1, 3);
    grid->addWidget(Command1, 1, 2);
    grid->addWidget(Command2, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    connect(Text2, &QLineEdit::returnPressed, Command1, &QPushButton::click);
}

void frmMkDir::SetParentFolder(const QString& folder)
{
    Text1->setText(QDir::toNativeSeparators(folder));
}

void frmMkDir::FocusName()
{
    Text2->setFocus();
}

void frmMkDir::Command1_Click()
{
    if (Text2->text().trimmed().isEmpty()) {
        Text2->setFocus();
        return;
    }
    const QString folder = QDir::fromNativeSeparators(PathInFolder(Text1->text(), Text2->text()));
    if (QFileInfo::exists(folder)) {
        registry().prompter().Report(QStringLiteral("A file with the name you specified already exists."),
                                     QStringLiteral("Error"), MessageIcon::Information);
        return;
    }
    // Any other failure leaves the dialog as it is, without a word.
    if (QDir().mkdir(folder))
        close();
}

// However the dialog closes, the backup screen comes back, below the top of
// the screen and centred on the teacher screen's width.
void frmMkDir::closeEvent(QCloseEvent* event)
{
    Screen::closeEvent(event);
    if (!registry().IsEnding())
        ShowBackupScreen();
}

void frmMkDir::ShowBackupScreen()
{
    QWidget* backup = registry().Show<frmBackup>();
    if (!backup)
        return;
    const QWidget* main = registry().MainScreen();
    const int width = main ? main->width() : backup->screen()->geometry().width();
    backup->move(width / 2 - backup->width() / 2, Twips(BackupScreenTop));
}
