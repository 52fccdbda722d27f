// The ribbon as the main frame and the user meet it: an action per command with its caption,
// check mark and shortcut, buttons that trigger them, the language switch of every caption,
// the Language popup, and its look on the dark Fusion palette.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <utility>

#include "core/words.h"
#include "editor/command_table.h"
#include "editor/icon_set.h"
#include "editor/ribbon.h"

using namespace korvane;

namespace {

// The commands with their English captions, and the editor's additions.
const std::pair<int, const char *> kDescribedCaptions[] = {
    {821, "Select"},
    {822, "Create image control"},
    {823, "Create label text control"},
    {824, "Create button control"},
    {825, "Create horizontal slider control"},
    {826, "Create vertical slider control"},
    {827, "Create dial control"},
    {828, "Create wheel control"},
    {829, "Create color mixing control"},
    {830, "Create pan tilt control"},
    {831, "Create group buttons control"},
    {832, "Create group increment/decrement control"},
    {834, "Zoom Out"},
    {835, "Zoom In"},
    {836, "Delete"},
    {837, "Copy"},
    {838, "Paste"},
    {839, "New drawing ccd file"},
    {840, "Edit drawing ccd file"},
    {951, "Alignement on left sides"},
    {952, "Alignement on right sides"},
    {953, "Alignement on the tops"},
    {954, "Alignement on the bottoms"},
    {955, "Calcul space verticaly"},
    {956, "Calcul space horizontaly"},
    {957, "Standardization of heights"},
    {958, "Standardization of widths"},
    {959, "Standardization of sizes"},
    {960, "Snap moving on grid"},
    {961, "Lock"},
    {503, "Language"},
    {504, "?"},
    {0xE100, "New"},
    {0xE101, "Open"},
    {0xE103, "Save"},
    {0xE104, "Save as..."},
    {0xE140, "About..."},
    // The editor's additions.
    {0xE12B, "Undo"},
    {0xE12C, "Redo"},
    {0xE12A, "Select all"},
    {0xE107, "Print..."},
    {0xE141, "Exit"},
    {0xE143, "Help"},
};

const char *const kLanguageNames[] = {
    "English", "French", "Italian", "German", "Spanish", "Finnish", "Japanese", "Danish", "Greek", "Korean",
    "Simplified Chinese", "Hungarian(Magyar)", "Russian", "Dutch", "Swedish", "Portuguese", "Traditional Chinese",
    "Slovak", "Polak",
};

const std::pair<int, const char *> kExpectedShortcuts[] = {
    {kIdFileNew, "Ctrl+N"},    {kIdFileOpen, "Ctrl+O"}, {kIdFileSave, "Ctrl+S"}, {kIdFileSaveAs, "Ctrl+Shift+S"},
    {kIdUndo, "Ctrl+Z"},       {kIdRedo, "Ctrl+Y"},     {kIdRedo, "Ctrl+Shift+Z"}, {kIdCopy, "Ctrl+C"},
    {kIdPaste, "Ctrl+V"},      {kIdDelete, "Del"},      {kIdSelectAll, "Ctrl+A"}, {kIdZoomIn, "Ctrl++"},
    {kIdZoomOut, "Ctrl+-"},    {kIdFilePrint, "Ctrl+P"}, {kIdExit, "Ctrl+Q"},     {kIdSelect, "Esc"},
};

QPalette DarkFusionPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x19, 0x19, 0x19));
    palette.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::ToolTipBase, Qt::white);
    palette.setColor(QPalette::ToolTipText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Link, QColor(0x2A, 0x82, 0xDA));
    palette.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x7F, 0x7F, 0x7F));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x7F, 0x7F, 0x7F));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x7F, 0x7F, 0x7F));
    return palette;
}

bool IsAccent(QRgb pixel)
{
    const QColor accent = QColor::fromRgb(kIconAccent);
    return qAlpha(pixel) > 200 && qAbs(qRed(pixel) - accent.red()) < 24 && qAbs(qGreen(pixel) - accent.green()) < 24 &&
           qAbs(qBlue(pixel) - accent.blue()) < 24;
}

int CountPixels(const QImage &image, const std::function<bool(QRgb)> &test)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// A main window holding the ribbon, shown and active so that its shortcuts work.
struct ShownRibbon
{
    QMainWindow window;
    CRibbon *ribbon = new CRibbon;

    ShownRibbon()
    {
        window.setMenuWidget(ribbon);
        window.resize(1280, 400);
        window.show();
        QApplication::setActiveWindow(&window);
        window.activateWindow();
    }
};

} // namespace

