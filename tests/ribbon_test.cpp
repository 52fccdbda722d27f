// The ribbon as the main frame and the user meet it: shortcuts, buttons, check marks, languages, captions, looks.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
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

// The keyboard the editor documents, all of it: a shortcut given twice would trigger nothing.
const std::pair<int, const char *> kExpectedShortcuts[] = {
    {kIdFileNew, "Ctrl+N"}, {kIdFileOpen, "Ctrl+O"}, {kIdFileSave, "Ctrl+S"}, {kIdFileSaveAs, "Ctrl+Shift+S"},
    {kIdUndo, "Ctrl+Z"}, {kIdRedo, "Ctrl+Y"}, {kIdRedo, "Ctrl+Shift+Z"}, {kIdCopy, "Ctrl+C"}, {kIdPaste, "Ctrl+V"},
    {kIdDelete, "Del"}, {kIdSelectAll, "Ctrl+A"}, {kIdZoomIn, "Ctrl++"}, {kIdZoomIn, "Ctrl+="}, {kIdZoomOut, "Ctrl+-"},
    {kIdFilePrint, "Ctrl+P"}, {kIdExit, "Ctrl+Q"}, {kIdSelect, "Esc"}, {kIdHelp, "F1"},
};

bool IsAccent(QRgb p)
{
    return qAlpha(p) > 200 && qAbs(qRed(p) - qRed(kIconAccent)) < 24 && qAbs(qGreen(p) - qGreen(kIconAccent)) < 24
           && qAbs(qBlue(p) - qBlue(kIconAccent)) < 24;
}

int CountPixels(const QImage &image, const std::function<bool(QRgb)> &test)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// Whether one of the ribbon's tool buttons opens `menu`.
bool OpensMenu(const CRibbon &ribbon, const QMenu *menu)
{
    return std::ranges::any_of(ribbon.findChildren<QToolButton *>(), [menu](auto *b) { return b->menu() == menu; });
}

} // namespace

TEST(RibbonTest, ShortcutsAndButtonsTriggerTheirActionsAndShowTheirStateInACompactRibbon)
{
    // In a main window, shown and active so that the shortcuts work, on the dark Fusion palette.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QMainWindow window;
    auto *ribbon = new CRibbon;
    ribbon->setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
    window.setMenuWidget(ribbon);
    window.resize(1280, 400);
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // Pressed on the Design tab, even those of the Tools tab and of the system menu work.
    ribbon->SetCurrentTab(CRibbon::kDesignTab);
    for (const auto &[id, sequence] : kExpectedShortcuts) {
        QSignalSpy triggered(ribbon->Action(id), &QAction::triggered);
        const QKeyCombination key = QKeySequence::fromString(QString::fromLatin1(sequence))[0];
        QTest::keyClick(&window, key.key(), key.keyboardModifiers());
        EXPECT_EQ(triggered.count(), 1) << sequence;
    }

    // On the Tools tab, a button triggers its command; a disabled command ignores button and keys.
    ribbon->SetCurrentTab(CRibbon::kToolsTab);
    QSignalSpy copy(ribbon->Action(kIdCopy), &QAction::triggered);
    QToolButton *button = ribbon->Button(kIdCopy);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    ribbon->Action(kIdCopy)->setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copy.count(), 1);

    // One pending kind at a time, shown on the buttons: Select is checked at start, a create
    // button replaces it, Select set by the main frame clears it. Snap and lock toggle apart.
    EXPECT_TRUE(ribbon->Button(kIdSelect)->isChecked());
    QTest::mouseClick(ribbon->Button(kIdCreateWheel), Qt::LeftButton);
    EXPECT_FALSE(ribbon->Action(kIdSelect)->isChecked());
    ribbon->Action(kIdSelect)->setChecked(true);
    EXPECT_FALSE(ribbon->Button(kIdCreateWheel)->isChecked());
    ribbon->Action(kIdSnapToGrid)->trigger();
    ribbon->Action(kIdLock)->trigger();
    EXPECT_TRUE(ribbon->Action(kIdSelect)->isChecked()) << "snap and lock are no pending kinds";

    // Every command of the ribbon's tabs and of its quick-access bar has its button, and the
    // system button and the help popup open their menus.
    for (const CommandInfo &command : CommandTable())
        EXPECT_TRUE(command.id < kIdSelect || command.id > kIdLock || ribbon->Button(command.id)) << command.id;
    for (int id : {kIdFileNew, kIdFileOpen, kIdFileSave, kIdFileSaveAs, kIdUndo, kIdRedo, kIdSelectAll})
        EXPECT_NE(ribbon->Button(id), nullptr) << id;
    EXPECT_TRUE(OpensMenu(*ribbon, ribbon->SystemMenu()) && OpensMenu(*ribbon, ribbon->HelpMenu()));

    // Compact, with every button of the Tools tab in 1280 pixels.
    EXPECT_TRUE(ribbon->height() >= 90 && ribbon->height() <= 110) << ribbon->height();
    for (int id = kIdSelect; id <= kIdLock; ++id)
        if (QToolButton *button = ribbon->Button(id); button && id != kIdNewDesign && id != kIdEditDesign) {
            const QRect inRibbon(button->mapTo(ribbon, QPoint(0, 0)), button->size());
            EXPECT_TRUE(ribbon->rect().contains(inRibbon)) << id;
        }
    for (const int tab : {CRibbon::kToolsTab, CRibbon::kDesignTab}) {
        ribbon->SetCurrentTab(tab);
        const QImage shot = ribbon->grab().toImage();
        // The tab row is darker than the window colour, the groups' body lighter.
        EXPECT_LT(qGray(shot.pixel(shot.width() - 300, 3)), 0x35);
        EXPECT_GT(qGray(shot.pixel(shot.width() - 3, shot.height() - 20)), 0x35);
        // The accent shows in the icons and in the system button.
        EXPECT_GT(CountPixels(shot, IsAccent), 300) << tab;
    }
}

