// Control design files: what is read from them, the bytes written back, where images come from, the design lists.
#include "design/data_ccd.h"
#include "design/design_list.h"
#include "test_support.h"

using namespace dataConsole;
using namespace dataConsole::ccdImage;
using namespace korvane::test;

using DesignTest = AppFolderTest;

TEST_F(DesignTest, EditableDesignSavesEveryPartInOrderAndRoundTrips)
{
    const std::pair<const char *, QSize> images[] = {
        {"on.png", {40, 30}},   {"off.png", {42, 28}},    {"dial.png", {64, 64}},   {"vbg.png", {20, 100}},
        {"vcur.png", {20, 10}}, {"hbg.png", {100, 20}},   {"wheel.png", {30, 90}},  {"strip.png", {160, 20}},
        {"incdec.png", {80, 30}}, {"group.png", {200, 50}}, {"b1.png", {50, 10}}, {"spare.png", {12, 8}},
        {"three.png", {30, 10}},
    };
    for (const auto &[name, size] : images)
        WriteImage(Library() + name, size);

    const std::string expected = "<config_control_design Author=\"orlen\" Version=\"1.0\">\r\n"
                                 "  <RotSlider Image=\"dial.png\" ImageCursor=\"\" angle_min=\"200\" angle_max=\"340\""
                                 " rayon=\"12\" mode_angle=\"1\" />\r\n"
                                 "  <LinearSliderVert>\r\n"
                                 "    <Background Image=\"vbg.png\" />\r\n"
                                 "    <Cursor ImageCursor=\"vcur.png\" offset_x=\"2\" offset_y=\"-3\" />\r\n"
                                 "  </LinearSliderVert>\r\n"
                                 "  <LinearSliderHori>\r\n"
                                 "    <Background Image=\"hbg.png\" />\r\n"
                                 "    <Cursor ImageCursor=\"\" offset_x=\"0\" offset_y=\"0\" />\r\n"
                                 "  </LinearSliderHori>\r\n"
                                 "  <Button ImageOff=\"off.png\" ImageOn=\"on.png\" />\r\n"
                                 "  <Wheel Background=\"wheel.png\" Images=\"strip.png\" TransparentBackground=\"1\""
                                 " nbImages=\"8\" />\r\n"
                                 "  <GroupIncDec Background=\"incdec.png\" TransparentBackground=\"0\">\r\n"
                                 "    <Display Images=\"\" nbImages=\"0\" x=\"5\" y=\"6\" />\r\n"
                                 "    <ButtonInc png=\"on.png\" png_on=\"\" x=\"60\" y=\"2\" />\r\n"
                                 "    <ButtonDec png=\"\" png_on=\"\" x=\"1\" y=\"2\" />\r\n"
                                 "  </GroupIncDec>\r\n"
                                 "  <GroupButtons Background=\"group.png\" TransparentBackground=\"0\">\r\n"
                                 "    <Button ImageOff=\"b1.png\" x=\"10\" y=\"5\" cx=\"50\" cy=\"20\" ctrl_x=\"0\""
                                 " ctrl_y=\"0\" info_x=\"0\" info_y=\"25\" info_cx=\"50\" info_cy=\"12\" />\r\n"
                                 "    <Button x=\"70\" y=\"5\" cx=\"50\" cy=\"20\" ctrl_x=\"4\" ctrl_y=\"-1\""
                                 " info_x=\"0\" info_y=\"0\" info_cx=\"50\" info_cy=\"20\" />\r\n"
                                 "  </GroupButtons>\r\n"
                                 "</config_control_design>\r\n";
    WriteText(Library() + "full.ccd", QByteArray::fromStdString(expected));

    CDataCCD design;
    design.AllocateNames(); // as the design editor does: the image names are kept
    ASSERT_TRUE(design.Load(App(), QStringLiteral("full.ccd"), QString()));
    EXPECT_TRUE(m_sink.messages.empty());
    EXPECT_TRUE(design.Save(App(), QStringLiteral("copy.ccd")));
    EXPECT_EQ(ReadBytes(m_dir.filePath(QStringLiteral("copy.ccd"))), expected);

    ASSERT_EQ(design.groupButtons.ButtonCount(), 2);
    // Only one own image: the image rectangle takes the larger of it and the button size.
    EXPECT_EQ(design.groupButtons.Button(0)->image, QRect(10, 5, 50, 30));
    EXPECT_EQ(design.groupButtons.Button(0)->label, QRect(10, 30, 50, 12));
    // No own images: the design's button images and size (the larger of its two images, 42 x 30).
    EXPECT_EQ(design.groupButtons.Button(1)->image, QRect(74, 4, 42, 30));
    EXPECT_EQ(design.groupButtons.ButtonImage(1, true), design.button.Image(true));

    // The library's view of the same file keeps the images but writes no names.
    CDataCCD library;
    ASSERT_TRUE(library.Load(App(), QStringLiteral("FULL.CCD"), QString()));
    const std::string withoutNames = library.SaveToString();
    EXPECT_EQ(withoutNames.find("png"), std::string::npos) << withoutNames;
    EXPECT_NE(withoutNames.find("<Button x=\"70\""), std::string::npos) << withoutNames;

    // The editor's setters name and load the file from the folder they are given. It grows and
    // shrinks the group; removed buttons are not written.
    design.wheel.imageCount = 3;
    design.wheel.SetStrip(Library(), "THREE.png");
    EXPECT_EQ(*design.wheel.stripName, "THREE.png");
    EXPECT_EQ(design.ImageManager().ImageSize(kWheelStrip + 2), QSize(10, 10));
    design.groupButtons.SetButtonCount(4);
    ASSERT_EQ(design.groupButtons.ButtonCount(), 4);
    design.groupButtons.SetButtonImage(3, true, App(), "spare.png", QString());
    EXPECT_EQ(design.groupButtons.ButtonImage(3, true)->size(), QSize(12, 8));
    EXPECT_EQ(*design.groupButtons.Button(3)->onName, "spare.png");
    design.groupButtons.SetButtonImage(9, true, App(), "spare.png", QString()); // outside the array: nothing
    EXPECT_EQ(design.ImageManager().Image(kGroupButtonsFirstButton + 2 * 9 + 1), nullptr);
    design.groupButtons.SetButtonCount(1);
    EXPECT_EQ(design.groupButtons.ButtonImage(1, true), nullptr);
    EXPECT_EQ(design.SaveToString().find("spare.png"), std::string::npos) << design.SaveToString();
}

