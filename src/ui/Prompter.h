#pragma once

#include <QString>

#include <optional>

inline const QString ApplicationTitle = QStringLiteral("Morvane");

enum class MessageIcon { None, Information, Exclamation, Question, Critical };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Question {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// Every modal report and question of the program goes through one prompter.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box; an empty title shows the application's title.
    Answer Message(const QString& text, const QString& title = {}, MessageIcon icon = MessageIcon::None,
                   MessageButtons buttons = MessageButtons::Ok);
    void Report(const QString& text, const QString& title = {}, MessageIcon icon = MessageIcon::None);
    bool Ask(const QString& text, const QString& title, MessageIcon icon);

    // An input box; empty when the operator cancels.
    virtual std::optional<QString> Input(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // A file-open dialog; an empty path when the operator cancels.
    virtual QString OpenFile(const QString& caption, const QString& filter) = 0;
    // A file-save dialog; an empty path when the operator cancels.
    virtual QString SaveFile(const QString& caption, const QString& filter) = 0;

protected:
    virtual Answer Show(const Question& question) = 0;
};
