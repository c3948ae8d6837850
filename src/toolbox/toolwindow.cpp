#include "toolwindow.h"

#include "app/app.h"
#include "editor/mainwindow.h"
#include "editor/phoneview.h"
#include "widgets/carbondeclares.h"
#include "widgets/layoutfont.h"

#include <QCheckBox>
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

constexpr int EditorGap = 40;     // between the editor window's right edge and the toolbox
constexpr int EditorDrop = 50;    // toolbox top below the editor window's top
constexpr int DrawerShorterBy = 40;

} // namespace

ToolWindow::ToolWindow(App &app, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_app(app)
{
    setWindowTitle(QStringLiteral("Toolbox"));
    setFixedSize(165, 76);
    setFont(layoutFont(11));

    PopupZoom = new QComboBox(this);
    for (const ZoomStep &step : zoomSteps)
        PopupZoom->addItem(QString::fromLatin1(step.caption));
    PopupZoom->setGeometry(10, 14, 70, 20);

    xcoord = new QLabel(QStringLiteral("0"), this);
    xcoord->setGeometry(94, 14, 23, 20);
    StaticText1 = new QLabel(QStringLiteral("/"), this);
    StaticText1->setGeometry(119, 14, 5, 20);
    ycoord = new QLabel(QStringLiteral("0"), this);
    ycoord->setGeometry(128, 14, 23, 20);

    CheckBoxMask = new QCheckBox(QStringLiteral("Mask Elements"), this);
    CheckBoxMask->setGeometry(10, 46, 129, 20);
    CheckBoxMask->setChecked(true);

    ZoomFaktor = zoomForPosition(PopupZoom->currentIndex());
    MaskStatus = true;
    connect(PopupZoom, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { PopupZoom_Change(); });
    connect(CheckBoxMask, &QCheckBox::toggled, this, [this] { CheckBoxMask_Action(); });

    if (MainWindow *editor = m_app.mainWindow())
        editor->installEventFilter(this);
}

double ToolWindow::zoomForPosition(int position)
{
    if (position < 0 || position >= int(std::size(zoomSteps)))
        return 1.0;
    return zoomSteps[position].zoom;
}

int ToolWindow::drawerHeightForZoom(double zoom)
{
    return PhoneView::sizeForZoom(zoom).height() - DrawerShorterBy;
}

void ToolWindow::placeBesideEditor()
{
    const MainWindow *editor = m_app.mainWindow();
    if (!editor)
        return;
    const QRect frame = editor->frameGeometry();
    move(frame.x() + frame.width() + EditorGap, frame.y() + EditorDrop);
}

bool ToolWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_app.mainWindow() && event->type() == QEvent::Move)
        placeBesideEditor();
    return QWidget::eventFilter(watched, event);
}

void ToolWindow::PopupZoom_Change()
{
    MainWindow *editor = m_app.mainWindow();
    const double zoom = zoomForPosition(PopupZoom->currentIndex());
    const bool popupShown = m_app.skin().isPopupActive;
    ZoomFaktor = zoom;
    const bool wasVisible = isVisible();
    hide();

    if (popupShown)
        editor->deleteAllPopupElements(true);
    editor->deleteAllPageElements();
    resizeEditor(zoom);
    const QRect frame = editor->frameGeometry();
    move(frame.x() + frame.width() + EditorGap, y());
    if (wasVisible)
        show();
    editor->setPhoneFrame(zoom);
    rebuildEditor(popupShown);
    // The navigator drawer takes drawerHeightForZoom(zoom) once it is attached.
}

void ToolWindow::resizeEditor(double zoom)
{
    MainWindow *editor = m_app.mainWindow();
    const QSize target = editor->windowSizeForZoom(zoom);
    editor->unlockSize();
    CarbonDeclares::SmoothResize(editor, target.width(), target.height(), 0);
    editor->setPhoneViewZoom(zoom);
}

void ToolWindow::CheckBoxMask_Action()
{
    MaskStatus = CheckBoxMask->isChecked();
    rebuildEditor(m_app.skin().isPopupActive);
}

void ToolWindow::rebuildEditor(bool popupShown)
{
    if (!m_app.skin().SkinLoaded)
        return;
    MainWindow *editor = m_app.mainWindow();
    editor->PageAction();
    if (popupShown)
        editor->PopupAction();
}
