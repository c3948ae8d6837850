#include "viewoptions.h"

#include "document/zoom.h"

ViewOptions::ViewOptions(QObject *parent)
    : QObject(parent)
{
}

void ViewOptions::setZoomFaktor(double zoom)
{
    if (qFuzzyCompare(m_zoom, zoom))
        return;
    m_zoom = zoom;
    emit zoomChanged(zoom);
}

void ViewOptions::setMaskStatus(bool on)
{
    if (m_maskStatus == on)
        return;
    m_maskStatus = on;
    emit maskStatusChanged(on);
}

int ViewOptions::getRoundZoomValue(const QByteArray &value, const QByteArray &offset) const
{
    return Zoom::getRoundZoomValue(value, offset, m_zoom);
}

int ViewOptions::getRoundZoomValue(int skinPixels) const
{
    return getRoundZoomValue(QByteArray::number(skinPixels));
}

QByteArray ViewOptions::setRoundZoomValue(int windowPixels, const QByteArray &offset) const
{
    return Zoom::setRoundZoomValue(windowPixels, offset, m_zoom);
}
