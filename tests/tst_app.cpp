#include "app/app.h"
#include "editor/elementcanvas.h"
#include "editor/mainwindow.h"
#include "navigator/drawer1.h"
#include "widgets/namedcombobox.h"
#include "scriptedprompts.h"
#include "toolbox/toolwindow.h"
#include "widgets/loadingwindow.h"
#include "testfiles.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using SaveChoice = Prompts::SaveChoice;

namespace {

const char NotASkinMessage[] = "Attention:\n\nNot a valid Velmora Skin!";

// A skin folder with a main skin file "skin.txt" and the page and popup files it names;
// the main skin file's path, empty when a file could not be written.
QString writeSkin(const QString &folder, const QByteArray &title, int pages = 1, int popups = 0)
{
    bool written = true;
    QByteArray main = "TITLE=\"" + title + "\"\rAUTHOR=\"Tester\"\rCOMMENT=\"Made by the shell tests\"\r";
    for (int i = 0; i < pages; ++i) {
        const QByteArray n = QByteArray::number(i);
        main += "PAGE=" + n + ",\"page_" + n + "\",\"Page " + n + "\"\r";
        written &= TestFiles::write(folder + "/page_" + n, "FULLSCREEN=0\rBACKGROUND=\"\"\r");
    }
    for (int i = 0; i < popups; ++i) {
        const QByteArray n = QByteArray::number(i);
        main += "POPUP=" + n + ",\"popup_" + n + "\",\"Popup " + n + "\"\r";
        written &= TestFiles::write(folder + "/popup_" + n,
                                    "LOCATION=10,40,150,120\rBACKGROUND=\"\"\rPOPUP_BEHAVIOUR=1,1,0,0\r");
    }
    const QString path = folder + QStringLiteral("/skin.txt");
    written &= TestFiles::write(path, main);
    return written ? path : QString();
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menusHoldTheirItemsInOrder_data();
    void menusHoldTheirItemsInOrder();
    void menuItemCaptionsAndShortcuts_data();
    void menuItemCaptionsAndShortcuts();
    void enablingFollowsTheOpenSkin_data();
    void enablingFollowsTheOpenSkin();
    void menusAreEnabledAfreshWhenOpened();
    void openRecentNeedsARecentEntry_data();
    void openRecentNeedsARecentEntry();
    void closeSavesThePreferences();
    void openRecentAcrossRuns();
    void openRecentAsksToSaveFirst_data();
    void openRecentAsksToSaveFirst();

    void readingShowsTheFirstPageOrPopup_data();
    void readingShowsTheFirstPageOrPopup();
    void refusedFileKeepsWhatWasOpen_data();
    void refusedFileKeepsWhatWasOpen();
    void cancelledOpenDialogChangesNothing();
    void readingAnotherSkinLeavesNothingOfTheFirst();
    void savingClearsTheMissingMarks();

    void saveChangesDialogAnswers_data();
    void saveChangesDialogAnswers();
    void unsavedChangesAreNeverDiscardedSilently_data();
    void unsavedChangesAreNeverDiscardedSilently();
    void noPromptWithoutChanges_data();
    void noPromptWithoutChanges();
    void newSkinStartsEmptyInTheChosenFolder();
    void closingTheEditorAsksToSave_data();
    void closingTheEditorAsksToSave();

    void openShowsTheEditorAndPlacesTheToolbox();
    void toolboxAndEditorAreWired();
    void helpPagesOpenInTheBrowser_data();
    void helpPagesOpenInTheBrowser();

public slots:
    void recordUrl(const QUrl &url) { m_openedUrls.append(url); }

private:
    // Reads the skin and checks it was accepted.
    bool read(const QString &mainSkinFile);
    // The captions of "Open Recent", top to bottom.
    QStringList recentCaptions() const;
    QAction *recentItem(int index) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<App> m_app;
    ScriptedPrompts *m_prompts = nullptr;
    QList<QUrl> m_openedUrls;
};

void TestApp::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestApp::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QFile::remove(BPrefs::PrefsFile()); // no recent list from an earlier test
    auto prompts = std::make_unique<ScriptedPrompts>();
    m_prompts = prompts.get();
    m_app = std::make_unique<App>(std::move(prompts));
    m_openedUrls.clear();
}