TEST(RibbonTest, EveryDescribedCommandHasAnActionWithItsCaption)
{
    CRibbon ribbon;
    for (const auto &[id, caption] : kDescribedCaptions) {
        QAction *action = ribbon.Action(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(action->text(), QString::fromUtf8(caption)) << id;
        EXPECT_EQ(action->data().toInt(), id);
    }
    for (int language = 0; language < kLanguageCommandCount; ++language) {
        QAction *action = ribbon.Action(LanguageCommandId(language));
        ASSERT_NE(action, nullptr) << language;
        EXPECT_EQ(action->text(), QString::fromUtf8(kLanguageNames[language]));
    }
    // Captions with a word come from the word table.
    for (const CommandInfo &command : CommandTable()) {
        if (command.word != kNoWord) {
            EXPECT_EQ(ribbon.Action(command.id)->text(), Word(command.word)) << command.id;
        }
    }
    EXPECT_EQ(ribbon.Action(833), nullptr);
}

TEST(RibbonTest, CheckMarksOfPendingKindSnapAndLock)
{
    CRibbon ribbon;
    for (const CommandInfo &command : CommandTable()) {
        const bool checkable = (command.id >= kIdSelect && command.id <= kIdCreatePlusMinusGroup) || command.id == kIdSnapToGrid ||
                               command.id == kIdLock || (command.id >= kIdLanguageFirst && command.id <= kIdLanguageLast);
        EXPECT_EQ(ribbon.Action(command.id)->isCheckable(), checkable) << command.id;
    }

    // One pending kind at a time: Select is checked at start, a create command replaces it.
    EXPECT_TRUE(ribbon.Action(kIdSelect)->isChecked());
    ribbon.Action(kIdCreateRotary)->trigger();
    EXPECT_TRUE(ribbon.Action(kIdCreateRotary)->isChecked());
    EXPECT_FALSE(ribbon.Action(kIdSelect)->isChecked());
    ribbon.Action(kIdSelect)->setChecked(true);
    EXPECT_FALSE(ribbon.Action(kIdCreateRotary)->isChecked());

    // Snap and lock are toggles of their own.
    ribbon.Action(kIdSnapToGrid)->trigger();
    ribbon.Action(kIdLock)->trigger();
    EXPECT_TRUE(ribbon.Action(kIdSnapToGrid)->isChecked());
    EXPECT_TRUE(ribbon.Action(kIdLock)->isChecked());
    EXPECT_TRUE(ribbon.Action(kIdSelect)->isChecked());
    ribbon.Action(kIdLock)->trigger();
    EXPECT_FALSE(ribbon.Action(kIdLock)->isChecked());
}

TEST(RibbonTest, ShortcutsAreSetAndUnique)
{
    CRibbon ribbon;
    for (const auto &[id, sequence] : kExpectedShortcuts)
        EXPECT_TRUE(ribbon.Action(id)->shortcuts().contains(QKeySequence::fromString(QString::fromLatin1(sequence))))
            << id << " " << sequence;

    QSet<QKeySequence> seen;
    int count = 0;
    for (QAction *action : ribbon.Actions())
        for (const QKeySequence &sequence : action->shortcuts()) {
            EXPECT_FALSE(seen.contains(sequence)) << sequence.toString().toStdString();
            seen.insert(sequence);
            ++count;
        }
    EXPECT_GE(count, int(std::size(kExpectedShortcuts)));
}

TEST(RibbonTest, ShortcutsTriggerTheirActionsOnWhicheverTab)
{
    ShownRibbon shown;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown.window));
    QSignalSpy copy(shown.ribbon->Action(kIdCopy), &QAction::triggered);
    QSignalSpy print(shown.ribbon->Action(kIdFilePrint), &QAction::triggered);
    QSignalSpy redo(shown.ribbon->Action(kIdRedo), &QAction::triggered);

    shown.ribbon->SetCurrentTab(CRibbon::kDesignTab);
    QTest::keyClick(&shown.window, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&shown.window, Qt::Key_P, Qt::ControlModifier); // only in the system menu
    QTest::keyClick(&shown.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(copy.count(), 1);
    EXPECT_EQ(print.count(), 1);
    EXPECT_EQ(redo.count(), 1);

    // A disabled command ignores its shortcut.
    shown.ribbon->Action(kIdCopy)->setEnabled(false);
    QTest::keyClick(&shown.window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copy.count(), 1);
}

