// The ribbon as the main frame and the user meet it: shortcuts and buttons that trigger the
// commands, check marks that follow the state, captions that follow the translation plug-in,
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

#include <algorithm>
#include <functional>
#include <utility>

#include "core/words.h"
#include "editor/command_table.h"
#include "editor/icon_set.h"
#include "editor/ribbon.h"

using namespace korvane;

namespace {

// The keyboard the editor documents.
const std::pair<int, const char *> kExpectedShortcuts[] = {
    {kIdFileNew, "Ctrl+N"},    {kIdFileOpen, "Ctrl+O"}, {kIdFileSave, "Ctrl+S"}, {kIdFileSaveAs, "Ctrl+Shift+S"},
    {kIdUndo, "Ctrl+Z"},       {kIdRedo, "Ctrl+Y"},     {kIdRedo, "Ctrl+Shift+Z"}, {kIdCopy, "Ctrl+C"},
    {kIdPaste, "Ctrl+V"},      {kIdDelete, "Del"},      {kIdSelectAll, "Ctrl+A"}, {kIdZoomIn, "Ctrl++"},
    {kIdZoomOut, "Ctrl+-"},    {kIdFilePrint, "Ctrl+P"}, {kIdExit, "Ctrl+Q"},     {kIdSelect, "Esc"},
};

// A dark palette as users pick it with the Fusion style: the rest follows from the window colour.
QPalette DarkFusionPalette()
{
    return QPalette(QColor(0x35, 0x35, 0x35));
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

TEST(RibbonTest, CheckMarksOfPendingKindSnapAndLock)
{
    CRibbon ribbon;
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

TEST(RibbonTest, ShortcutsAreUniqueAndTriggerTheirActionsOnWhicheverTab)
{
    ShownRibbon shown;
    CRibbon &ribbon = *shown.ribbon;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown.window));
    QSet<QKeySequence> seen;
    for (QAction *action : ribbon.Actions())
        for (const QKeySequence &sequence : action->shortcuts()) {
            EXPECT_FALSE(seen.contains(sequence)) << sequence.toString().toStdString();
            seen.insert(sequence);
        }

    // Pressed on the Design tab, even those of the Tools tab and of the system menu work.
    ribbon.SetCurrentTab(CRibbon::kDesignTab);
    for (const auto &[id, sequence] : kExpectedShortcuts) {
        QSignalSpy triggered(ribbon.Action(id), &QAction::triggered);
        const QKeyCombination key = QKeySequence::fromString(QString::fromLatin1(sequence))[0];
        QTest::keyClick(&shown.window, key.key(), key.keyboardModifiers());
        EXPECT_EQ(triggered.count(), 1) << sequence;
    }

    // A disabled command ignores its shortcut.
    QSignalSpy copy(ribbon.Action(kIdCopy), &QAction::triggered);
    ribbon.Action(kIdCopy)->setEnabled(false);
    QTest::keyClick(&shown.window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copy.count(), 0);
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
    // The system button and the help popup open their menus.
    const QList<QToolButton *> buttons = ribbon.findChildren<QToolButton *>();
    for (QMenu *menu : {ribbon.SystemMenu(), ribbon.HelpMenu()})
        EXPECT_TRUE(std::ranges::any_of(buttons, [&](QToolButton *b) { return b->menu() == menu; }));
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
    EXPECT_EQ(ribbon.Action(kIdCopy)->toolTip(),
              QStringLiteral("Copier (%1)").arg(QKeySequence(QStringLiteral("Ctrl+C")).toString(QKeySequence::NativeText)));
    EXPECT_EQ(ribbon.Button(kIdPaste)->text(), QStringLiteral("Coller"));
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

    for (const int tab : {CRibbon::kToolsTab, CRibbon::kDesignTab}) {
        ribbon.SetCurrentTab(tab);
        const QImage shot = ribbon.grab().toImage();
        // The tab row is darker than the window colour, the groups' body lighter.
        EXPECT_LT(qGray(shot.pixel(shot.width() - 300, 3)), 0x35);
        EXPECT_GT(qGray(shot.pixel(shot.width() - 3, shot.height() - 20)), 0x35);
        // The accent shows in the icons and in the system button.
        EXPECT_GT(CountPixels(shot, IsAccent), 300) << tab;
    }
}