void TestApp::cleanup()
{
    m_app.reset();
    m_dir.reset();
}

bool TestApp::read(const QString &mainSkinFile)
{
    return m_app->readMainSkinFile(mainSkinFile) && m_app->document().isSkinLoaded();
}

// --- menus

void TestApp::menusHoldTheirItemsInOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("items"); // "-" for a separator

    QTest::newRow("Ablage") << "AblageMenu" << "&Ablage"
                            << QStringList{"MenuNew", "MenuOpen", "AblageOpenRecent", "MenuSave", "AblageBeen"};
    QTest::newRow("Bearbeiten") << "BearbeitenMenu" << "&Bearbeiten"
                                << QStringList{"BearbeitenWiderrufen", "-", "BearbeitenAusschneiden",
                                               "BearbeitenKopieren", "BearbeitenEinsetzen",
                                               QStringLiteral("BearbeitenLöschen")};
    QTest::newRow("Skin") << "SkinMenu" << "Skin"
                          << QStringList{"MenuSkinEigenschaften", "SkinBuild", "SkinBeamtoHandy"};
    QTest::newRow("Help") << "HelpMenu" << "Help" << QStringList{"MenuHelp", "MenuFAQ", "-", "MenuAbout"};
}

void TestApp::menusHoldTheirItemsInOrder()
{
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QStringList, items);

    QMenu *found = m_app->menu(menu);
    QVERIFY(found);
    QCOMPARE(found->objectName(), menu);
    QCOMPARE(found->title(), caption);
    QVERIFY(m_app->mainWindow()->menuBar()->actions().contains(found->menuAction()));

    QStringList names;
    for (const QAction *action : found->actions())
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(names, items);
    for (const QString &item : items) {
        if (item != QLatin1String("-"))
            QCOMPARE(m_app->menuAction(item), found->actions().at(items.indexOf(item)));
    }
}

void TestApp::menuItemCaptionsAndShortcuts_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");

    QTest::newRow("New") << "MenuNew" << "New Skin" << QKeySequence(QKeySequence::New);
    QTest::newRow("Open") << "MenuOpen" << "Open..." << QKeySequence(QKeySequence::Open);
    QTest::newRow("Open Recent") << "AblageOpenRecent" << "Open Recent" << QKeySequence();
    QTest::newRow("Save") << "MenuSave" << "Save" << QKeySequence(QKeySequence::Save);
    QTest::newRow("Quit") << "AblageBeen" << "Quit" << QKeySequence(QKeySequence::Quit);
    QTest::newRow("Undo") << "BearbeitenWiderrufen" << QStringLiteral("Rückgängig") << QKeySequence(QKeySequence::Undo);
    QTest::newRow("Cut") << "BearbeitenAusschneiden" << "Ausschneiden" << QKeySequence(QKeySequence::Cut);
    QTest::newRow("Copy") << "BearbeitenKopieren" << "Kopieren" << QKeySequence(QKeySequence::Copy);
    QTest::newRow("Paste") << "BearbeitenEinsetzen" << QStringLiteral("Einfügen") << QKeySequence(QKeySequence::Paste);
    QTest::newRow("Delete") << QStringLiteral("BearbeitenLöschen") << QStringLiteral("Löschen") << QKeySequence();
    QTest::newRow("Properties") << "MenuSkinEigenschaften" << "Properties" << QKeySequence();
    QTest::newRow("Build") << "SkinBuild" << "Build..." << QKeySequence();
    QTest::newRow("Beam") << "SkinBeamtoHandy" << "Beam to Handy..." << QKeySequence();
    QTest::newRow("Help") << "MenuHelp" << "Morvanta Help" << QKeySequence(QKeySequence::HelpContents);
    QTest::newRow("FAQ") << "MenuFAQ" << "FAQ" << QKeySequence();
    QTest::newRow("About") << "MenuAbout" << "About Morvanta" << QKeySequence();
}

