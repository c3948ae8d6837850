#include "aboutwindow.h"

#include "layoutfont.h"
#include "linklabel.h"

#include <QImage>
#include <QLabel>

namespace {

// A logo with its mask as alpha channel: black in the mask is opaque, white transparent.
QImage maskedLogo(const QString &picture, const QString &mask)
{
    QImage image = QImage(picture).convertToFormat(QImage::Format_ARGB32);
    QImage alpha = QImage(mask).convertToFormat(QImage::Format_Grayscale8);
    if (image.isNull() || alpha.isNull())
        return image;
    alpha.invertPixels();
    image.setAlphaChannel(alpha.scaled(image.size()));
    return image;
}

// Loaded on first use and kept for the rest of the run.
const QImage &productLogo()
{
    static const QImage logo =
        maskedLogo(QStringLiteral(":/images/productlogo.png"), QStringLiteral(":/images/productlogomask.png"));
    return logo;
}

const QImage &makerLogo()
{
    static const QImage logo =
        maskedLogo(QStringLiteral(":/images/makerlogo.png"), QStringLiteral(":/images/makerlogomask.png"));
    return logo;
}

} // namespace

AboutWindow::AboutWindow(const QString &versionText, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("About Morvanta"));
    setFixedSize(280, 278);

    addLogo(QStringLiteral("Canvas1"), productLogo(), QRect(108, 14, 64, 64));

    QLabel *title = addText(QStringLiteral("StaticText1"), QStringLiteral("Morvanta"), QRect(20, 87, 240, 20), 14);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);

    m_versionText = addText(QStringLiteral("VersionText"), versionText, QRect(20, 119, 240, 20), 11);
    addText(QStringLiteral("StaticText2"),
            QStringLiteral("\u00a9 2026 The Morvanta developers.\nAll rights reserved."), QRect(20, 151, 240, 29),
            11);

    m_link = new LinkLabel(QStringLiteral("Morvanta Home"), this);
    m_link->setObjectName(QStringLiteral("StaticText3"));
    QFont linkFont = layoutFont(10);
    linkFont.setUnderline(true);
    m_link->setFont(linkFont);
    m_link->setAlignment(Qt::AlignCenter);
    m_link->setGeometry(85, 192, 110, 20);
    connect(m_link, &LinkLabel::activated, this, &AboutWindow::homePageRequested);

    addLogo(QStringLiteral("Canvas2"), makerLogo(), QRect(114, 224, 52, 34));
}

QLabel *AboutWindow::addText(const QString &name, const QString &text, const QRect &geometry, int pointSize)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setFont(layoutFont(pointSize));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

void AboutWindow::addLogo(const QString &name, const QImage &logo, const QRect &geometry)
{
    auto *canvas = new QLabel(this);
    canvas->setObjectName(name);
    canvas->setGeometry(geometry);
    canvas->setPixmap(QPixmap::fromImage(logo));
}
