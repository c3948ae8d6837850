// MainWindow: building the page on the phone view from the skin model.

#include "mainwindow.h"

#include "app/app.h"
#include "document/mapping.h"
#include "document/recordformat.h"
#include "document/skinpaths.h"
#include "document/skinpicture.h"
#include "document/phonescreen.h"
#include "document/numbertext.h"
#include "document/zoom.h"
#include "elementcanvas.h"
#include "elementpicture.h"
#include "mystatictext.h"
#include "phoneview.h"
#include "toolbox/toolwindow.h"

namespace {

// Columns shared by every picture record: X, Y, then the picture.
constexpr int XColumn = 0;
constexpr int YColumn = 1;

} // namespace

int MainWindow::placed(qint64 windowPixels)
{
    // Positions from skin files can be anything; keep them where geometry arithmetic is safe.
    constexpr qint64 limit = 1 << 20;
    return int(qBound<qint64>(-limit, windowPixels, limit));
}

bool MainWindow::PageAction()
{
    if (skin().pageCounter() < 0)
        return true;
    // Updates stay enabled: showing and hiding controls only collects their areas, and the
    // one repaint comes from the event loop once the page is complete. Disabling updates
    // for the rebuild would mark every control of the phone view dirty on its own when
    // updates come back, and Qt then clips each one against every sibling above it.
    deleteAllPageElements();
    skin().isPageActive = true;
    skin().isPopupActive = false;
    hideSelectionCanvas();
    initializeVariables();
    LoadBackground();
    LoadAllPictures();
    LoadAllMaskPictures();
    LoadAllButtons();
    LoadAllMaskButtons();
    LoadAllLockIcons();
    LoadAllTrashIcons();
    LoadAllTodayIndicators();
    LoadLabels();
    LoadToday();
    raisePopupControls();
    reportMissingImages();
    return true;
}

bool MainWindow::deleteAllPageElements()
{
    for (QList<ElementCanvas *> *list : {&Canvas1, &Canvas2, &Canvas3, &Canvas4, &Canvas5, &Canvas6, &Canvas7, &CanvasTo})
        discardAll(*list);
    discardAll(Label1);
    discard(Background);
    Background = nullptr;
    return true;
}

void MainWindow::reportMissingImages()
{
    if (!missingImages.isEmpty())
        m_app.ErrorMessage(QStringLiteral("These images are missing:"), missingImages);
}

void MainWindow::raisePopupControls()
{
    if (PopupBackground)
        PopupBackground->raise();
    for (QList<ElementCanvas *> *list : {&CanvasPPic, &CanvasPMPic, &CanvasPBt, &CanvasPMBt}) {
        for (ElementCanvas *canvas : std::as_const(*list))
            canvas->raise();
    }
    for (MyStaticText *label : std::as_const(LabelPopup))
        label->raise();
}

QImage MainWindow::readPicture(const QByteArray &modelPath)
{
    if (modelPath.isEmpty())
        return {};
    QImage picture;
    if (!SkinPicture::read(SkinPaths::hostPath(skin().AbsolutPathToSkin, modelPath), picture).ok())
        missingImages += QString::fromLatin1(modelPath) + QLatin1Char('\n');
    return picture;
}

QImage MainWindow::readMask(const QByteArray &modelPath) const
{
    if (modelPath.isEmpty())
        return {};
    QImage mask;
    SkinPicture::read(SkinPaths::hostPath(skin().AbsolutPathToSkin, modelPath), mask);
    return mask;
}

bool MainWindow::LoadBackground()
{
    const int page = skin().getActivePage();
    Background = new ElementCanvas(QString(), 0, m_phoneView);
    Background->setAttribute(Qt::WA_TransparentForMouseEvents);

    const PhoneScreen::PageArea area = PhoneScreen::pageArea(skin().FullscreenProperties.value(page));
    const int top = zoomed(area.top);
    const QSize size(zoomed(PhoneScreen::Width), zoomed(area.height));

    const QImage picture = readPicture(skin().BackgroundProperties.value(page));
    // At 100 % the picture is shown as it is, cut off at the page area.
    const QSize full = zoom() > 1 ? size : picture.size();
    QImage shown = ElementPicture::scaled(picture, full, full.boundedTo(size));
    if (!shown.isNull())
        Background->setPicture(QPixmap::fromImage(std::move(shown)));

    Background->setGeometry(0, top, size.width(), size.height());
    Background->show();
    CanvasBorderTop = top;
    CanvasBorderBottom = top + size.height();
    CanvasBorderRight = size.width();
    return true;
}