void TestApp::menuItemCaptionsAndShortcuts()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);

    const QAction *action = m_app->menuAction(item);
    QVERIFY(action);
    QCOMPARE(action->objectName(), item);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
}

void TestApp::enablingFollowsTheOpenSkin_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("skinOpen");

    QTest::newRow("at start") << "start" << false;
    QTest::newRow("after reading") << "read" << true;
    QTest::newRow("after New Skin") << "new" << true;
}

void TestApp::enablingFollowsTheOpenSkin()
{
    QFETCH(QString, state);
    QFETCH(bool, skinOpen);

    if (state == QLatin1String("read")) {
        QVERIFY(read(writeSkin(m_dir->filePath("skin"), "Demo")));
    } else if (state == QLatin1String("new")) {
        m_prompts->saveFileAnswers.enqueue(m_dir->filePath("new.txt"));
        m_app->menuAction("MenuNew")->trigger();
    }

    const QStringList alwaysEnabled{"MenuNew", "MenuOpen", "AblageBeen", "BearbeitenWiderrufen",
                                    "BearbeitenAusschneiden", "BearbeitenKopieren", "BearbeitenEinsetzen",
                                    QStringLiteral("BearbeitenLöschen"), "MenuHelp", "MenuFAQ", "MenuAbout"};
    for (const QString &item : alwaysEnabled)
        QVERIFY2(m_app->menuAction(item)->isEnabled(), qPrintable(item));
    QCOMPARE(m_app->menuAction("MenuSave")->isEnabled(), skinOpen);
    QCOMPARE(m_app->menuAction("MenuSkinEigenschaften")->isEnabled(), skinOpen);
    QVERIFY(!m_app->menuAction("SkinBuild")->isEnabled());
    QVERIFY(!m_app->menuAction("SkinBeamtoHandy")->isEnabled());
    // No recent list yet.
    QVERIFY(!m_app->menuAction("AblageOpenRecent")->isEnabled());
}

void TestApp::menusAreEnabledAfreshWhenOpened()
{
    QAction *save = m_app->menuAction("MenuSave");
    m_app->document().installSkin(Skin());
    QVERIFY(!save->isEnabled());
    emit m_app->menu("AblageMenu")->aboutToShow();
    QVERIFY(save->isEnabled());
}

void TestApp::openRecentNeedsARecentEntry_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("recent_0") << "recent_0" << true;
    QTest::newRow("letter case ignored") << "RECENT_0" << true;
    QTest::newRow("only a later entry") << "recent_1" << false;
}

void TestApp::openRecentNeedsARecentEntry()
{
    QFETCH(QString, key);
    QFETCH(bool, enabled);

    m_app->prefs().setValue(key, QStringLiteral("skin.txt"));
    emit m_app->menu("AblageMenu")->aboutToShow();
    QCOMPARE(m_app->menuAction("AblageOpenRecent")->isEnabled(), enabled);
}

void TestApp::closeSavesThePreferences()
{
    m_app->prefs().setValue(QStringLiteral("recent_0"), QStringLiteral("skin.txt"));
    m_app->Close();
    QVERIFY(BPrefs().HasKey(QStringLiteral("recent_0")));
}

QStringList TestApp::recentCaptions() const
{
    QStringList captions;
    for (const QAction *item : m_app->menu("AblageOpenRecentMenu")->actions())
        captions << item->text();
    return captions;
}

QAction *TestApp::recentItem(int index) const
{
    return m_app->menu("AblageOpenRecentMenu")->findChild<QAction *>(QStringLiteral("MenuRecent%1").arg(index));
}

