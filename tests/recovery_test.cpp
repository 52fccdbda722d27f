// Copies of modified consoles that a crash leaves for the next start.
#include "core/folders.h"
#include "model/console_file.h"
#include "model/edit_operations.h"
#include "model/korvane_doc.h"
#include "model/recovery.h"
#include "test_support.h"

using namespace korvane;

namespace {
using RecoveryTest = test::AppFolderTest;
}

TEST_F(RecoveryTest, KeepsModifiedConsolesUntilACleanExitAndRestoresThemAsTheyWere)
{
    const QString path = CAppFolders(App()).ConsoleFolder() + QStringLiteral("/Desk.csl2");
    test::WriteText(path, test::ConsoleFile("<Label x=\"10\" y=\"10\" cx=\"80\" cy=\"40\"/>"));
    const std::string original = test::ReadBytes(path);
    CKorvaneDoc edited(App(), nullptr), untouched(App(), nullptr), fresh(App(), nullptr);
    ASSERT_TRUE(edited.Open(path) && untouched.Open(path));
    fresh.SetTitle(QStringLiteral("Console1"));
    edited.SetSelection({edited.Console().Controls()[0].get()});
    edited.Push(MakeNudgeCommand(edited, QPoint(5, 0)));
    fresh.Push(MakeToggleSnapCommand(fresh));
    const std::string bytes = dataConsole::ConsoleFileBytes(edited.Console());

    CRecovery running(App(), [&] { return std::vector<CKorvaneDoc *>{&edited, &untouched, &fresh}; });
    running.SaveNow();
    // The next start, after a crash: the two modified consoles, named and placed as they were.
    CRecovery next(App(), [] { return std::vector<CKorvaneDoc *>{}; });
    const std::vector<CRecoveredConsole> leftovers = next.Leftovers();
    ASSERT_EQ(leftovers.size(), 2u);
    const std::unique_ptr<CKorvaneDoc> restored = next.Restore(leftovers[0], nullptr);
    ASSERT_TRUE(restored);
    EXPECT_EQ(dataConsole::ConsoleFileBytes(restored->Console()), bytes);
    EXPECT_EQ(restored->PathName(), path);
    EXPECT_TRUE(restored->IsModified()); // never written over the original unasked
    EXPECT_EQ(test::ReadBytes(path), original);
    const std::unique_ptr<CKorvaneDoc> unnamed = next.Restore(leftovers[1], nullptr);
    ASSERT_TRUE(unnamed);
    EXPECT_TRUE(unnamed->PathName().isEmpty());
    EXPECT_EQ(unnamed->Title(), QStringLiteral("Console1"));
    EXPECT_FALSE(unnamed->Console().settings.snapToGrid);

    // Saved, a console's copy goes; declined leftovers go; a clean exit leaves nothing.
    ASSERT_TRUE(edited.Save(path));
    running.SaveNow();
    EXPECT_EQ(CRecovery(App(), [] { return std::vector<CKorvaneDoc *>{}; }).Leftovers().size(), 1u);
    next.DropLeftovers();
    EXPECT_TRUE(next.Leftovers().empty());
    running.Clear();
    EXPECT_FALSE(QFileInfo::exists(CAppFolders(App()).RecoveryFolder()));
}
