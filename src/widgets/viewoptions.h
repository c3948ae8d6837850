#pragma once

#include <QByteArray>
#include <QObject>

// How the editor shows the skin: the zoom and whether masks are applied. The toolbox
// sets them; the editor listens.
class ViewOptions : public QObject
{
    Q_OBJECT

public:
    explicit ViewOptions(QObject *parent = nullptr);

    // 1.0, 1.5 or 2.0.
    double ZoomFaktor() const { return m_zoom; }
    void setZoomFaktor(double zoom);
    // Masked elements are drawn with their masks.
    bool MaskStatus() const { return m_maskStatus; }
    void setMaskStatus(bool on);

    // Skin pixels (value + offset) to window pixels at the zoom, rounded half away from zero.
    int getRoundZoomValue(const QByteArray &value, const QByteArray &offset = {}) const;
    int getRoundZoomValue(int skinPixels) const;
    // Window pixels to skin pixels less the offset, as decimal text.
    QByteArray setRoundZoomValue(int windowPixels, const QByteArray &offset = {}) const;

signals:
    void zoomChanged(double zoom);
    void maskStatusChanged(bool on);

private:
    double m_zoom = 1.0;
    bool m_maskStatus = true;
};
