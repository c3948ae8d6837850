#pragma once

#include "document/prompts.h"

#include <QQueue>
#include <QStringList>

// Answers every question from a script and records what would have been shown, so
// that no test ever waits on a dialog. An empty script gives the cautious answer:
// Cancel, no file, no colour, no menu entry.
class ScriptedPrompts : public Prompts
{
public:
    struct Message
    {
        QString text;
        Icon icon;
    };

    QList<Message> messages;       // every showMessage, in order
    QStringList questions;         // every confirm and askToSave text
    QQueue<bool> confirmAnswers;
    QQueue<SaveChoice> saveAnswers;
    QQueue<QString> openFileAnswers;
    QQueue<QString> saveFileAnswers;
    QQueue<std::optional<QColor>> colorAnswers;
    QQueue<int> menuAnswers;
    QList<QStringList> menus;      // the entries of every menu opened

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }

    void showMessage(const QString &text, Icon icon = Icon::Caution) override;
    bool confirm(const QString &text) override;
    SaveChoice askToSave(const QString &message, const QString &explanation) override;
    QString chooseFileToOpen(const QString &title) override;
    QString chooseFileToSave(const QString &title) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    int chooseFromMenu(const QStringList &entries, const QPoint &globalPos) override;
};
