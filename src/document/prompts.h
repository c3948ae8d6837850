#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

// Everything that asks the user something or tells them something goes through here.
// The editor shows real dialogs; tests answer from a script and record what was shown.
class Prompts
{
public:
    enum class Icon { Caution, Plain };
    enum class SaveChoice { Save, DontSave, Cancel };

    virtual ~Prompts() = default;

    // A message box with one OK button.
    virtual void showMessage(const QString &text, Icon icon = Icon::Caution) = 0;
    // OK and Cancel; true for OK.
    virtual bool confirm(const QString &text) = 0;
    // "Save" (default), "Don't Save" and Cancel.
    virtual SaveChoice askToSave(const QString &message, const QString &explanation) = 0;
    // Empty when the user cancels.
    virtual QString chooseFileToOpen(const QString &title) = 0;
    virtual QString chooseFileToSave(const QString &title) = 0;
    // nullopt when the user cancels.
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
    // A contextual menu at a global position; the chosen entry's index, or -1.
    virtual int chooseFromMenu(const QStringList &entries, const QPoint &globalPos) = 0;
};
