#include "namedcombobox.h"

#include "accessiblefactory.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace {

// Qt's combo box as the accessibility tree sees it, but named by its accessible name,
// with the current text as its value.
class NamedComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit NamedComboBoxAccessible(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return comboBox()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The list it opens, so that its entries can be found and chosen.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(popup()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == popup() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = popup()->isVisible();
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction())
            return;
        if (popup()->isVisible())
            comboBox()->hidePopup();
        else
            comboBox()->showPopup();
    }

private:
    QComboBox *comboBox() const { return static_cast<QComboBox *>(widget()); }
    // The window that holds the list while it is open.
    QWidget *popup() const { return comboBox()->view()->window(); }
};

} // namespace

NamedComboBox::NamedComboBox(const QString &accessibleName, QWidget *parent)
    : QComboBox(parent)
{
    registerAccessibleInterface<NamedComboBox, NamedComboBoxAccessible>();
    setAccessibleName(accessibleName);
}
