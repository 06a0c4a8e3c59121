#include "admin/frmBackup.h"

#include "admin/BackupRecord.h"
#include "admin/DatabaseCopy.h"
#include "admin/FolderList.h"
#include "admin/FolderPath.h"
#include "admin/Restore.h"
#include "admin/frmLogin.h"
#include "admin/frmMkDir.h"
#include "ui/Clock.h"
#include "ui/DatabaseConnection.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {
// The name box holds the name of a file in the shown folder, never a path.
bool IsNameInFolder(const QString& name, QString* reason)
{
    const bool plain = !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && name != QLatin1String(".") && name != QLatin1String("..");
    if (!plain)
        *reason = QStringLiteral("the name is not a plain file name");
    return plain;
}
}

frmBackup::frmBackup(ScreenRegistry& registry, QWidget* parent)
    : Screen(registry, parent)
{
    BuildScreen();
    connect(Drive1, &QComboBox::activated, this, &frmBackup::Drive1_Change);
    connect(Dir1, &FolderList::pathChanged, this, &frmBackup::File1_Follow);
    connect(Dir1, &QListWidget::itemClicked, this, [this] { cmdMKDir->setEnabled(true); });
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& name) { cmdSave->setEnabled(!name.isEmpty()); });
    connect(cmdSave, &QToolButton::clicked, this, &frmBackup::cmdSave_Click);
    connect(cmdCancel, &QToolButton::clicked, this, &QWidget::close);
    connect(cmdMKDir, &QPushButton::clicked, this, &frmBackup::cmdMKDir_Click);
    connect(cmdRestore, &QPushButton::clicked, this, &frmBackup::cmdRestore_Click);
    connect(Dir1, &FolderList::pathChanged, this, &frmBackup::ShowTarget);
    connect(Text1, &QLineEdit::textChanged, this, &frmBackup::ShowTarget);
    Form_Load();
}

void frmBackup::Form_Load()
{
    if (!OpenDatabaseForScreen(BackupConnection, registry()))
        return LoadFailed();
    const BackupRecord last = BackupRecord::Read();
    if (!last.path.isEmpty()) {
        lbl_path->setText(last.path);
        lbl_lastdate->setText(last.date);
        lbl_lasttime->setText(last.time);
    } else {
        lbl_path->setText(QStringLiteral("No Backup made previously"));
        lbl_lastdate->setText(QStringLiteral(" "));
        lbl_lasttime->setText(QStringLiteral(" "));
    }
    cmdSave->setEnabled(false);
    cmdMKDir->setEnabled(false);
    FillDrives();
    Dir1->SetPath(QDir::currentPath());
}

// The platform's drives (on Linux its root) and the user's home folder.
void frmBackup::FillDrives()
{
    for (const QFileInfo& drive : QDir::drives())
        Drive1->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()), drive.absoluteFilePath());
    Drive1->addItem(QDir::toNativeSeparators(QDir::homePath()), QDir::homePath());
    const QString current = QDir::currentPath();
    for (int index = 0; index < Drive1->count(); ++index) {
        if (current.startsWith(Drive1->itemData(index).toString()))
            driveIndex_ = index;
    }
    Drive1->setCurrentIndex(driveIndex_);
}

void frmBackup::Drive1_Change(int index)
{
    const QString drive = Drive1->itemData(index).toString();
    if (!QDir(drive).isReadable()) {
        registry().prompter().Report(QStringLiteral("Please don't Select this Drive"), QStringLiteral("Drive Error"),
                                     MessageIcon::Information);
        Drive1->setCurrentIndex(driveIndex_);
        return;
    }
    driveIndex_ = index;
    Dir1->SetPath(drive);
}

void frmBackup::File1_Follow(const QString& folder)
{
    File1->clear();
    File1->addItems(QDir(folder).entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void frmBackup::cmdSave_Click()
{
    cmdSave->setEnabled(false);
    Label5->setText(QStringLiteral("Please Wait, Backup in Progress..."));
    Label5->repaint();
    const QString target = Target();
    const BackupRecord record = BackupRecord::Of(target, registry().clock().Now());
    QString reason;
    if (!IsNameInFolder(Text1->text(), &reason)
        || !CopyDatabase(BackupConnection, QDir::fromNativeSeparators(target), &reason))
        return BackupFailed(target, reason);
    record.Write();
    cmdSave->setEnabled(true);
    registry().prompter().Report(QStringLiteral("All data BackUp Succcessfully on disk"), QStringLiteral("Backup"),
                                 MessageIcon::Information);
    close();
}

// Nothing is recorded, and a file of that name from before stays as it was.
void frmBackup::BackupFailed(const QString& target, const QString& reason)
{
    Label5->clear();
    cmdSave->setEnabled(true);
    registry().prompter().Report(QStringLiteral("The backup could not be written to %1: %2.").arg(target, reason),
                                 QStringLiteral("Backup"), MessageIcon::Critical);
}

QString frmBackup::Target() const
{
    return PathInFolder(Dir1->Path(), Text1->text() + QStringLiteral(".mdb"));
}

// The operator always sees where the backup goes: the folder opened and the name typed.
void frmBackup::ShowTarget()
{
    lbl_target->setText(Text1->text().isEmpty() ? PathInFolder(Dir1->Path(), QString()) : Target());
}

// A backup chosen and checked takes the database's place; the program then
// starts again from the login, with every other screen closed.
void frmBackup::cmdRestore_Click()
{
    const QString backup = registry().prompter().OpenFile(QStringLiteral("Restore from a backup"),
                                                          QStringLiteral("Backups (*.mdb);;All files (*)"));
    if (backup.isEmpty() || !RestoreBackup(registry(), backup))
        return;
    registry().Show<frmLogin>();
}

void frmBackup::cmdMKDir_Click()
{
    auto* dialog = registry().Show<frmMkDir>();
    if (!dialog)
        return;
    dialog->SetParentFolder(Dir1->Path());
    close();
    dialog->FocusName();
}