// Three skins whose main files share a name are listed by their paths, survive the
// end of the run, and reopening one moves it to the top; a vanished one is named and
// stays listed.
void TestApp::openRecentAcrossRuns()
{
    m_app->Open();
    QStringList paths;
    for (int i = 0; i < 3; ++i) {
        paths.prepend(writeSkin(m_dir->filePath(QStringLiteral("s%1").arg(i)), "S"));
        QVERIFY(read(paths.first()));
    }
    QCOMPARE(recentCaptions(), paths);
    m_app->Close();

    m_app = std::make_unique<App>(std::make_unique<ScriptedPrompts>());
    m_prompts = static_cast<ScriptedPrompts *>(&m_app->prompts());
    m_app->Open();
    QCOMPARE(recentCaptions(), paths);
    emit m_app->menu("AblageMenu")->aboutToShow();
    QVERIFY(m_app->menuAction("AblageOpenRecent")->isEnabled());

    recentItem(2)->trigger();
    QCOMPARE(m_app->document().skin().AbsolutPathToSkin, m_dir->filePath("s0/"));
    QCOMPARE(recentCaptions(), (QStringList{paths.at(2), paths.at(0), paths.at(1)}));

    QVERIFY(QDir(m_dir->filePath("s1")).removeRecursively());
    recentItem(2)->trigger();
    QCOMPARE(m_prompts->lastMessage(), QStringLiteral("Attention:\n\nFile does not exists!"));
    QCOMPARE(m_prompts->messages.last().icon, Prompts::Icon::Plain);
    QCOMPARE(m_app->document().skin().AbsolutPathToSkin, m_dir->filePath("s0/"));
    QCOMPARE(recentCaptions().size(), 3);
}

void TestApp::openRecentAsksToSaveFirst_data()
{
    QTest::addColumn<SaveChoice>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("Cancel") << SaveChoice::Cancel << false;
    QTest::newRow("Don't Save") << SaveChoice::DontSave << true;
}

void TestApp::openRecentAsksToSaveFirst()
{
    QFETCH(SaveChoice, answer);
    QFETCH(bool, opened);
    m_app->Open();
    QVERIFY(read(writeSkin(m_dir->filePath("a"), "A")));
    QVERIFY(read(writeSkin(m_dir->filePath("b"), "B")));
    m_app->document().markSkinModified();
    m_prompts->saveAnswers.enqueue(answer);

    recentItem(1)->trigger();
    QCOMPARE(m_prompts->questions.size(), 1);
    QCOMPARE(m_app->document().skin().SkinTitle, QByteArray(opened ? "A" : "B"));
}

// --- reading

void TestApp::readingShowsTheFirstPageOrPopup_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("popups");
    QTest::addColumn<bool>("popupMode");

    QTest::newRow("pages and popups") << 2 << 1 << false;
    QTest::newRow("popups only") << 0 << 2 << true;
    QTest::newRow("neither") << 0 << 0 << false;
}

void TestApp::readingShowsTheFirstPageOrPopup()
{
    QFETCH(int, pages);
    QFETCH(int, popups);
    QFETCH(bool, popupMode);

    m_app->document().markSkinModified();
    QVERIFY(read(writeSkin(m_dir->filePath("skin"), "Caf\xe9", pages, popups)));

    const SkinDocument &document = m_app->document();
    QCOMPARE(document.isPopupMode(), popupMode);
    if (pages > 0)
        QCOMPARE(document.ActivePage(), 0);
    if (popupMode)
        QCOMPARE(document.ActivePopup(), 0);
    QVERIFY(!document.isSkinModified());
    QVERIFY(!m_app->mainWindow()->isWindowModified());
    QCOMPARE(m_app->mainWindow()->windowTitle(), QStringLiteral("Caf\u00e9[*]"));
    QVERIFY(m_prompts->messages.isEmpty());
    QVERIFY(!m_app->loadingWindow() || !m_app->loadingWindow()->isVisible());
}

