#include "ScriptedPrompter.h"

#include <QTest>

void ScriptedPrompter::Unplanned(const QString& question)
{
    unexpected << question;
    const std::source_location step = LastTestStep();
    QTest::qFail(qPrintable(QStringLiteral("unplanned question after this step of the test: %1").arg(question)),
                 step.file_name(), int(step.line()));
}

Answer ScriptedPrompter::Show(const Question& question)
{
    asked << question;
    if (question.buttons == MessageButtons::Ok)
        return Answer::Ok;
    if (answers_.isEmpty()) {
        Unplanned(question.text);
        return Answer::No;
    }
    return answers_.takeFirst();
}

std::optional<QString> ScriptedPrompter::Input(const QString& prompt, const QString& title, const QString& defaultText)
{
    inputsAsked << InputQuestion {prompt, title, defaultText};
    if (inputs_.isEmpty()) {
        Unplanned(prompt);
        return std::nullopt;
    }
    return inputs_.takeFirst();
}

QString ScriptedPrompter::ChosenFile(const QString& caption, const QString& filter)
{
    filesAsked << InputQuestion {caption, filter, {}};
    if (files_.isEmpty()) {
        Unplanned(caption);
        return {};
    }
    return files_.takeFirst();
}

QString ScriptedPrompter::OpenFile(const QString& caption, const QString& filter)
{
    return ChosenFile(caption, filter);
}

QString ScriptedPrompter::SaveFile(const QString& caption, const QString& filter)
{
    return ChosenFile(caption, filter);
}

QStringList ScriptedPrompter::AskedTexts() const
{
    QStringList texts;
    for (const Question& question : asked)
        texts << question.text;
    return texts;
}

void ScriptedPrompter::VerifyAllAnswersUsed()
{
    if (!AllAnswersUsed())
        QTest::qFail("planned answers were left unused", __FILE__, __LINE__);
}
