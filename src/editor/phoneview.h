#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// The editor's content: the phone's frame at 208 x 320 times the zoom. The page and
// popup controls are its children; one created later lies above the earlier ones.
class PhoneView : public QWidget
{
    Q_OBJECT

public:
    explicit PhoneView(QWidget *parent = nullptr);

    // The frame picture for a zoom factor (1, 1.5 or 2); resizes nothing.
    void setFrameZoom(double zoom);
    // The fixed size for a zoom factor.
    void setSizeForZoom(double zoom) { setFixedSize(sizeForZoom(zoom)); }
    // The resource path of the frame shown.
    QString framePath() const { return m_framePath; }

    static QSize sizeForZoom(double zoom);
    static QString framePathForZoom(double zoom);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_framePath;
    QPixmap m_frame;
};
