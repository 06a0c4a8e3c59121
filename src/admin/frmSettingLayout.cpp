#include "admin/frmSetting.h"

#include "data/ApplicationFolder.h"
#include "data/ProgramSettings.h"
#include "ui/Controls.h"
#include "ui/PictureButton.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int FieldWidth = 90;

QLineEdit* NewField(const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(FieldWidth);
    return field;
}

// The short date form of the system's language, its year in four digits so
// that a typed year is never taken for one of another century.
QString ShortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QRadioButton* NewOption(const QString& caption, const QString& name, QWidget* parent)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    return option;
}
}

void frmSetting::BuildScreen()
{
    setWindowTitle(QStringLiteral("Setting"));
    auto* layout = new QVBoxLayout(this);

    auto* help = NewLabel(QStringLiteral(
                              "Administrator settings is whole system configurations module to configure basics of "
                              "Province.To change Operators and  Administrators password related informations click "
                              "'Change' and after compliting click 'Apply' to apply settings.Click Default for default "
                              "settings."),
                          QStringLiteral("Label3"), this);
    help->setWordWrap(true);
    layout->addWidget(help);

    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildStayTimes(), 1);
    middle->addWidget(BuildOpenForm());
    layout->addLayout(middle);
    auto* lower = new QHBoxLayout;
    lower->addWidget(BuildPassword(), 1);
    lower->addWidget(BuildRelief());
    layout->addLayout(lower);
    layout->addWidget(BuildButtons());
    auto* database = NewLabel(QStringLiteral("Database: %1").arg(QDir::toNativeSeparators(DatabaseFilePath())),
                              QStringLiteral("lbl_database"), this);
    database->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(database);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* frmSetting::BuildStayTimes()
{
    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    txt_splash = NewField(QStringLiteral("txt_splash"), frame);
    txt_splash->setAlignment(Qt::AlignRight);
    txt_welcome = NewField(QStringLiteral("txt_welcome"), frame);
    txt_welcome->setAlignment(Qt::AlignRight);
    txt_periods = NewField(QStringLiteral("txt_periods"), frame);
    txt_periods->setAlignment(Qt::AlignRight);
    Check1 = new QCheckBox(QStringLiteral("Show welcome screen at startup"), frame);
    Check1->setObjectName(QStringLiteral("Check1"));

    grid->addWidget(NewLabel(QStringLiteral("Splash screen stay time"), QStringLiteral("lbl_spl"), frame), 0, 0);
    grid->addWidget(txt_splash, 0, 1);
    grid->addWidget(NewLabel(QStringLiteral("in ms"), QStringLiteral("lbl_time"), frame), 0, 2);
    grid->addWidget(NewLabel(QStringLiteral("Welcome screen stay time"), QStringLiteral("lbl_wl"), frame), 1, 0);
    grid->addWidget(txt_welcome, 1, 1);
    grid->addWidget(NewLabel(QStringLiteral("in ms"), QStringLiteral("Label2"), frame), 1, 2);
    grid->addWidget(NewLabel(QStringLiteral("Periods in a day"), QStringLiteral("lbl_periods"), frame), 2, 0);
    grid->addWidget(txt_periods, 2, 1);
    grid->addWidget(NewLabel(QStringLiteral("1 to 8"), QStringLiteral("lbl_periods_range"), frame), 2, 2);
    grid->addWidget(Check1, 3, 0, 1, 3);
    return frame;
}

QGroupBox* frmSetting::BuildOpenForm()
{
    fra_form = new QGroupBox(QStringLiteral("Open form"), this);
    fra_form->setObjectName(QStringLiteral("fra_form"));
    auto* column = new QVBoxLayout(fra_form);
    opt_tl = NewOption(QStringLiteral("Top left"), QStringLiteral("opt_tl"), fra_form);
    opt_ce = NewOption(QStringLiteral("Screen center"), QStringLiteral("opt_ce"), fra_form);
    opt_def = NewOption(QStringLiteral("Default"), QStringLiteral("opt_def"), fra_form);
    column->addWidget(opt_tl);
    column->addWidget(opt_ce);
    column->addWidget(opt_def);
    return fra_form;
}