bool MainWindow::loadPictures(const PictureKind &kind, const Placement &placement)
{
    QList<ElementCanvas *> &list = this->*kind.list;
    discardAll(list);
    const ElementTable &table = skin().*kind.table;
    const int plane = skin().getActivePage();
    const bool applyMask = kind.maskColumn >= 0 && m_app.toolWindow()->MaskStatus;
    const QSize limit = phoneSize();

    for (int slot = 0; slot < table.slotCount(); ++slot) {
        const QByteArray pictureName = table.value(plane, slot, kind.pictureColumn);
        if (pictureName.isEmpty())
            continue;
        const QImage picture = readPicture(pictureName);
        if (picture.isNull())
            continue;

        auto *canvas = new ElementCanvas(QString::fromLatin1(kind.identifier), slot, m_phoneView);
        list.append(canvas);
        const QSize full(zoomed(picture.width()), zoomed(picture.height()));
        const QSize shownSize = ElementPicture::clamped(full, limit);
        const QImage mask = applyMask ? readMask(table.value(plane, slot, kind.maskColumn)) : QImage();
        QImage shown = mask.isNull() ? ElementPicture::scaled(picture, full, shownSize)
                                     : ElementPicture::masked(picture, mask, full, shownSize);
        canvas->setPicture(QPixmap::fromImage(std::move(shown)));
        canvas->setGeometry(placed(zoomed(table.value(plane, slot, XColumn), placement.offsetX)),
                            placed(qint64(zoomed(table.value(plane, slot, YColumn))) + placement.top),
                            shownSize.width(), shownSize.height());
        canvas->show();
    }
    return true;
}

bool MainWindow::loadLabels(ElementTable Skin::*tableMember, QList<MyStaticText *> MainWindow::*listMember,
                            const QString &identifier, const Placement &placement)
{
    QList<MyStaticText *> &list = this->*listMember;
    discardAll(list);
    const ElementTable &table = skin().*tableMember;
    const int plane = skin().getActivePage();
    const QSize limit = phoneSize();

    for (int slot = 0; slot < table.slotCount(); ++slot) {
        const auto value = [&](int column) { return table.value(plane, slot, column); };
        if (value(LabelColumn::FontName).isEmpty())
            continue;
        auto *label = new MyStaticText(identifier, slot, m_phoneView);
        list.append(label);
        const int align = NumberText::val(value(LabelColumn::Align)) - 1;
        const auto alignment = align == 1   ? MyStaticText::Alignment::Centre
                               : align == 2 ? MyStaticText::Alignment::Right
                                            : MyStaticText::Alignment::Left;
        label->setTextStyle(qMin(zoomed(value(LabelColumn::FontSize)), limit.height()),
                            string2color(value(LabelColumn::Color)), alignment, value(LabelColumn::Bold) == "1");
        const QByteArray text = Mapping::mappLabel(value(LabelColumn::LabelType), value(LabelColumn::LabelText));
        label->setText(QString::fromLatin1(text));
        const QSize size = ElementPicture::clamped(
            QSize(zoomed(value(LabelColumn::Width)), zoomed(value(LabelColumn::Height))), limit);
        label->setGeometry(placed(zoomed(value(LabelColumn::X), placement.offsetX)),
                           placed(qint64(zoomed(value(LabelColumn::Y))) + placement.top), size.width(),
                           size.height());
        label->show();
    }
    return true;
}

bool MainWindow::LoadAllPictures()
{
    static const PictureKind kind{"Pic", &Skin::PictureProperties, PictureColumn::Bitmap, -1, &MainWindow::Canvas3};
    return loadPictures(kind, {{}, CanvasBorderTop});
}

