#include "toolwindow.h"

#include "widgets/layoutfont.h"
#include "widgets/namedcombobox.h"
#include "widgets/viewoptions.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLabel>


namespace {

struct ZoomStep
{
    const char *caption;
    double zoom;
};
constexpr ZoomStep zoomSteps[] = {{"100 %", 1.0}, {"150 %", 1.5}, {"200 %", 2.0}};

constexpr int WindowGap = 40;  // between the followed window's right edge and the toolbox
constexpr int WindowDrop = 50; // toolbox top below the followed window's top

QLabel *readOut(const QString &name, QWidget *parent, const QRect &geometry)
{
    auto *label = new QLabel(QStringLiteral("0"), parent);
    label->setAccessibleName(name);
    label->setAccessibleDescription(label->text());
    label->setGeometry(geometry);
    return label;
}

} // namespace

ToolWindow::ToolWindow(ViewOptions &view, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_view(view)
{
    setWindowTitle(QStringLiteral("Toolbox"));
    setFixedSize(165, 76);
    setFont(layoutFont(11));

    PopupZoom = new NamedComboBox(QStringLiteral("Zoom"), this);
    for (const ZoomStep &step : zoomSteps)
        PopupZoom->addItem(QString::fromLatin1(step.caption));
    PopupZoom->setGeometry(10, 14, 70, 20);

    xcoord = readOut(QStringLiteral("X"), this, QRect(94, 14, 23, 20));
    StaticText1 = new QLabel(QStringLiteral("/"), this);
    StaticText1->setGeometry(119, 14, 5, 20);
    ycoord = readOut(QStringLiteral("Y"), this, QRect(128, 14, 23, 20));

    CheckBoxMask = new QCheckBox(QStringLiteral("Mask Elements"), this);
    CheckBoxMask->setAccessibleName(CheckBoxMask->text());
    CheckBoxMask->setGeometry(10, 46, 129, 20);

    showViewOptions();
    connect(&m_view, &ViewOptions::zoomChanged, this, &ToolWindow::showViewOptions);
    connect(&m_view, &ViewOptions::maskStatusChanged, this, &ToolWindow::showViewOptions);
    connect(PopupZoom, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { PopupZoom_Change(); });
    connect(CheckBoxMask, &QCheckBox::toggled, this, [this] { CheckBoxMask_Action(); });
}

void ToolWindow::showViewOptions()
{
    const QSignalBlocker zoomBlocker(PopupZoom);
    const QSignalBlocker maskBlocker(CheckBoxMask);
    PopupZoom->setCurrentIndex(positionForZoom(m_view.ZoomFaktor()));
    CheckBoxMask->setChecked(m_view.MaskStatus());
}

double ToolWindow::zoomForPosition(int position)
{
    if (position < 0 || position >= int(std::size(zoomSteps)))
        return 1.0;
    return zoomSteps[position].zoom;
}

int ToolWindow::positionForZoom(double zoom)
{
    for (int position = 0; position < int(std::size(zoomSteps)); ++position) {
        if (qFuzzyCompare(zoomSteps[position].zoom, zoom))
            return position;
    }
    return 0;
}

void ToolWindow::followWindow(QWidget *window)
{
    if (m_followed)
        m_followed->removeEventFilter(this);
    m_followed = window;
    if (!window)
        return;
    m_followedAt = window->pos();
    window->installEventFilter(this);
}

void ToolWindow::placeBesideWindow()
{
    if (!m_followed)
        return;
    const QRect frame = m_followed->frameGeometry();
    move(frame.x() + frame.width() + WindowGap, frame.y() + WindowDrop);
}

bool ToolWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_followed && event->type() == QEvent::Move) {
        // By the same distance, so that a place the user gave the toolbox is kept.
        const QPoint now = m_followed->pos();
        move(pos() + now - m_followedAt);
        m_followedAt = now;
    }
    return QWidget::eventFilter(watched, event);
}

void ToolWindow::closeEvent(QCloseEvent *event)
{
    // Once the followed window has closed, the run is ending and the toolbox goes too.
    if (m_followed && m_followed->isVisible())
        event->ignore();
}

void ToolWindow::PopupZoom_Change()
{
    const bool wasVisible = isVisible();
    hide();
    m_view.setZoomFaktor(zoomForPosition(PopupZoom->currentIndex()));
    if (m_followed) {
        const QRect frame = m_followed->frameGeometry();
        move(frame.x() + frame.width() + WindowGap, y());
    }
    if (wasVisible)
        show();
}

void ToolWindow::CheckBoxMask_Action()
{
    m_view.setMaskStatus(CheckBoxMask->isChecked());
}

void ToolWindow::showPosition(const QString &x, const QString &y)
{
    for (const auto &[label, text] : {std::pair{xcoord, x}, std::pair{ycoord, y}}) {
        label->setText(text);
        // A screen reader says the name, "X", and then this.
        label->setAccessibleDescription(text);
    }
}