TEST_F(DesignTest, PartsReadOnlyWhatTheFileHoldsAndWriteOnlyWhatTheyCanDraw)
{
    WriteImage(Library() + "off.png", {30, 30});
    WriteImage(Library() + "old.png", {10, 10});
    WriteImage(Library() + "strip.png", {160, 20});
    WriteImage(Library() + "cur.png", {6, 6});
    WriteImage(Library() + "own.png", {25, 15});

    // Another version is refused before any part is read, its name taken first; a missing file is no message.
    WriteText(Library() + "v2.ccd", "<config_control_design Author=\"orlen\" Version=\"2.0\">"
                                    "<Button ImageOff=\"off.png\"/></config_control_design>");
    CDataCCD versioned;
    EXPECT_FALSE(versioned.Load(App(), QStringLiteral("v2.ccd"), QString()));
    EXPECT_EQ(versioned.Name(), QStringLiteral("v2.ccd"));
    EXPECT_FALSE(versioned.button.IsPresent());
    CDataCCD missing;
    EXPECT_FALSE(missing.Load(App(), QStringLiteral("missing.ccd"), QString()));
    EXPECT_TRUE(missing.MatchesName(QStringLiteral("DEFAULT.ccd")));
    ASSERT_EQ(m_sink.messages.size(), 1u);
    EXPECT_EQ(m_sink.messages[0].caption, QStringLiteral("Error !"));

    WriteText(Library() + "parts.ccd",
              DesignFile("<Button ico=\"old.png\" ImageOff=\"off.png\" ico_on=\"old.png\"/>"
                         "<RotSlider Image=\"gone.png\" ImageCursor=\"\" angle_max=\"300\" mode_angle=\"2\"/>"
                         "<LinearSliderHori><Cursor ImageCursor=\"cur.png\" offset_x=\"4\"/></LinearSliderHori>"
                         "<wheel nbImages=\"8\" Images=\"strip.png\"/>"
                         "<GroupButtons><button x=\"99\"/>"
                         "<Button x=\"40\" ImageOn=\"own.png\" ImageOff=\"own.png\" info_x=\"3\" info_cx=\"7\"/>"
                         "</GroupButtons>"));
    CDataCCD design;
    design.AllocateNames();
    // The wheel's flag is set only by a 1 in the file, whatever the design held before.
    design.wheel.transparentBackground = true;
    ASSERT_TRUE(design.Load(App(), QStringLiteral("parts.ccd"), QString()));
    // The current key wins over the older one, image and name (the names show in the bytes written below).
    EXPECT_EQ(design.button.Image(false)->size(), QSize(30, 30));
    // Missing keys keep the defaults; only the value 1 sets a flag; element names ignore case.
    EXPECT_EQ(std::tuple(design.rotary.angleMin, design.rotary.angleMax, design.rotary.angleMode,
                         design.rotary.IsPresent()),
              std::tuple(225, 300, false, true));
    // Images that cannot be read are listed by their names; an empty name is not.
    EXPECT_EQ(design.MissingImages(), QStringList{QStringLiteral("gone.png")});
    // A slider's cursor is read without its background.
    EXPECT_EQ(design.sliderHorz.CursorSize(false), QSize(6, 6));
    // Only "Button" children, in that letter case, are buttons of a group; a missing "cx"
    // leaves the right edge at 0.
    ASSERT_EQ(design.groupButtons.ButtonCount(), 1);
    EXPECT_EQ(design.ImageManager().ImageSize(kGroupButtonsFirstButton + 1), QSize(25, 15));
    EXPECT_EQ(design.groupButtons.Button(0)->button, QRect(40, 0, -40, 0));
    EXPECT_EQ(design.groupButtons.Button(0)->label, QRect(QPoint(43, 0), QSize(7, 0)));

    // Only parts with their main image are written back: the rotary has no dial, the slider
    // and the group no background.
    EXPECT_EQ(design.SaveToString(), Lines({"<config_control_design Author=\"orlen\" Version=\"1.0\">",
                                            "  <Button ImageOff=\"off.png\" ImageOn=\"old.png\" />",
                                            "  <Wheel Background=\"\" Images=\"strip.png\" TransparentBackground=\"0\""
                                            " nbImages=\"8\" />",
                                            "</config_control_design>"}));

    design.ResetToDefault();
    EXPECT_EQ(design.Name(), QStringLiteral("default.ccd"));
    EXPECT_EQ(design.rotary.angleMax, 315);
    EXPECT_EQ(design.button.Size(), QSize(30, 30)); // images stay

    // Save answers true even where the file cannot be written (WriteFile reports that to the command-line tool).
    EXPECT_TRUE(design.Save(m_dir.filePath(QStringLiteral("no/such/folder")), QStringLiteral("x.ccd")));
}

