#pragma once

#include <QAccessible>
#include <QString>

// Shows every widget of class Widget in the accessibility tree through Interface (a
// QAccessibleInterface made from a Widget *). Registered once, on first call.
template<typename Widget, typename Interface>
void registerAccessibleInterface()
{
    static const bool registered = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className != QLatin1String(Widget::staticMetaObject.className()) || !object || !object->isWidgetType())
                return nullptr;
            return new Interface(static_cast<Widget *>(object));
        });
        return true;
    }();
    Q_UNUSED(registered)
}
