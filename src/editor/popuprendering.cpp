// MainWindow: building the active popup over the page on the phone view.

#include "mainwindow.h"

#include "document/numbertext.h"
#include "document/recordformat.h"
#include "document/skindocument.h"
#include "elementcanvas.h"
#include "elementpicture.h"
#include "mystatictext.h"
#include "phoneview.h"

bool MainWindow::PopupAction()
{
    if (skin().popupCounter() < 0)
        return true;
    // Updates stay enabled while building, as for the page: one repaint follows anyway.
    deleteAllPopupElements(true);
    m_document.setActiveSurface(Surface::Popup);
    hideSelectionCanvas();
    missingImages.clear();
    LoadPopupBackground();
    LoadAllPopupPictures();
    LoadAllPopupMaskPictures();
    LoadAllPopupButtons();
    LoadAllPopupMaskButtons();
    LoadAllPopupLabels();
    reportMissingImages();
    return true;
}

bool MainWindow::deleteAllPopupElements(bool withBackground)
{
    discardKinds(Surface::Popup);
    if (withBackground) {
        discard(PopupBackground);
        PopupBackground = nullptr;
    }
    return true;
}

bool MainWindow::LoadPopupBackground()
{
    const int popup = m_document.getActivePage();
    const ElementTable &location = skin().PopupLocationProperties;
    PopupBackground = new ElementCanvas(ElementKinds::get(KindId::PBac).identifierText(), 0, m_phoneView);
    PopupBackground->installEventFilter(this);

    // Placed from the location row even without a picture, so that the popup's
    // elements find their reference.
    const double z = zoom();
    const qint64 left = qint64(NumberText::val(location.value(popup, 0, LocationColumn::X)) * z);
    const qint64 top = qint64(NumberText::val(location.value(popup, 0, LocationColumn::Y)) * z) + CanvasBorderTop;
    const QSize full(zoomed(location.value(popup, 0, LocationColumn::Width)),
                     zoomed(location.value(popup, 0, LocationColumn::Height)));
    const QSize size = ElementPicture::clamped(full, phoneSize());

    const QImage picture = readPicture(skin().PopupBackgroundProperties.value(popup));
    // At 100 % the picture is shown as it is, cut off at the popup's size.
    const QSize pictureFull = z > 1 ? full : picture.size();
    QImage shown = ElementPicture::scaled(picture, pictureFull, pictureFull.boundedTo(size));
    if (!shown.isNull())
        PopupBackground->setPicture(QPixmap::fromImage(std::move(shown)));
    PopupBackground->setGeometry(placed(left), placed(top), size.width(), size.height());
    PopupBackground->show();
    return true;
}

MainWindow::Placement MainWindow::popupPlacement() const
{
    return {QByteArray::number(popupLocation().x()), PopupBackground ? PopupBackground->y() : CanvasBorderTop};
}

bool MainWindow::LoadAllPopupPictures()
{
    return loadPictures(ElementKinds::get(KindId::PPic), popupPlacement());
}

bool MainWindow::LoadAllPopupMaskPictures()
{
    return loadPictures(ElementKinds::get(KindId::PPicM), popupPlacement());
}

bool MainWindow::LoadAllPopupButtons()
{
    return loadPictures(ElementKinds::get(KindId::PBt), popupPlacement());
}

bool MainWindow::LoadAllPopupMaskButtons()
{
    return loadPictures(ElementKinds::get(KindId::PBtM), popupPlacement());
}

bool MainWindow::LoadAllPopupLabels()
{
    return loadLabels(ElementKinds::get(KindId::PLab), popupPlacement());
}
