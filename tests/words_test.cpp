// The word lookup, with and without the translation plug-in. The test plug-in answers French
// for words 6 and 2025 when language 1 is selected, "" for word 530 and "=" for the rest, and
// reports what the program asked of it through its name of language -1.
#include "core/words.h"

#include <QTemporaryDir>

#include <utility>

#include "test_support.h"

using korvane::CLocalisation;
using korvane::LanguageCodeOf;

TEST(WordsTest, LanguageCodes)
{
    const std::pair<int, const char *> cases[] = {
        {0, "en"}, {1, "fr"}, {6, "jp"}, {7, "dk"}, {14, "se"}, {16, "ct"}, {18, "pl"}, {19, "ro"}, {20, "en"}, {-1, "en"},
    };
    for (const auto &[language, code] : cases)
        EXPECT_EQ(LanguageCodeOf(language), QLatin1String(code)) << "language " << language;
}

TEST(WordsTest, CompletePluginTranslatesWordByWordAndGoesWithItsFolder)
{
    // Without a plug-in: English, and no other language to choose.
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    CLocalisation words;
    EXPECT_EQ(words.Load(empty.path()), 0);
    EXPECT_EQ(words.GetWord(6), QStringLiteral("OK"));
    EXPECT_EQ(words.GetWord(4200), QString());
    EXPECT_EQ(words.GetWord(-1), QString());
    words.LanguageSet(1);
    EXPECT_EQ(words.LanguageCode(), QStringLiteral("en"));
    EXPECT_EQ(words.LanguageName(1), QString());
    int window = 0;
    EXPECT_FALSE(words.Translate(&window));

    // Loading selects English before the plug-in initialises itself.
    ASSERT_EQ(words.Load(QStringLiteral(VOKWORD_FULL_DIR)), 7);
    EXPECT_EQ(words.LanguageName(-1), QStringLiteral("init with 0;"));

    words.LanguageSet(1);
    EXPECT_EQ(words.LanguageGet(), 1);
    EXPECT_EQ(words.LanguageCode(), QStringLiteral("fr"));
    EXPECT_EQ(words.LanguageName(1), QStringLiteral("Fran\u00e7ais"));
    EXPECT_EQ(words.GetWord(6), QStringLiteral("Valider"));
    EXPECT_EQ(words.GetWord(2025), QStringLiteral("Propri\u00e9t\u00e9s"));
    EXPECT_EQ(words.GetWord(7), QStringLiteral("Cancel"));     // "=" from the plug-in
    EXPECT_EQ(words.GetWord(530), QStringLiteral("About...")); // "" from the plug-in
    EXPECT_EQ(words.GetWord(4200), QString());
    EXPECT_TRUE(words.Translate(&window));
    EXPECT_EQ(words.LanguageName(-1), QStringLiteral("init with 0;translate;"));
    words.LanguageSet(0);

    // Loading again from a folder without the plug-in drops it.
    EXPECT_EQ(words.Load(empty.path()), 0);
    EXPECT_FALSE(words.Translate(&window));
}

TEST(WordsTest, IncompletePluginKeepsWhatResolved)
{
    CLocalisation words;
    ASSERT_EQ(words.Load(QStringLiteral(VOKWORD_PARTIAL_DIR)), 4);
    EXPECT_EQ(words.ResolvedFunctionCount(), 4);

    // Neither initialised nor switched to English: the language is the plug-in's own.
    EXPECT_EQ(words.LanguageGet(), 5);
    EXPECT_EQ(words.LanguageName(-1), QString());

    words.LanguageSet(1);
    EXPECT_EQ(words.LanguageName(1), QStringLiteral("Fran\u00e7ais"));
    EXPECT_EQ(words.GetWord(6), QStringLiteral("OK"));
    EXPECT_EQ(words.GetWord(2025), QStringLiteral("Properties"));
    int window = 0;
    EXPECT_FALSE(words.Translate(&window));
    words.LanguageSet(5);
}