void TestApp::refusedFileKeepsWhatWasOpen_data()
{
    QTest::addColumn<bool>("skinOpenBefore");
    QTest::addColumn<QByteArray>("refused");

    const QByteArray twoValues = "TITLE=\"Only\"\rAUTHOR=\"Two\"\rPAGE=0,\"page_0\",\"Page\"\r";
    const QByteArray picture = QByteArray("BM\x36\x00\x00\x00", 6) + QByteArray(48, '\0');
    QTest::newRow("too few values, skin open") << true << twoValues;
    QTest::newRow("picture, skin open") << true << picture;
    QTest::newRow("too few values, nothing open") << false << twoValues;
}

void TestApp::refusedFileKeepsWhatWasOpen()
{
    QFETCH(bool, skinOpenBefore);
    QFETCH(QByteArray, refused);

    const QString skinFolder = m_dir->filePath("skin");
    if (skinOpenBefore) {
        QVERIFY(read(writeSkin(skinFolder, "Kept")));
        m_app->document().markSkinModified();
    }
    const QString notASkin = m_dir->filePath("notaskin.txt");
    QVERIFY(TestFiles::write(notASkin, refused));

    QVERIFY(!m_app->readMainSkinFile(notASkin));

    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->lastMessage(), QString::fromLatin1(NotASkinMessage));
    QCOMPARE(m_prompts->messages.first().icon, Prompts::Icon::Plain);
    const Skin &skin = m_app->document().skin();
    QCOMPARE(m_app->document().isSkinLoaded(), skinOpenBefore);
    QCOMPARE(m_app->menuAction("MenuSave")->isEnabled(), skinOpenBefore);
    if (skinOpenBefore) {
        QCOMPARE(skin.SkinTitle, QByteArray("Kept"));
        QCOMPARE(skin.AbsolutPathToSkin, skinFolder + QLatin1Char('/'));
        QVERIFY(m_app->document().isSkinModified());
        QVERIFY(m_app->mainWindow()->isWindowModified());
    }
}

void TestApp::cancelledOpenDialogChangesNothing()
{
    QVERIFY(read(writeSkin(m_dir->filePath("skin"), "Kept")));

    QVERIFY(m_app->readMainSkinFile()); // the scripted open dialog is cancelled
    QCOMPARE(m_app->document().skin().SkinTitle, QByteArray("Kept"));
    QVERIFY(m_prompts->messages.isEmpty());
}

// --- the save prompt

void TestApp::saveChangesDialogAnswers_data()
{
    QTest::addColumn<SaveChoice>("answer");
    QTest::addColumn<bool>("folderRemoved");
    QTest::addColumn<bool>("reportsCancel");
    QTest::addColumn<bool>("stillModified");

    QTest::newRow("Save") << SaveChoice::Save << false << false << false;
    QTest::newRow("Save fails") << SaveChoice::Save << true << true << true;
    QTest::newRow("Don't Save") << SaveChoice::DontSave << false << false << true;
    QTest::newRow("Cancel") << SaveChoice::Cancel << false << true << true;
}

