#include "scriptedprompts.h"

void ScriptedPrompts::showMessage(const QString &text, Icon icon)
{
    messages.append({text, icon});
}

bool ScriptedPrompts::confirm(const QString &text)
{
    questions.append(text);
    return confirmAnswers.isEmpty() ? false : confirmAnswers.dequeue();
}

Prompts::SaveChoice ScriptedPrompts::askToSave(const QString &message, const QString &explanation)
{
    questions.append(message + QLatin1Char('\n') + explanation);
    return saveAnswers.isEmpty() ? SaveChoice::Cancel : saveAnswers.dequeue();
}

QString ScriptedPrompts::chooseFileToOpen(const QString &)
{
    return openFileAnswers.isEmpty() ? QString() : openFileAnswers.dequeue();
}

QString ScriptedPrompts::chooseFileToSave(const QString &)
{
    return saveFileAnswers.isEmpty() ? QString() : saveFileAnswers.dequeue();
}

std::optional<QColor> ScriptedPrompts::chooseColor(const QColor &)
{
    return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.dequeue();
}

int ScriptedPrompts::chooseFromMenu(const QStringList &entries, const QPoint &)
{
    menus.append(entries);
    return menuAnswers.isEmpty() ? -1 : menuAnswers.dequeue();
}