bool MainWindow::LoadAllMaskPictures()
{
    static const PictureKind kind{"PicM", &Skin::PictureMaskProperties, PictureMaskColumn::Bitmap,
                                  PictureMaskColumn::BitmapMask, &MainWindow::Canvas4};
    return loadPictures(kind, {{}, CanvasBorderTop});
}

bool MainWindow::LoadAllButtons()
{
    static const PictureKind kind{"Bt", &Skin::ButtonProperties, ButtonColumn::Bitmap, -1, &MainWindow::Canvas1};
    return loadPictures(kind, {{}, CanvasBorderTop});
}

bool MainWindow::LoadAllMaskButtons()
{
    static const PictureKind kind{"BtM", &Skin::ButtonMaskProperties, ButtonMaskColumn::Bitmap,
                                  ButtonMaskColumn::BitmapMask, &MainWindow::Canvas2};
    return loadPictures(kind, {{}, CanvasBorderTop});
}

bool MainWindow::LoadAllLockIcons()
{
    static const PictureKind kind{"Lok", &Skin::LockIconProperties, PictureMaskColumn::Bitmap,
                                  PictureMaskColumn::BitmapMask, &MainWindow::Canvas5};
    return loadPictures(kind, {{}, CanvasBorderTop});
}

bool MainWindow::LoadAllTrashIcons()
{
    static const PictureKind kind{"Tra", &Skin::TrashProperties, PictureMaskColumn::Bitmap,
                                  PictureMaskColumn::BitmapMask, &MainWindow::Canvas6};
    return loadPictures(kind, {{}, CanvasBorderTop});
}

bool MainWindow::LoadAllTodayIndicators()
{
    static const PictureKind kind{"ToI", &Skin::TodayIndicatorProperties, TodayIndicatorColumn::Selected,
                                  TodayIndicatorColumn::SelectedMask, &MainWindow::Canvas7};
    return loadPictures(kind, {{}, CanvasBorderTop});
}

bool MainWindow::LoadLabels()
{
    return loadLabels(&Skin::LabelProperties, &MainWindow::Label1, QStringLiteral("Lab"), {{}, CanvasBorderTop});
}

namespace {

// The today view's built-in pictures, drawn in the key colours that the skin's
// colours replace.
QImage builtInPicture(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

} // namespace

const QImage &MainWindow::todayTop()
{
    if (m_todayTop.isNull())
        m_todayTop = builtInPicture(QStringLiteral(":/images/todayviewoben.png"));
    return m_todayTop;
}

const QImage &MainWindow::todayBottom()
{
    if (m_todayBottom.isNull())
        m_todayBottom = builtInPicture(QStringLiteral(":/images/todayviewunten.png"));
    return m_todayBottom;
}

bool MainWindow::LoadToday()
{
    discardAll(CanvasTo);
    const ElementTable &table = skin().TodayProperties;
    const int plane = skin().getActivePage();
    for (int slot = 0; slot < table.slotCount(); ++slot) {
        const auto value = [&](int column) { return table.value(plane, slot, column); };
        if (value(TodayColumn::TextColor).isEmpty())
            continue;
        auto *canvas = new ElementCanvas(QStringLiteral("To"), slot, m_phoneView);
        CanvasTo.append(canvas);
        const ElementPicture::TodayColors colors{string2color(value(TodayColumn::TextColor)),
                                                 string2color(value(TodayColumn::SelectedTextColor)),
                                                 string2color(value(TodayColumn::HighlightColor))};
        QImage view = ElementPicture::todayView(todayTop(), todayBottom(), NumberText::val(value(TodayColumn::Height)),
                                                      zoom(), colors, phoneSize().height());
        const qint64 top = CanvasBorderTop + qint64(NumberText::val(value(TodayColumn::Y)) * zoom());
        canvas->setGeometry(0, placed(top), view.width(), view.height());
        if (!view.isNull())
            canvas->setPicture(QPixmap::fromImage(std::move(view)));
        canvas->show();
    }
    return true;
}