void TestApp::saveChangesDialogAnswers()
{
    QFETCH(SaveChoice, answer);
    QFETCH(bool, folderRemoved);
    QFETCH(bool, reportsCancel);
    QFETCH(bool, stillModified);

    const QString folder = m_dir->filePath("skin");
    const QString mainFile = writeSkin(folder, "Before");
    QVERIFY(read(mainFile));
    m_app->document().skin().SkinTitle = "After";
    m_app->document().markSkinModified();
    if (folderRemoved)
        QVERIFY(QDir(folder).removeRecursively());
    m_prompts->saveAnswers.enqueue(answer);

    QCOMPARE(m_app->saveChangesDialog(), reportsCancel);

    QCOMPARE(m_prompts->questions,
             QStringList{"Do you want to save changes to this document before closing?\n"
                         "If you don't save, your changes will be lost. "});
    QCOMPARE(m_app->document().isSkinModified(), stillModified);
    QCOMPARE(m_app->mainWindow()->isWindowModified(), stillModified);
    const bool written = answer == SaveChoice::Save && !folderRemoved;
    QCOMPARE(TestFiles::read(mainFile).contains("TITLE=\"After\""), written);
    if (folderRemoved) {
        QCOMPARE(m_prompts->messages.size(), 1);
        QCOMPARE(m_prompts->messages.first().icon, Prompts::Icon::Caution);
        QVERIFY2(m_prompts->lastMessage().contains(folder), qPrintable(m_prompts->lastMessage()));
    } else {
        QVERIFY(m_prompts->messages.isEmpty());
    }
}

void TestApp::unsavedChangesAreNeverDiscardedSilently_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<SaveChoice>("answer");
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("goesAhead");

    for (const char *item : {"MenuOpen", "MenuNew", "AblageBeen"}) {
        QTest::addRow("%s, Cancel", item) << item << SaveChoice::Cancel << false << false;
        QTest::addRow("%s, Save fails", item) << item << SaveChoice::Save << true << false;
        QTest::addRow("%s, Save", item) << item << SaveChoice::Save << false << true;
        QTest::addRow("%s, Don't Save", item) << item << SaveChoice::DontSave << false << true;
    }
}

void TestApp::unsavedChangesAreNeverDiscardedSilently()
{
    QFETCH(QString, item);
    QFETCH(SaveChoice, answer);
    QFETCH(bool, saveFails);
    QFETCH(bool, goesAhead);

    m_app->Open();
    const QString folder = m_dir->filePath("first");
    QVERIFY(read(writeSkin(folder, "First")));
    m_app->document().markSkinModified();
    if (saveFails)
        QVERIFY(QDir(folder).removeRecursively());
    m_prompts->saveAnswers.enqueue(answer);
    m_prompts->openFileAnswers.enqueue(writeSkin(m_dir->filePath("second"), "Second"));
    QDir().mkpath(m_dir->filePath("new"));
    m_prompts->saveFileAnswers.enqueue(m_dir->filePath("new/new.txt"));

    m_app->menuAction(item)->trigger();

    QCOMPARE(m_prompts->questions.size(), 1);
    if (item == QLatin1String("AblageBeen")) {
        QCOMPARE(m_app->mainWindow()->isVisible(), !goesAhead);
    } else {
        const Skin &skin = m_app->document().skin();
        const bool replaced = skin.SkinTitle != "First" || skin.MainSkinFile != "skin.txt";
        QCOMPARE(replaced, goesAhead);
    }
    if (!goesAhead) {
        QVERIFY(m_app->document().isSkinModified());
        // The action stopped at the prompt: no file dialog was shown.
        QCOMPARE(m_prompts->openFileAnswers.size(), 1);
        QCOMPARE(m_prompts->saveFileAnswers.size(), 1);
    }
}

void TestApp::noPromptWithoutChanges_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("Open") << "MenuOpen";
    QTest::newRow("New Skin") << "MenuNew";
    QTest::newRow("Quit") << "AblageBeen";
}

void TestApp::noPromptWithoutChanges()
{
    QFETCH(QString, item);

    m_app->Open();
    QVERIFY(read(writeSkin(m_dir->filePath("first"), "First")));
    m_app->menuAction(item)->trigger();
    QVERIFY(m_prompts->questions.isEmpty());
}