TEST_F(DesignTest, ConsoleDesignsComeBeforeTheLibraryAndFallBackForImages)
{
    // The library: two designs (one in upper case), one refused, one file not a design.
    WriteImage(Library() + "Lib.png", {11, 11});
    WriteText(Library() + "Shared.ccd", DesignFile("<Button ImageOff=\"Lib.png\"/>"));
    WriteText(Library() + "OTHER.CCD", DesignFile("<Button ImageOff=\"lib.png\"/>"));
    WriteText(Library() + "old.ccd", "<config_control_design Author=\"orlen\" Version=\"0.9\"/>");
    WriteText(Library() + "notes.txt", "not a design");
    // A console outside the standard folder, with its own "_ccd" (spelled as on Windows).
    const QString show = m_dir.filePath(QStringLiteral("show"));
    WriteImage(show + "/_CCD/local.png", {22, 22});
    WriteText(show + "/_CCD/shared.ccd", DesignFile("<Button ImageOff=\"local.png\" ImageOn=\"lib.png\"/>"));
    WriteImage(show + "/_Common/console/_ccd/lib.png", {33, 33});

    CDesignList library;
    FillDesignLibrary(library, App());
    ASSERT_EQ(library.size(), 2u);
    EXPECT_EQ(library[0]->button.Image(false)->size(), QSize(11, 11)); // "lib.png" found as "Lib.png"
    CDesignList console;
    FillConsoleDesignList(console, show + "/my console.csl2");
    ASSERT_EQ(console.size(), 1u);

    // The console's design wins and gives the stored name its spelling; its image missing
    // beside it comes from the design folder beneath the console's folder.
    QString stored = QStringLiteral("SHARED.CCD");
    EXPECT_EQ(ResolveDesign(console, library, stored), console[0].get());
    EXPECT_EQ(stored, QStringLiteral("shared.ccd"));
    EXPECT_EQ(console[0]->button.Image(false)->size(), QSize(22, 22));
    EXPECT_EQ(console[0]->button.Image(true)->size(), QSize(33, 33));
}
