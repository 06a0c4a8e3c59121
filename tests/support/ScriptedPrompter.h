#pragma once

#include "ui/Prompter.h"

#include <QList>
#include <QStringList>

// A prompter that answers from a plan and keeps every question asked. A Yes/No
// question or an input box without a planned answer is noted as unexpected.
class ScriptedPrompter : public Prompter {
public:
    struct InputQuestion {
        QString prompt;
        QString title;
        QString defaultText;
    };
    struct FileQuestion {
        QString caption;
        QString filter;
    };

    void PlanAnswer(Answer answer) { answers_ << answer; }
    void PlanInput(std::optional<QString> text) { inputs_ << text; }
    // The path chosen in the next file dialog, open or save; empty for Cancel.
    void PlanFile(const QString& path) { files_ << path; }

    std::optional<QString> Input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString OpenFile(const QString& caption, const QString& filter) override;
    QString SaveFile(const QString& caption, const QString& filter) override;

    QList<Question> asked;
    QList<InputQuestion> inputsAsked;
    QList<FileQuestion> filesAsked;
    QStringList unexpected;

    QStringList AskedTexts() const;
    const Question& Last() const { return asked.last(); }
    bool AllAnswersUsed() const { return answers_.isEmpty() && inputs_.isEmpty() && files_.isEmpty(); }

protected:
    Answer Show(const Question& question) override;

private:
    QList<Answer> answers_;
    QList<std::optional<QString>> inputs_;
    QStringList files_;

    QString ChosenFile(const QString& caption, const QString& filter);
};
