#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// One element of the page or popup on the phone view: a prepared picture painted as it
// is, without scaling, at the control's size. It knows which element it shows (its
// identifier and slot), so that the mouse handlers can address the model.
class ElementCanvas : public QWidget
{
    Q_OBJECT

public:
    ElementCanvas(const QString &identifier, int slot, QWidget *parent);

    QString identifier() const { return m_identifier; }
    int slot() const { return m_slot; }
    // A picture shows no text.
    QString shownText() const { return {}; }

    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    // A 1-pixel red frame along the control's edges, over the picture.
    bool isOutlined() const { return m_outlined; }
    void setOutlined(bool outlined);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateOpacity();

    QString m_identifier;
    int m_slot;
    QPixmap m_picture;
    bool m_outlined = false;
};
