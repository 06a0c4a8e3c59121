#include "admin/frmBackup.h"

#include "admin/FolderList.h"
#include "ui/Controls.h"
#include "ui/PictureButton.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int ListWidth = 220;
constexpr int ListHeight = 200;
constexpr int ImageSize = 24;

QLabel* NewImage(QStyle::StandardPixmap picture, const QString& name, QWidget* parent)
{
    QLabel* image = NewLabel(QString(), name, parent);
    image->setPixmap(parent->style()->standardIcon(picture).pixmap(ImageSize, ImageSize));
    return image;
}

// A caption with its picture in front.
QHBoxLayout* Captioned(QLabel* image, QLabel* caption)
{
    auto* row = new QHBoxLayout;
    row->addWidget(image);
    row->addWidget(caption, 1);
    return row;
}

QHBoxLayout* Captioned(QLabel* image, const QString& caption, QWidget* parent)
{
    return Captioned(image, new QLabel(caption, parent));
}
}

void frmBackup::BuildScreen()
{
    setWindowTitle(QStringLiteral("Backup"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(
        Captioned(NewImage(QStyle::SP_DialogSaveButton, QStringLiteral("Image4"), this),
                  NewLabel(QStringLiteral("See the details of last backup"), QStringLiteral("Label3"), this)));
    layout->addWidget(BuildLastBackup());

    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildChoice(), 1);
    middle->addWidget(BuildButtons());
    layout->addLayout(middle);

    auto* advice = NewLabel(QStringLiteral("Make backup for your refrence before deleting fine informations at regular "
                                           "intervals and secure your informations"),
                            QStringLiteral("Label4"), this);
    advice->setWordWrap(true);
    layout->addWidget(advice);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* frmBackup::BuildLastBackup()
{
    auto* frame = new QGroupBox(QStringLiteral("Last backup"), this);
    frame->setObjectName(QStringLiteral("fra_last"));
    auto* form = new QFormLayout(frame);
    lbl_path = NewLabel(QString(), QStringLiteral("lbl_path"), frame);
    lbl_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbl_lastdate = NewLabel(QString(), QStringLiteral("lbl_lastdate"), frame);
    lbl_lasttime = NewLabel(QString(), QStringLiteral("lbl_lasttime"), frame);
    form->addRow(NewLabel(QStringLiteral("Path   :"), QStringLiteral("lbl_apath"), frame), lbl_path);
    form->addRow(NewLabel(QStringLiteral("Date   :"), QStringLiteral("lbl_Date"), frame), lbl_lastdate);
    form->addRow(NewLabel(QStringLiteral("Time   :"), QStringLiteral("lbl_time"), frame), lbl_lasttime);
    return frame;
}

QGroupBox* frmBackup::BuildChoice()
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fra_back"));
    auto* grid = new QGridLayout(frame);

    Drive1 = new QComboBox(frame);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setToolTip(QStringLiteral("Select diskdrive"));
    Dir1 = new FolderList(frame);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setToolTip(QStringLiteral("Select folder"));
    File1 = new QListWidget(frame);
    File1->setObjectName(QStringLiteral("File1"));
    for (QWidget* list : std::initializer_list<QWidget*> {Drive1, Dir1, File1})
        list->setFixedWidth(ListWidth);
    Dir1->setFixedHeight(ListHeight);
    File1->setFixedHeight(ListHeight);

    Text1 = new QLineEdit(frame);
    Text1->setObjectName(QStringLiteral("Text1"));
    cmdMKDir = NewButton(QStringLiteral("Make a New Folder"), QStringLiteral("cmdMKDir"), frame);
    Label5 = NewLabel(QString(), QStringLiteral("Label5"), frame);
    QFont progressFont = Label5->font();
    progressFont.setBold(true);
    Label5->setFont(progressFont);

    grid->addLayout(Captioned(NewImage(QStyle::SP_DriveHDIcon, QStringLiteral("Image1"), frame),
                              QStringLiteral("Drive"), frame),
                    0, 0);
    grid->addWidget(Drive1, 1, 0);
    grid->addLayout(Captioned(NewImage(QStyle::SP_DirIcon, QStringLiteral("Image2"), frame), QStringLiteral("Folder"),
                              frame),
                    2, 0);
    grid->addWidget(Dir1, 3, 0);
    grid->addLayout(Captioned(NewImage(QStyle::SP_FileIcon, QStringLiteral("Image3"), frame),
                              QStringLiteral("Backups in this folder"), frame),
                    2, 1);
    grid->addWidget(File1, 3, 1);
    grid->addWidget(cmdMKDir, 4, 0);
    auto* name = new QHBoxLayout;
    name->addWidget(NewLabel(QStringLiteral("File Name"), QStringLiteral("Label6"), frame));
    name->addWidget(Text1, 1);
    name->addWidget(new QLabel(QStringLiteral(".mdb"), frame));
    grid->addLayout(name, 4, 1);
    auto* target = new QHBoxLayout;
    target->addWidget(new QLabel(QStringLiteral("Backup to:"), frame));
    lbl_target = NewLabel(QString(), QStringLiteral("lbl_target"), frame);
    lbl_target->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbl_target->setWordWrap(true);
    target->addWidget(lbl_target, 1);
    grid->addLayout(target, 5, 0, 1, 2);
    grid->addWidget(Label5, 6, 0, 1, 2);
    return frame;
}

QWidget* frmBackup::BuildButtons()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    const PictureButton save = NewPictureButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                                QStringLiteral("Backup"), QStringLiteral("cmdSave"),
                                                QStringLiteral("Backup"), QStringLiteral("Label1"), column);
    const PictureButton cancel = NewPictureButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                                  QStringLiteral("Cancel"), QStringLiteral("cmdCancel"),
                                                  QStringLiteral("Cancel"), QStringLiteral("Label2"), column);
    layout->addWidget(save.column);
    layout->addWidget(cancel.column);
    layout->addStretch();
    cmdRestore = NewButton(QStringLiteral("Restore..."), QStringLiteral("cmdRestore"), column);
    cmdRestore->setToolTip(QStringLiteral("Bring back the database from a backup"));
    layout->addWidget(cmdRestore);
    cmdSave = save.button;
    cmdCancel = cancel.button;
    return column;
}
