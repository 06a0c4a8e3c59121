#pragma once

#include "TestStep.h"
#include "ui/Prompter.h"

#include <QList>
#include <QStringList>

// A prompter that answers from a plan and keeps every question asked. A Yes/No
// question, an input box or a file dialog without a planned answer fails the
// test at its last step before the question, and so do planned answers left
// unused when the test program ends.
class ScriptedPrompter : public Prompter {
public:
    struct InputQuestion {
        QString prompt;
        QString title;
        QString defaultText;
    };

    void PlanAnswer(Answer answer, const std::source_location& where = std::source_location::current())
    {
        NoteTestStep(where);
        answers_ << answer;
    }
    void PlanInput(std::optional<QString> text, const std::source_location& where = std::source_location::current())
    {
        NoteTestStep(where);
        inputs_ << text;
    }
    // The path a file dialog gives; empty for a cancelled dialog.
    void PlanFile(const QString& path, const std::source_location& where = std::source_location::current())
    {
        NoteTestStep(where);
        files_ << path;
    }

    std::optional<QString> Input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString OpenFile(const QString& caption, const QString& filter) override;
    QString SaveFile(const QString& caption, const QString& filter) override;

    QList<Question> asked;
    QList<InputQuestion> inputsAsked;
    // File dialogs asked for: their caption (as prompt) and filter (as title).
    QList<InputQuestion> filesAsked;
    QStringList unexpected;

    QStringList AskedTexts() const;
    const Question& Last() const { return asked.last(); }
    bool AllAnswersUsed() const { return answers_.isEmpty() && inputs_.isEmpty() && files_.isEmpty(); }
    void VerifyAllAnswersUsed();

protected:
    Answer Show(const Question& question) override;

private:
    void Unplanned(const QString& question);
    QString ChosenFile(const QString& caption, const QString& filter);

    QList<Answer> answers_;
    QList<std::optional<QString>> inputs_;
    QStringList files_;
};
