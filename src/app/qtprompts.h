#pragma once

#include "document/prompts.h"

// Prompts answered by the user through real dialogs, shown over the active window.
class QtPrompts : public Prompts
{
public:
    void showMessage(const QString &text, Icon icon = Icon::Caution) override;
    bool confirm(const QString &text) override;
    SaveChoice askToSave(const QString &message, const QString &explanation) override;
    QString chooseFileToOpen(const QString &title) override;
    QString chooseFileToSave(const QString &title) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    int chooseFromMenu(const QStringList &entries, const QPoint &globalPos) override;
};