// Nothing of a skin that was open, edited and selected in, reaches the editor, the
// model or the window title once another skin is read.
void TestApp::readingAnotherSkinLeavesNothingOfTheFirst()
{
    m_app->Open();
    const QString first = m_dir->filePath("first");
    QVERIFY(read(writeSkin(first, "First", 1, 1)));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(first + "/b.bmp", "BMP"));
    SkinDocument &document = m_app->document();
    document.skin().ButtonProperties.setRecord(0, 0, {"10", "20", "101", "", "b.bmp", ""});
    document.skin().DeleteFiles << "popup_0";
    MainWindow *editor = m_app->mainWindow();
    document.requestRebuild(Surface::Page);
    QVERIFY(editor->initializeCanvas(0, editor->Canvas1().value(0), "Bt", QPoint(12, 47), false));
    document.markSkinModified();
    m_app->drawer()->PopupMenuItems->setCurrentIndex(1); // the popup over the page
    QVERIFY(editor->PopupBackground);

    QVERIFY(read(writeSkin(m_dir->filePath("second"), "Second")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QList<ElementCanvas *> shown = editor->phoneView()->findChildren<ElementCanvas *>();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first(), editor->Background);
    QVERIFY(!editor->ActiveCanvas && !editor->ActiveCanvasObject && !editor->PopupBackground);
    QCOMPARE(editor->getElementCounter("Bt"), 0);
    QCOMPARE(document.skin().SkinTitle, QByteArray("Second"));
    QVERIFY(document.skin().DeleteFiles.isEmpty());
    QVERIFY(!document.skin().ButtonProperties.isUsed(0, 0, ButtonColumn::Bitmap));
    QVERIFY(document.ActiveElement().isEmpty());
    QCOMPARE(document.ActiveCanvasIndex(), -1);
    QVERIFY(document.ElementArr().isEmpty());
    QVERIFY(!document.isPopupMode());
    QVERIFY(!document.isSkinModified());
    QCOMPARE(editor->windowTitle(), QStringLiteral("Second[*]"));
    QVERIFY(!editor->isWindowModified());
}

void TestApp::savingClearsTheMissingMarks()
{
    const QString main = writeSkin(m_dir->filePath("skin"), "Skin", 2);
    QVERIFY(QFile::remove(m_dir->filePath("skin/page_1")));
    QVERIFY(read(main));
    const QListWidget *pages = m_app->drawer()->TableItems;
    QCOMPARE(pages->item(1)->text(), QStringLiteral("Page 1 !!!"));
    QVERIFY(m_app->write());
    QCOMPARE(pages->item(1)->text(), QStringLiteral("Page 1"));
    QVERIFY(QFileInfo::exists(m_dir->filePath("skin/page_1")));
}

void TestApp::newSkinStartsEmptyInTheChosenFolder()
{
    QVERIFY(read(writeSkin(m_dir->filePath("old"), "Old", 2, 1)));
    m_app->document().skin().DeleteFiles << "page_1";
    const QString folder = m_dir->filePath("fresh");
    QDir().mkpath(folder);
    m_prompts->saveFileAnswers.enqueue(folder + QStringLiteral("/main.skin"));

    m_app->menuAction("MenuNew")->trigger();

    const Skin &skin = m_app->document().skin();
    QCOMPARE(skin.AbsolutPathToSkin, folder + QLatin1Char('/'));
    QCOMPARE(skin.MainSkinFile, QStringLiteral("main.skin"));
    QVERIFY(m_app->document().isSkinLoaded());
    QVERIFY(!m_app->document().newSkin());
    QVERIFY(skin.SkinTitle.isEmpty());
    QCOMPARE(skin.pageCounter(), -1);
    QCOMPARE(skin.popupCounter(), -1);
    // Names of the old skin's removed pages must never reach the new folder's save.
    QVERIFY(skin.DeleteFiles.isEmpty());
    QVERIFY(!m_app->document().isPopupMode());
    QCOMPARE(m_app->drawer()->TableItems->count(), 0); // no rows of the old skin
    QVERIFY(m_app->drawer()->AddButton->isEnabled());
    QVERIFY(m_app->menuAction("MenuSave")->isEnabled());
    QVERIFY(QDir(folder).isEmpty()); // nothing is written before Save
}