TEST(RibbonTest, ButtonsTriggerTheirActionsAndFollowTheirState)
{
    ShownRibbon shown;
    CRibbon &ribbon = *shown.ribbon;
    QSignalSpy zoomIn(ribbon.Action(kIdZoomIn), &QAction::triggered);
    QToolButton *button = ribbon.Button(kIdZoomIn);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(zoomIn.count(), 1);

    ribbon.Action(kIdZoomIn)->setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(zoomIn.count(), 1);

    // A create button checks its command; the main frame's setChecked shows on the button.
    QTest::mouseClick(ribbon.Button(kIdCreateWheel), Qt::LeftButton);
    EXPECT_TRUE(ribbon.Action(kIdCreateWheel)->isChecked());
    ribbon.Action(kIdSelect)->setChecked(true);
    EXPECT_FALSE(ribbon.Button(kIdCreateWheel)->isChecked());
    EXPECT_TRUE(ribbon.Button(kIdSelect)->isChecked());

    // Every command of the ribbon's tabs and of its quick-access bar has its button.
    for (const CommandInfo &command : CommandTable()) {
        if (command.id >= kIdSelect && command.id <= kIdLock) {
            EXPECT_NE(ribbon.Button(command.id), nullptr) << command.id;
        }
    }
    for (int id : {kIdFileNew, kIdFileOpen, kIdFileSave, kIdFileSaveAs, kIdUndo, kIdRedo, kIdSelectAll})
        EXPECT_NE(ribbon.Button(id), nullptr) << id;
}

TEST(RibbonTest, MenusOfTheSystemButtonAndTheHelpPopup)
{
    CRibbon ribbon;
    QList<int> system;
    for (QAction *action : ribbon.SystemMenu()->actions())
        if (!action->isSeparator())
            system.append(action->data().toInt());
    EXPECT_EQ(system, (QList<int>{kIdFileNew, kIdFileOpen, kIdFileSave, kIdFileSaveAs, kIdFilePrint, kIdExit}));
    QList<int> help;
    for (QAction *action : ribbon.HelpMenu()->actions())
        help.append(action->data().toInt());
    EXPECT_EQ(help, (QList<int>{kIdAbout, kIdHelp}));
}

TEST(RibbonTest, RefreshTextsReadsEveryCaptionFromTheWordSource)
{
    CRibbon ribbon;
    ribbon.RefreshTexts([](int number) { return QStringLiteral("W%1").arg(number); });
    for (const CommandInfo &command : CommandTable()) {
        if (command.id >= kIdLanguageFirst && command.id <= kIdLanguageLast)
            continue;
        const QString expected = command.word == kNoWord ? QString::fromUtf8(command.text) : QStringLiteral("W%1").arg(command.word);
        EXPECT_EQ(ribbon.Action(command.id)->text(), expected) << command.id;
    }
    EXPECT_EQ(ribbon.Action(kIdCopy)->toolTip(), QStringLiteral("W25 (%1)").arg(QKeySequence(QStringLiteral("Ctrl+C")).toString(QKeySequence::NativeText)));
    auto *tabs = ribbon.findChild<QTabBar *>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(CRibbon::kToolsTab), QStringLiteral("W16"));
    EXPECT_EQ(tabs->tabText(CRibbon::kDesignTab), QStringLiteral("Control design"));
    // Buttons show their new caption.
    EXPECT_EQ(ribbon.Button(kIdPaste)->text(), QStringLiteral("W28"));
}

TEST(RibbonTest, RefreshTextsFollowsTheTranslationPlugin)
{
    CLocalisation words;
    ASSERT_EQ(words.Load(QStringLiteral(VOKWORD_RIBBON_DIR)), 7);
    CRibbon ribbon;
    ribbon.RefreshTexts(words);
    EXPECT_EQ(ribbon.Action(kIdCopy)->text(), QStringLiteral("Copy"));

    words.LanguageSet(1);
    ribbon.RefreshTexts(words);
    EXPECT_EQ(ribbon.Action(kIdCopy)->text(), QStringLiteral("Copier"));
    EXPECT_EQ(ribbon.Action(kIdPaste)->text(), QStringLiteral("Coller"));
    EXPECT_EQ(ribbon.Action(kIdSelect)->text(), QString::fromUtf8("S\xC3\xA9lection"));
    EXPECT_EQ(ribbon.Action(kIdUndo)->text(), QStringLiteral("Annuler"));
    EXPECT_EQ(ribbon.Action(kIdLanguagePopup)->text(), QStringLiteral("Langue"));
    EXPECT_EQ(ribbon.findChild<QTabBar *>()->tabText(CRibbon::kToolsTab), QStringLiteral("Outils"));
    // Words the plug-in does not know stay English.
    EXPECT_EQ(ribbon.Action(kIdDelete)->text(), QStringLiteral("Delete"));
    EXPECT_EQ(ribbon.Action(kIdCreateWheel)->text(), QStringLiteral("Create wheel control"));

    words.LanguageSet(0);
    ribbon.RefreshTexts(words);
    EXPECT_EQ(ribbon.Action(kIdCopy)->text(), QStringLiteral("Copy"));
    EXPECT_EQ(ribbon.findChild<QTabBar *>()->tabText(CRibbon::kToolsTab), QStringLiteral("Tools"));
}

