// MainWindow: building the page on the phone view from the skin model.

#include "mainwindow.h"

#include "document/mapping.h"
#include "document/numbertext.h"
#include "document/phonescreen.h"
#include "document/recordformat.h"
#include "document/skindocument.h"
#include "document/skinpaths.h"
#include "document/skinpicture.h"
#include "document/validation.h"
#include "elementcanvas.h"
#include "elementpicture.h"
#include "mystatictext.h"
#include "phoneview.h"
#include "widgets/viewoptions.h"

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
    m_document.setActiveSurface(Surface::Page);
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
    discardKinds(Surface::Page);
    discard(Background);
    Background = nullptr;
    return true;
}

void MainWindow::reportMissingImages()
{
    if (!missingImages.isEmpty())
        Validation::ErrorMessage(QStringLiteral("These images are missing:"), missingImages, m_prompts);
}

void MainWindow::raisePopupControls()
{
    if (PopupBackground)
        PopupBackground->raise();
    // In the order the popup rebuild made them, which is the order of the kinds.
    for (const ElementKind &kind : ElementKinds::all()) {
        if (kind.surface != Surface::Popup)
            continue;
        for (ElementCanvas *canvas : std::as_const(m_canvases[size_t(kind.id)]))
            canvas->raise();
        for (MyStaticText *label : std::as_const(m_labels[size_t(kind.id)]))
            label->raise();
    }
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
    const int page = m_document.getActivePage();
    Background = new ElementCanvas(QString(), 0, m_phoneView);
    Background->setAccessibleName(QStringLiteral("Background"));
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

MainWindow::Placement MainWindow::pagePlacement() const
{
    return {{}, CanvasBorderTop};
}

bool MainWindow::loadPictures(const ElementKind &kind, const Placement &placement)
{
    QList<ElementCanvas *> &list = m_canvases[size_t(kind.id)];
    discardAll(list);
    const ElementTable &table = skin().table(kind);
    const int plane = m_document.getActivePage();
    const bool applyMask = kind.maskColumn() >= 0 && m_view.MaskStatus();
    const QSize limit = phoneSize();

    for (int slot = 0; slot < table.slotCount(); ++slot) {
        const QByteArray pictureName = table.value(plane, slot, kind.pictureColumn());
        if (pictureName.isEmpty())
            continue;
        const QImage picture = readPicture(pictureName);
        if (picture.isNull())
            continue;

        auto *canvas = new ElementCanvas(kind.identifierText(), slot, m_phoneView);
        canvas->installEventFilter(this);
        list.append(canvas);
        const QSize full(zoomed(picture.width()), zoomed(picture.height()));
        const QSize shownSize = ElementPicture::clamped(full, limit);
        const QImage mask = applyMask ? readMask(table.value(plane, slot, kind.maskColumn())) : QImage();
        QImage shown = mask.isNull() ? ElementPicture::scaled(picture, full, shownSize)
                                     : ElementPicture::masked(picture, mask, full, shownSize);
        canvas->setPicture(QPixmap::fromImage(std::move(shown)));
        canvas->setGeometry(placed(zoomed(table.value(plane, slot, kind.xColumn()), placement.offsetX)),
                            placed(qint64(zoomed(table.value(plane, slot, kind.yColumn()))) + placement.top),
                            shownSize.width(), shownSize.height());
        canvas->show();
    }
    return true;
}

bool MainWindow::loadLabels(const ElementKind &kind, const Placement &placement)
{
    QList<MyStaticText *> &list = m_labels[size_t(kind.id)];
    discardAll(list);
    const ElementTable &table = skin().table(kind);
    const int plane = m_document.getActivePage();
    const QSize limit = phoneSize();

    for (int slot = 0; slot < table.slotCount(); ++slot) {
        const auto value = [&](int column) { return table.value(plane, slot, column); };
        if (value(kind.keyColumn()).isEmpty())
            continue;
        auto *label = new MyStaticText(kind.identifierText(), slot, m_phoneView);
        label->installEventFilter(this);
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
    return loadPictures(ElementKinds::get(KindId::Pic), pagePlacement());
}

bool MainWindow::LoadAllMaskPictures()
{
    return loadPictures(ElementKinds::get(KindId::PicM), pagePlacement());
}

bool MainWindow::LoadAllButtons()
{
    return loadPictures(ElementKinds::get(KindId::Bt), pagePlacement());
}

bool MainWindow::LoadAllMaskButtons()
{
    return loadPictures(ElementKinds::get(KindId::BtM), pagePlacement());
}

bool MainWindow::LoadAllLockIcons()
{
    return loadPictures(ElementKinds::get(KindId::Lok), pagePlacement());
}

bool MainWindow::LoadAllTrashIcons()
{
    return loadPictures(ElementKinds::get(KindId::Tra), pagePlacement());
}

bool MainWindow::LoadAllTodayIndicators()
{
    return loadPictures(ElementKinds::get(KindId::ToI), pagePlacement());
}

bool MainWindow::LoadLabels()
{
    return loadLabels(ElementKinds::get(KindId::Lab), pagePlacement());
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
    const ElementKind &kind = ElementKinds::get(KindId::To);
    QList<ElementCanvas *> &list = m_canvases[size_t(kind.id)];
    discardAll(list);
    const ElementTable &table = skin().table(kind);
    const int plane = m_document.getActivePage();
    for (int slot = 0; slot < table.slotCount(); ++slot) {
        const auto value = [&](int column) { return table.value(plane, slot, column); };
        if (value(kind.keyColumn()).isEmpty())
            continue;
        auto *canvas = new ElementCanvas(kind.identifierText(), slot, m_phoneView);
        canvas->installEventFilter(this);
        list.append(canvas);
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