void TestApp::closingTheEditorAsksToSave_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<SaveChoice>("answer");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("nothing to save") << false << SaveChoice::Cancel << false;
    QTest::newRow("cancelled") << true << SaveChoice::Cancel << true;
    QTest::newRow("don't save") << true << SaveChoice::DontSave << false;
}

// The window's own close button, as well as Quit.
void TestApp::closingTheEditorAsksToSave()
{
    QFETCH(bool, modified);
    QFETCH(SaveChoice, answer);
    QFETCH(bool, staysOpen);
    m_app->Open();
    QVERIFY(read(writeSkin(m_dir->filePath("skin"), "Skin")));
    if (modified)
        m_app->document().markSkinModified();
    m_prompts->saveAnswers.enqueue(answer);

    m_app->mainWindow()->close();
    QCOMPARE(m_app->mainWindow()->isVisible(), staysOpen);
    QCOMPARE(m_prompts->questions.size(), modified ? 1 : 0);
}

// --- windows and help

void TestApp::openShowsTheEditorAndPlacesTheToolbox()
{
    m_app->Open();
    const MainWindow *editor = m_app->mainWindow();
    const ToolWindow *toolbox = m_app->toolWindow();
    QVERIFY(editor->isVisible());
    QVERIFY(toolbox->isVisible());
    const QRect frame = editor->frameGeometry();
    QCOMPARE(toolbox->frameGeometry().topLeft(), QPoint(frame.x() + frame.width() + 40, frame.y() + 50));
}

// The toolbox sets the zoom the editor shows, and shows the position the editor
// announces; neither window knows the other.
void TestApp::toolboxAndEditorAreWired()
{
    m_app->Open();
    const QString folder = m_dir->filePath("skin");
    QVERIFY(read(writeSkin(folder, "Skin")));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(folder + "/b.bmp", "BMP"));
    m_app->document().skin().ButtonProperties.setRecord(0, 0, {"12", "34", "101", "", "b.bmp", ""});
    ToolWindow *toolbox = m_app->toolWindow();
    MainWindow *editor = m_app->mainWindow();

    toolbox->PopupZoom->setCurrentIndex(2);
    QCOMPARE(m_app->viewOptions().ZoomFaktor(), 2.0);
    QCOMPARE(editor->phoneView()->size(), QSize(416, 640));
    QVERIFY(toolbox->isVisible());
    QCOMPARE(toolbox->x(), editor->frameGeometry().right() + 1 + 40);
    ElementCanvas *button = editor->Canvas1().value(0);
    QVERIFY(button);
    QCOMPARE(button->size(), QSize(8, 8));

    QVERIFY(editor->initializeCanvas(0, button, "Bt", button->geometry().center(), false));
    QCOMPARE(toolbox->xcoord->text(), QStringLiteral("12"));
    QCOMPARE(toolbox->ycoord->text(), QStringLiteral("34"));
}

void TestApp::helpPagesOpenInTheBrowser_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("page");

    QTest::newRow("help") << "MenuHelp" << "help.html";
    QTest::newRow("FAQ") << "MenuFAQ" << "faq.html";
}

void TestApp::helpPagesOpenInTheBrowser()
{
    QFETCH(QString, item);
    QFETCH(QString, page);

    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "recordUrl");
    m_app->menuAction(item)->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    QCOMPARE(m_openedUrls.size(), 1);
    const QFileInfo opened(m_openedUrls.first().toLocalFile());
    QCOMPARE(opened.fileName(), page);
    const QByteArray html = TestFiles::read(opened.filePath());
    QVERIFY(html.contains("<h1>"));
    // Its stylesheet and the pages it links to are copied beside it.
    QVERIFY(QFileInfo::exists(opened.dir().filePath("style.css")));
    QVERIFY(QFileInfo::exists(opened.dir().filePath("faq.html")));
    QVERIFY(m_prompts->messages.isEmpty());
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
