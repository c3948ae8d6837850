#pragma once

#include <QAccessibleWidget>
#include <QString>

// What a screen reader, or a test robot, sees of an element's control on the phone: a
// node named by the element's identifier and slot ("Bt 0", "PLab 2"), its shown text
// as description. The name is made when someone asks, so rebuilding a page of a
// hundred elements costs nothing for it.
template<typename Control, QAccessible::Role Role>
class ElementAccessible : public QAccessibleWidget
{
public:
    explicit ElementAccessible(Control *control)
        : QAccessibleWidget(control, Role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *control = static_cast<const Control *>(widget());
        if (t == QAccessible::Name && control->accessibleName().isEmpty() && !control->identifier().isEmpty())
            return control->identifier() + QLatin1Char(' ') + QString::number(control->slot());
        if (t == QAccessible::Description && control->accessibleDescription().isEmpty())
            return control->shownText();
        return QAccessibleWidget::text(t);
    }
};
