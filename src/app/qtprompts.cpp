#include "qtprompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {

QWidget *dialogParent()
{
    return QApplication::activeWindow();
}

QString applicationName()
{
    return QStringLiteral("Morvanta");
}

// Qt's own file dialog, so that the dialog looks and behaves the same on every desktop.
constexpr QFileDialog::Options fileDialogOptions = QFileDialog::DontUseNativeDialog;

} // namespace

void QtPrompts::showMessage(const QString &text, Icon icon)
{
    QMessageBox box(icon == Icon::Caution ? QMessageBox::Warning : QMessageBox::NoIcon, applicationName(), text,
                    QMessageBox::Ok, dialogParent());
    box.exec();
}

bool QtPrompts::confirm(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, applicationName(), text, QMessageBox::Ok | QMessageBox::Cancel,
                    dialogParent());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

Prompts::SaveChoice QtPrompts::askToSave(const QString &message, const QString &explanation)
{
    QMessageBox box(QMessageBox::Warning, applicationName(), message, QMessageBox::NoButton, dialogParent());
    box.setInformativeText(explanation);
    QPushButton *save = box.addButton(QStringLiteral("Save"), QMessageBox::AcceptRole);
    QPushButton *dontSave = box.addButton(QStringLiteral("Don't Save"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChoice::Save;
    if (box.clickedButton() == dontSave)
        return SaveChoice::DontSave;
    return SaveChoice::Cancel;
}

QString QtPrompts::chooseFileToOpen(const QString &title)
{
    return QFileDialog::getOpenFileName(dialogParent(), title, QString(), QString(), nullptr, fileDialogOptions);
}

QString QtPrompts::chooseFileToSave(const QString &title)
{
    return QFileDialog::getSaveFileName(dialogParent(), title, QString(), QString(), nullptr, fileDialogOptions);
}

std::optional<QColor> QtPrompts::chooseColor(const QColor &initial)
{
    const QColor color =
        QColorDialog::getColor(initial, dialogParent(), QString(), QColorDialog::DontUseNativeDialog);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

int QtPrompts::chooseFromMenu(const QStringList &entries, const QPoint &globalPos)
{
    QMenu menu;
    for (const QString &entry : entries)
        menu.addAction(entry);
    const QAction *chosen = menu.exec(globalPos);
    return chosen ? int(menu.actions().indexOf(chosen)) : -1;
}