TEST(RibbonTest, LanguagePopupListsTheGivenLanguagesAndEmitsTheChosenOne)
{
    ShownRibbon shown;
    CRibbon &ribbon = *shown.ribbon;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window));
    ribbon.SetLanguages({{0, QStringLiteral("English")}, {1, QString::fromUtf8("Fran\xC3\xA7" "ais")},
                         {3, QStringLiteral("Deutsch")}, {42, QStringLiteral("Unknown")}},
                        1);
    const QList<QAction *> entries = ribbon.LanguageMenu()->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[2]->text(), QStringLiteral("Deutsch"));
    EXPECT_EQ(entries[2]->data().toInt(), LanguageCommandId(3));
    EXPECT_EQ(ribbon.Action(LanguageCommandId(3)), entries[2]);
    EXPECT_TRUE(ribbon.Action(LanguageCommandId(1))->isChecked());
    EXPECT_EQ(ribbon.Action(LanguageCommandId(2)), nullptr);

    // The user opens the popup from its button and clicks "Deutsch".
    QSignalSpy chosen(&ribbon, &CRibbon::languageChosen);
    QToolButton *popupButton = nullptr;
    for (QToolButton *button : ribbon.findChildren<QToolButton *>())
        if (button->menu() == ribbon.LanguageMenu())
            popupButton = button;
    ASSERT_NE(popupButton, nullptr);
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        QMenu *menu = ribbon.LanguageMenu();
        if (QTest::qWaitForWindowExposed(menu)) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entries[2]).center());
            clicked = true;
        }
        menu->close();
    });
    QTest::mouseClick(popupButton, Qt::LeftButton);
    QTRY_VERIFY(clicked);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.first().first().toInt(), 3);
    EXPECT_TRUE(ribbon.Action(LanguageCommandId(3))->isChecked());
    EXPECT_FALSE(ribbon.Action(LanguageCommandId(1))->isChecked());

    ribbon.SetCurrentLanguage(0);
    EXPECT_TRUE(ribbon.Action(LanguageCommandId(0))->isChecked());
    EXPECT_FALSE(ribbon.Action(LanguageCommandId(3))->isChecked());
}

TEST(RibbonTest, IconsFollowThePaletteAndKeepTheirAccent)
{
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xEF, 0xEF, 0xEF));
    light.setColor(QPalette::WindowText, Qt::black);
    const QPalette dark = DarkFusionPalette();
    for (const CommandInfo &command : CommandTable()) {
        if (!command.icon)
            continue;
        const QString name = QString::fromLatin1(command.icon);
        for (const bool onDark : {true, false}) {
            const QIcon icon = CommandIcon(name, onDark ? dark : light);
            ASSERT_FALSE(icon.isNull()) << command.icon;
            const QImage image = icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
            EXPECT_GT(CountPixels(image, IsAccent), 4) << command.icon;
            // The neutral strokes contrast with the window: light grey on dark, dark grey on light.
            const auto neutral = [onDark](QRgb p) {
                const bool grey = qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
                return qAlpha(p) > 200 && grey && (onDark ? qRed(p) > 190 : qRed(p) < 70);
            };
            EXPECT_GT(CountPixels(image, neutral), 8) << command.icon << (onDark ? " on dark" : " on light");
        }
    }
    EXPECT_TRUE(CommandIcon(QStringLiteral("no_such_icon"), dark).isNull());
}

TEST(RibbonTest, LooksCompactOnTheDarkFusionPalette)
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    CRibbon ribbon;
    ribbon.setPalette(DarkFusionPalette());
    ribbon.resize(1280, ribbon.sizeHint().height());
    ribbon.ensurePolished();
    ribbon.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ribbon));
    EXPECT_GE(ribbon.height(), 90);
    EXPECT_LE(ribbon.height(), 110);

    // Every button of the Tools tab fits in 1280 pixels.
    for (int id = kIdSelect; id <= kIdLock; ++id)
        if (QToolButton *button = ribbon.Button(id); button && id != kIdNewDesign && id != kIdEditDesign) {
            const QRect inRibbon(button->mapTo(&ribbon, QPoint(0, 0)), button->size());
            EXPECT_TRUE(ribbon.rect().contains(inRibbon)) << id;
        }

    for (const auto &[tab, file] : {std::pair{CRibbon::kToolsTab, "ribbon_tools.png"}, std::pair{CRibbon::kDesignTab, "ribbon_design.png"}}) {
        ribbon.SetCurrentTab(tab);
        const QImage shot = ribbon.grab().toImage();
        // The tab row is darker than the window colour, the groups' body lighter.
        EXPECT_LT(qGray(shot.pixel(shot.width() - 300, 3)), 0x35);
        EXPECT_GT(qGray(shot.pixel(shot.width() - 3, shot.height() - 20)), 0x35);
        // The accent shows in the icons and in the system button.
        EXPECT_GT(CountPixels(shot, IsAccent), 300) << file;
    }
}
