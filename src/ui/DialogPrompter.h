#pragma once

#include "ui/Prompter.h"

// The prompter of the running program: real Qt message, input and file dialogs.
class DialogPrompter : public Prompter {
public:
    std::optional<QString> Input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString OpenFile(const QString& caption, const QString& filter) override;
    QString SaveFile(const QString& caption, const QString& filter) override;

protected:
    Answer Show(const Question& question) override;
};
