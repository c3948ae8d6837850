// MainWindow: building the active popup over the page on the phone view.

#include "mainwindow.h"

#include "app/app.h"
#include "document/recordformat.h"
#include "document/numbertext.h"
#include "document/zoom.h"
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
    skin().isPopupActive = true;
    skin().isPageActive = false;
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
    for (QList<ElementCanvas *> *list : {&CanvasPBt, &CanvasPMBt, &CanvasPPic, &CanvasPMPic})
        discardAll(*list);
    discardAll(LabelPopup);
    if (withBackground) {
        discard(PopupBackground);
        PopupBackground = nullptr;
    }
    return true;
}

bool MainWindow::LoadPopupBackground()
{
    const int popup = skin().getActivePage();
    const ElementTable &location = skin().PopupLocationProperties;
    PopupBackground = new ElementCanvas(QStringLiteral("PBac"), 0, m_phoneView);

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
    static const PictureKind kind{"PPic", &Skin::PopupPictureProperties, PictureColumn::Bitmap, -1,
                                  &MainWindow::CanvasPPic};
    return loadPictures(kind, popupPlacement());
}

bool MainWindow::LoadAllPopupMaskPictures()
{
    static const PictureKind kind{"PPicM", &Skin::PopupPictureMaskProperties, PictureMaskColumn::Bitmap,
                                  PictureMaskColumn::BitmapMask, &MainWindow::CanvasPMPic};
    return loadPictures(kind, popupPlacement());
}

bool MainWindow::LoadAllPopupButtons()
{
    static const PictureKind kind{"PBt", &Skin::PopupButtonProperties, ButtonColumn::Bitmap, -1,
                                  &MainWindow::CanvasPBt};
    return loadPictures(kind, popupPlacement());
}

bool MainWindow::LoadAllPopupMaskButtons()
{
    static const PictureKind kind{"PBtM", &Skin::PopupButtonMaskProperties, ButtonMaskColumn::Bitmap,
                                  ButtonMaskColumn::BitmapMask, &MainWindow::CanvasPMBt};
    return loadPictures(kind, popupPlacement());
}

bool MainWindow::LoadAllPopupLabels()
{
    return loadLabels(&Skin::PopupLabelProperties, &MainWindow::LabelPopup, QStringLiteral("PLab"),
                      popupPlacement());
}
