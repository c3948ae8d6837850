#include "app/app.h"
#include "app/qtprompts.h"
#include "morvantaversion.h"
#include "scriptedprompts.h"
#include "widgets/aboutwindow.h"
#include "widgets/linklabel.h"
#include "widgets/loadingwindow.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QProgressBar>
#include <QtTest>

// Stands in for the browser: records every URL the program asks to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loadingWindowLayout();
    void loadingWindowShowsProgress_data();
    void loadingWindowShowsProgress();
    void aboutWindowTexts();
    void aboutWindowLogos_data();
    void aboutWindowLogos();
    void linkTurnsRedUnderTheMouse();
    void linkOpensTheHomePage_data();
    void linkOpensTheHomePage();
    void realSavePromptOffersThreeButtons_data();
    void realSavePromptOffersThreeButtons();

private:
    AboutWindow *openAboutWindow(App &app);
};

void TestWindows::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestWindows::loadingWindowLayout()
{
    LoadingWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Loading..."));
    QCOMPARE(window.size(), QSize(200, 85));
    QCOMPARE(window.LoadText()->geometry(), QRect(20, 14, 215, 20));
    QCOMPARE(window.LoadText()->text(), QStringLiteral("Text:"));
    QCOMPARE(window.LoadText()->font().pixelSize(), 12);
    QCOMPARE(window.ProgressBar1()->geometry(), QRect(20, 46, 160, 20));
    QCOMPARE(window.ProgressBar1()->maximum(), 100);
    QVERIFY(!window.isModal());
}

void TestWindows::loadingWindowShowsProgress_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<int>>("percents");

    QTest::newRow("one page") << QStringList{QStringLiteral("page_0")} << QList<int>{0};
    QTest::newRow("five pages") << QStringList{"p0", "p1", "p2", "p3", "p4"} << QList<int>{0, 25, 50, 75, 100};
}

void TestWindows::loadingWindowShowsProgress()
{
    QFETCH(QStringList, files);
    QFETCH(QList<int>, percents);

    LoadingWindow window;
    window.showNow();
    QVERIFY(window.isVisible());
    for (int i = 0; i < files.size(); ++i) {
        window.setProgress(files.at(i), percents.at(i));
        QCOMPARE(window.LoadText()->text(), files.at(i));
        QCOMPARE(window.ProgressBar1()->value(), percents.at(i));
    }
}

AboutWindow *TestWindows::openAboutWindow(App &app)
{
    app.MenuAbout_Action();
    AboutWindow *about = app.aboutWindow();
    if (about)
        about->show();
    return about;
}

void TestWindows::aboutWindowTexts()
{
    App app(std::make_unique<ScriptedPrompts>());
    AboutWindow *about = openAboutWindow(app);
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(about->size(), QSize(280, 278));
    QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));

    const auto *name = about->findChild<QLabel *>(QStringLiteral("StaticText1"));
    QVERIFY(name);
    QCOMPARE(name->text(), QStringLiteral("Morvanta"));
    QCOMPARE(name->font().pixelSize(), 14);
    QVERIFY(name->font().bold());
    QCOMPARE(name->alignment(), Qt::AlignCenter);

    QCOMPARE(about->VersionText()->text(), App::versionText());
    QCOMPARE(about->VersionText()->text(), QStringLiteral("Version ") + QLatin1String(MorvantaVersion::Text));

    const auto *rights = about->findChild<QLabel *>(QStringLiteral("StaticText2"));
    QVERIFY(rights);
    QCOMPARE(rights->text().count(QLatin1Char('\n')), 1);

    const QLabel *link = about->StaticText3();
    QCOMPARE(link->geometry(), QRect(85, 192, 110, 20));
    QVERIFY(link->font().underline());
    QCOMPARE(link->font().pixelSize(), 10);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    // A second "About Morvanta" brings the same window forward.
    app.MenuAbout_Action();
    QCOMPARE(app.aboutWindow(), about);
}

void TestWindows::aboutWindowLogos_data()
{
    QTest::addColumn<QString>("canvas");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("product logo") << QStringLiteral("Canvas1") << QRect(108, 14, 64, 64);
    QTest::newRow("maker logo") << QStringLiteral("Canvas2") << QRect(114, 224, 52, 34);
}

void TestWindows::aboutWindowLogos()
{
    QFETCH(QString, canvas);
    QFETCH(QRect, geometry);

    App app(std::make_unique<ScriptedPrompts>());
    AboutWindow *about = openAboutWindow(app);
    const auto *logo = about->findChild<QLabel *>(canvas);
    QVERIFY(logo);
    QCOMPARE(logo->geometry(), geometry);
    const QImage image = logo->pixmap().toImage();
    QCOMPARE(image.size(), geometry.size());
    // White in the mask is transparent, black opaque.
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(image.pixelColor(geometry.width() / 2, geometry.height() / 2).alpha(), 255);
}

void TestWindows::linkTurnsRedUnderTheMouse()
{
    App app(std::make_unique<ScriptedPrompts>());
    QLabel *link = openAboutWindow(app)->StaticText3();

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), link->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(link, &enter);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(link, &leave);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

void TestWindows::linkOpensTheHomePage_data()
{
    QTest::addColumn<bool>("byScreenReader");
    QTest::newRow("clicked") << false;
    QTest::newRow("pressed from the accessibility tree") << true;
}

void TestWindows::linkOpensTheHomePage()
{
    QFETCH(bool, byScreenReader);
    UrlRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "open");
    App app(std::make_unique<ScriptedPrompts>());
    QLabel *link = openAboutWindow(app)->StaticText3();

    if (byScreenReader) {
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(link);
        QVERIFY(node);
        QCOMPARE(node->role(), QAccessible::Link);
        QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Morvanta Home"));
        QVERIFY(node->actionInterface());
        node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    } else {
        QTest::mouseClick(link, Qt::LeftButton);
    }

    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(browser.urls.size(), 1);
    const QUrl page = browser.urls.first();
    QVERIFY(page.isLocalFile());
    QCOMPARE(QFileInfo(page.toLocalFile()).fileName(), QStringLiteral("home.html"));
    QFile file(page.toLocalFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("Morvanta"));
}

void TestWindows::realSavePromptOffersThreeButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Prompts::SaveChoice>("choice");

    QTest::newRow("Save") << "Save" << Prompts::SaveChoice::Save;
    QTest::newRow("Don't Save") << "Don't Save" << Prompts::SaveChoice::DontSave;
    QTest::newRow("Cancel") << "Cancel" << Prompts::SaveChoice::Cancel;
}

void TestWindows::realSavePromptOffersThreeButtons()
{
    QFETCH(QString, button);
    QFETCH(Prompts::SaveChoice, choice);

    QStringList captions;
    QString defaultCaption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // Answers the modal box once it is up, as the user would.
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        icon = box->icon();
        for (QAbstractButton *b : box->buttons())
            captions << b->text().remove(QLatin1Char('&'));
        defaultCaption = box->defaultButton()->text();
        for (QAbstractButton *b : box->buttons()) {
            if (b->text().remove(QLatin1Char('&')) == button)
                b->click();
        }
    });

    QtPrompts prompts;
    const Prompts::SaveChoice answer = prompts.askToSave(QStringLiteral("Message"), QStringLiteral("Explanation"));

    QCOMPARE(answer, choice);
    QCOMPARE(icon, QMessageBox::Warning);
    captions.sort();
    QCOMPARE(captions, (QStringList{"Cancel", "Don't Save", "Save"}));
    QCOMPARE(defaultCaption, QStringLiteral("Save"));
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
