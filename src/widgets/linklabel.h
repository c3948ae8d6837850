#pragma once

#include <QColor>
#include <QLabel>

// A text that acts as a link: blue, red while the mouse is over it, activated by a
// click or, from a screen reader, by its press action.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    static QColor linkColor();
    static QColor hoverColor();

signals:
    void activated();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setTextColor(const QColor &color);
};
