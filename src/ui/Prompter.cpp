#include "ui/Prompter.h"

Answer Prompter::Message(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons)
{
    return Show({text, title.isEmpty() ? ApplicationTitle : title, icon, buttons});
}

void Prompter::Report(const QString& text, const QString& title, MessageIcon icon)
{
    Message(text, title, icon, MessageButtons::Ok);
}

bool Prompter::Ask(const QString& text, const QString& title, MessageIcon icon)
{
    return Message(text, title, icon, MessageButtons::YesNo) == Answer::Yes;
}
