#include "ui/DialogPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
}

Answer DialogPrompter::Show(const Question& question)
{
    const bool yesNo = question.buttons == MessageButtons::YesNo;
    QMessageBox box(BoxIcon(question.icon), question.title, question.text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, QApplication::activeWindow());
    const int button = box.exec();
    if (!yesNo)
        return Answer::Ok;
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> DialogPrompter::Input(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal,
                                               defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

QString DialogPrompter::OpenFile(const QString& caption, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, QString(), filter);
}

QString DialogPrompter::SaveFile(const QString& caption, const QString& filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, QString(), filter);
}