QGroupBox* frmSetting::BuildPassword()
{
    auto* frame = new QGroupBox(QStringLiteral("Password settings"), this);
    frame->setObjectName(QStringLiteral("fra_pass"));
    auto* grid = new QGridLayout(frame);
    txt_pass1 = NewField(QStringLiteral("txt_pass1"), frame);
    txt_pass2 = NewField(QStringLiteral("txt_pass2"), frame);
    for (QLineEdit* field : {txt_pass1, txt_pass2}) {
        MaskWithStars(field);
        field->setMaxLength(PasswordLength);
        field->setFixedWidth(FieldWidth * 2);
    }
    grid->addWidget(NewLabel(QStringLiteral("Password"), QStringLiteral("lbl_p1"), frame), 0, 0);
    grid->addWidget(txt_pass1, 0, 1);
    grid->addWidget(NewLabel(QStringLiteral("Password confirm"), QStringLiteral("lbl_p2"), frame), 1, 0);
    grid->addWidget(txt_pass2, 1, 1);
    grid->setColumnStretch(2, 1);
    return frame;
}

QGroupBox* frmSetting::BuildRelief()
{
    auto* frame = new QGroupBox(QStringLiteral("Relief"), this);
    frame->setObjectName(QStringLiteral("fra_relief"));
    auto* grid = new QGridLayout(frame);
    dtpTerm = new QDateEdit(frame);
    dtpTerm->setObjectName(QStringLiteral("dtpTerm"));
    dtpTerm->setCalendarPopup(true);
    dtpTerm->setDisplayFormat(ShortDateFormat());
    dtpTerm->setFixedWidth(FieldWidth * 3 / 2);
    txtDayLimit = NewField(QStringLiteral("txtDayLimit"), frame);
    txtWeekLimit = NewField(QStringLiteral("txtWeekLimit"), frame);
    for (QLineEdit* limit : {txtDayLimit, txtWeekLimit}) {
        limit->setAlignment(Qt::AlignRight);
        limit->setFixedWidth(FieldWidth / 2);
    }
    grid->addWidget(NewLabel(QStringLiteral("Term begins on:"), QStringLiteral("lbl_term"), frame), 0, 0);
    grid->addWidget(dtpTerm, 0, 1, 1, 2);
    grid->addWidget(NewLabel(QStringLiteral("Most reliefs a day:"), QStringLiteral("lbl_day_limit"), frame), 1, 0);
    grid->addWidget(txtDayLimit, 1, 1, Qt::AlignLeft);
    grid->addWidget(NewLabel(QStringLiteral("Most reliefs a week:"), QStringLiteral("lbl_week_limit"), frame), 2, 0);
    grid->addWidget(txtWeekLimit, 2, 1, Qt::AlignLeft);
    const QString range = QStringLiteral("1 to %1").arg(ProgramSettings::MaxLimit);
    grid->addWidget(NewLabel(range, QStringLiteral("lbl_day_range"), frame), 1, 2);
    grid->addWidget(NewLabel(range, QStringLiteral("lbl_week_range"), frame), 2, 2);
    return frame;
}

QWidget* frmSetting::BuildButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](QStyle::StandardPixmap picture, const QString& tooltip, const QString& name,
                         const QString& caption, const QString& labelName) {
        const PictureButton made = NewPictureButton(style()->standardIcon(picture), tooltip, name, caption, labelName,
                                                    row);
        layout->addWidget(made.column);
        return made;
    };
    layout->addStretch();
    cmd_Change = add(QStyle::SP_FileDialogDetailedView, QStringLiteral("Click to modify"), QStringLiteral("cmd_Change"),
                     QStringLiteral("Change"), QStringLiteral("Label7"))
                     .button;
    cmd_apply = add(QStyle::SP_DialogApplyButton, QStringLiteral("Apply settings"), QStringLiteral("cmd_apply"),
                    QStringLiteral("Apply"), QStringLiteral("Label9"))
                    .button;
    cmd_default = add(QStyle::SP_BrowserReload, QStringLiteral("Set Default settings"), QStringLiteral("cmd_default"),
                      QStringLiteral("Default"), QStringLiteral("Label6"))
                      .button;
    const PictureButton close = add(QStyle::SP_DialogCloseButton, QStringLiteral("Ok"), QStringLiteral("cmd_cancel"),
                                    QStringLiteral("OK"), QStringLiteral("Label8"));
    cmd_cancel = close.button;
    Label8 = close.label;
    return row;
}