TEST(RibbonTest, LanguagePopupEmitsTheChosenLanguageAndCaptionsFollowThePlugin)
{
    CRibbon ribbon;
    ribbon.SetLanguages({{0, QStringLiteral("English")}, {1, QString::fromUtf8("Fran\xC3\xA7" "ais")},
                         {3, QStringLiteral("Deutsch")}, {42, QStringLiteral("Unknown")}}, 1);
    const QList<QAction *> entries = ribbon.LanguageMenu()->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[2]->text(), QStringLiteral("Deutsch"));
    EXPECT_EQ(ribbon.Action(LanguageCommandId(3)), entries[2]);
    EXPECT_TRUE(ribbon.Action(LanguageCommandId(1))->isChecked());
    EXPECT_TRUE(OpensMenu(ribbon, ribbon.LanguageMenu()));

    QSignalSpy chosen(&ribbon, &CRibbon::languageChosen);
    entries[2]->trigger();
    EXPECT_EQ(QList<QList<QVariant>>(chosen), QList<QList<QVariant>>{{3}});
    EXPECT_TRUE(ribbon.Action(LanguageCommandId(3))->isChecked());
    EXPECT_FALSE(ribbon.Action(LanguageCommandId(1))->isChecked());
    ribbon.SetCurrentLanguage(0);
    EXPECT_TRUE(ribbon.Action(LanguageCommandId(0))->isChecked());

    CLocalisation words;
    ASSERT_EQ(words.Load(QStringLiteral(VOKWORD_RIBBON_DIR)), 7);
    words.LanguageSet(1);
    ribbon.RefreshTexts(words);
    EXPECT_EQ(ribbon.Action(kIdCopy)->toolTip(),
              QStringLiteral("Copier (%1)").arg(QKeySequence(Qt::CTRL | Qt::Key_C).toString(QKeySequence::NativeText)));
    EXPECT_EQ(ribbon.Button(kIdPaste)->text(), QStringLiteral("Coller"));
    EXPECT_EQ(ribbon.Action(kIdSelect)->text(), QString::fromUtf8("S\xC3\xA9lection"));
    EXPECT_EQ(ribbon.findChild<QTabBar *>()->tabText(CRibbon::kToolsTab), QStringLiteral("Outils"));
    EXPECT_EQ(ribbon.Action(kIdDelete)->text(), QStringLiteral("Delete")) << "a word the plug-in does not know";
}

TEST(RibbonTest, IconsLookRightOnLightAndDarkPalettes)
{
    // Palettes as users pick them with the Fusion style: the rest follows from the window colour.
    const QPalette dark(QColor(0x35, 0x35, 0x35));
    const QPalette light(QColor(0xEF, 0xEF, 0xEF));
    for (const CommandInfo &command : CommandTable()) {
        if (!command.icon)
            continue;
        for (const bool onDark : {true, false}) {
            const QIcon icon = CommandIcon(QString::fromLatin1(command.icon), onDark ? dark : light);
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
