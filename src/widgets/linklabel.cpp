#include "linklabel.h"

#include "accessiblefactory.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {

// What the accessibility tree shows of a link label: a link that can be pressed.
class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            emit static_cast<LinkLabel *>(widget())->activated();
    }
};

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    registerAccessibleInterface<LinkLabel, LinkLabelAccessible>();
    setAccessibleName(text);
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    setCursor(Qt::PointingHandCursor);
    setTextColor(linkColor());
}

QColor LinkLabel::linkColor()
{
    return QColor(0, 0, 255);
}

QColor LinkLabel::hoverColor()
{
    return QColor(255, 0, 0);
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    setTextColor(hoverColor());
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    setTextColor(linkColor());
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::setTextColor(const QColor &color)
{
    QPalette textPalette = palette();
    textPalette.setColor(QPalette::WindowText, color);
    setPalette(textPalette);
}
