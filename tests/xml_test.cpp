// The XML library: the exact bytes written, what the reader accepts and refuses, the getters.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>

#include "xml/xml_node.h"

using namespace korvane;

namespace {

std::string Write(const CXmlNode &root)
{
    std::string out;
    SaveXmlString(out, root);
    return out;
}

std::unique_ptr<CXmlNode> Parse(const std::string &text)
{
    return ParseXml(text.data(), text.size());
}

// Parses and writes back; "<refused>" when the reader refuses the text.
std::string RoundTrip(const std::string &text)
{
    const auto root = Parse(text);
    return root ? Write(*root) : std::string("<refused>");
}

} // namespace

TEST(XmlWriter, AddersFormatValuesAndSkipWhatHasNoName)
{
    const std::pair<void (*)(CXmlNode &), const char *> cases[] = {
        // Values are escaped; names never are (the reader's round trips show that).
        {[](CXmlNode &n) { n.AddAttribute("v", "<>&'\"\t\r\n\xE9"); }, "&lt;&gt;&amp;&apos;&quot;\t\r\n\xE9"},
        {[](CXmlNode &n) { n.AddAttribute(std::string("v"), std::string("str")); }, "str"},
        {[](CXmlNode &n) { n.AddAttributeColor("v", kColorTransparent); }, "#FFFFFF"},
        {[](CXmlNode &n) { n.AddAttributeInt64("v", -9223372036854775807LL - 1); }, "-9223372036854775808"},
        {[](CXmlNode &n) { n.AddAttributeFloat("v", 1.5f, 0); }, "2"},
        {[](CXmlNode &n) { n.AddAttributeFloat("v", 2.5f, 0); }, "2"}, // halves round to even, as printf's "%.0f" does
        {[](CXmlNode &n) { n.AddAttributeFloat("v", 0.1f, 18); }, "0.100000001490116119"},
        {[](CXmlNode &n) { n.AddAttributeFloat("v", 3.0e38f, 1); }, "300000000549775575777803994281145270272.0"},
        {[](CXmlNode &n) { n.AddAttributeFloat("v", 1.0f, 19); }, ""},
    };
    for (const auto &[add, expected] : cases) {
        CXmlNode node("n");
        add(node);
        EXPECT_EQ(Write(node), std::string("<n v=\"") + expected + "\" />\r\n");
    }

    // A node without a name writes nothing, children included; attributes missing a half are skipped.
    CXmlNode root("R");
    root.AddChild(nullptr)->AddChild("Hidden");
    root.AddAttribute("kept", "1");
    root.AddAttribute(nullptr, "v");
    root.AddAttribute("novalue", nullptr);
    EXPECT_EQ(Write(root), "<R kept=\"1\">\r\n</R>\r\n");
    EXPECT_EQ(Write(CXmlNode()), "");
}

// Written in the file layout: two spaces a level, CRLF line ends.
TEST(XmlReader, RoundTripsAsTheFormatWants)
{
    const std::pair<const char *, const char *> cases[] = {
        {"<a> x\r\n y </a>", "<a> x\r\n y </a>\r\n"}, // leaf text keeps its whitespace and line ends
        {"<a>before<b/>between<c><d>t</d></c>after</a>",
         "<a>\r\n  <b />\r\n  <c>\r\n    <d>t</d>\r\n  </c>\r\n</a>\r\n"}, // text around children is dropped
        {"<Ab x='1'></aB  \r\n>", "<Ab x=\"1\"></Ab>\r\n"}, // end tags close in another case, with blanks
        {"<a v='say \"hi\"' />", "<a v=\"say &quot;hi&quot;\" />\r\n"},
        // Entities are replaced once; numeric references and upper-case names stay as written.
        {"<a v=\"&amp;lt;\" w=\"&#65;\" x=\"&lt;&gt;&apos;&quot;&bogus;&AMP;\"/>",
         "<a v=\"&amp;lt;\" w=\"&amp;#65;\" x=\"&lt;&gt;&apos;&quot;&amp;bogus;&amp;AMP;\" />\r\n"},
        // Values may span lines and hold angle brackets; attributes need no blank between.
        {"<a v=\"1\n<2>\"w='3'/>", "<a v=\"1\n&lt;2&gt;\" w=\"3\" />\r\n"},
        {" \r\n\t<a v = '1' >t</a>\r\n ", "<a v=\"1\">t</a>\r\n"},
        {"<a.b-c_d:e&f;g/>", "<a.b-c_d:e&f;g />\r\n"}, // name bytes include ".-_:&;"
        // Duplicate attributes and children are kept in order.
        {"<a x='1' x='2'><b/><b/></a>", "<a x=\"1\" x=\"2\">\r\n  <b />\r\n  <b />\r\n</a>\r\n"},
    };
    for (const auto &[input, output] : cases)
        EXPECT_EQ(RoundTrip(input), output) << "input: " << input;

    // Documents and values of every size up to a few blocks of the tree's storage.
    for (std::size_t size : {1000u, 2843u, 17000u, 70000u}) {
        const std::string value(size, 'v');
        EXPECT_EQ(RoundTrip("<a v='" + value + "'>" + value + "</a>"), "<a v=\"" + value + "\">" + value + "</a>\r\n");
    }

    // A NUL after a complete root ends the text, whatever follows it.
    const std::string withNul("<a/>\0<<<", 8);
    EXPECT_EQ(RoundTrip(withNul), "<a />\r\n");
}

TEST(XmlReader, RefusesWhatItDoesNotKnow)
{
    const char *refused[] = {
        "", "   ", "text<a/>", "<a/><b/>", "<a/>x",
        // Declarations, comments, CDATA and a byte-order mark are not read.
        "<?xml version=\"1.0\"?><a/>", "<!-- c --><a/>", "\xEF\xBB\xBF<a/>", "<a><!-- c --></a>", "<a><![CDATA[x]]></a>",
        // Broken tags and attributes.
        "< a/>", "<>", "<\xE9/>", "<a", "<a x='1'", "<a x='1>", "<a x=1/>", "<a x/>", "<a ='1'/>", "<a x='1' / >",
        // Unclosed or wrongly closed elements.
        "<a>", "<a>text", "<a><b></a>", "<ab></abc>", "<ab></a>", "<a></a x>", "<a></ a>", "<a><</a>",
    };
    for (const char *text : refused)
        EXPECT_EQ(Parse(text), nullptr) << "input: " << text;
    EXPECT_EQ(ParseXml(nullptr, 0), nullptr);
    EXPECT_EQ(ParseXml("<a/>", 3), nullptr); // only the given length is read

    std::string deepest;
    for (int depth = 0; depth < kXmlMaxDepth; ++depth)
        deepest = "<a>" + deepest + "</a>";
    EXPECT_NE(Parse(deepest), nullptr);
    EXPECT_EQ(Parse("<b>" + deepest + "</b>"), nullptr);
}

TEST(XmlNode, GettersIgnoreCaseReturnTheFirstMatchAndFollowAtoiAndAtof)
{
    const auto root = Parse("<Root A='1' a='2' Other='x'><Child n='1'/><CHILD n='2'/><midi/></Root>");
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->GetAttribute("a"), "1");
    EXPECT_STREQ(root->GetAttribute(std::string("OTHER")), "x");
    EXPECT_FALSE(root->HasAttribute("othe"));
    ASSERT_NE(root->FindChild("child"), nullptr);
    EXPECT_EQ(root->FindChild("child")->GetAttributeInt("n"), 1);
    EXPECT_TRUE(root->HasChild(std::string("MIDI")));
    EXPECT_EQ(root->FindChild(nullptr), nullptr);

    // A present attribute reads as atoi and atof read it, whatever the default; a missing one gives the default.
    const auto numbers = Parse("<n letters='abc' mixed=' \t-12abc' plus='+7' two='--3' true='true'"
                               " big='99999999999' small='-99999999999' f1=' 2.5e1x' f2='-.5' f4='+1.25'"
                               " i64='-9223372036854775807' i64big='99999999999999999999'/>");
    ASSERT_NE(numbers, nullptr);
    // Attribute, default, and the value as an int and as a float; as a flag, whether the int is other than 0.
    const std::tuple<const char *, int, int, float> values[] = {
        {"mixed", 0, -12, -12.0f}, {"plus", 0, 7, 7.0f}, {"two", 0, 0, 0.0f}, {"letters", 5, 0, 0.0f},
        {"true", 1, 0, 0.0f}, {"big", 0, 2147483647, 1e11f}, {"small", 0, -2147483647 - 1, -1e11f},
        {"missing", 5, 5, 5.0f}, {"f1", 0, 2, 25.0f}, {"f2", 0, 0, -0.5f}, {"f4", 0, 1, 1.25f},
    };
    for (const auto &[name, fallback, asInt, asFloat] : values) {
        EXPECT_EQ(numbers->GetAttributeInt(name, fallback), asInt) << name;
        EXPECT_FLOAT_EQ(numbers->GetAttributeFloat(name, static_cast<float>(fallback)), asFloat) << name;
        EXPECT_EQ(numbers->GetAttributeBool(name, fallback != 0), asInt != 0) << name;
    }
    EXPECT_EQ(numbers->GetAttributeInt("missing"), 0);
    std::int32_t out = 99;
    EXPECT_FALSE(numbers->GetAttributeInt("missing", &out));
    EXPECT_EQ(out, 99);
    EXPECT_EQ(numbers->GetAttributeInt64("i64", 0), -9223372036854775807LL);
    EXPECT_EQ(numbers->GetAttributeInt64("i64big", 0), 9223372036854775807LL);
    EXPECT_EQ(numbers->GetAttributeInt64("missing", -4), -4);

    // A colour (null: no such attribute): whether it reads, and the colour read. Of a long run of
    // digits only the low 32 bits count, and of them the low three bytes.
    const std::tuple<const char *, bool, ColorRef> colours[] = {
        {"#00FF80", true, MakeColorRef(0, 255, 128)}, {"#00ff80", true, MakeColorRef(0, 255, 128)},
        {"Gray", true, MakeColorRef(127, 127, 127)},  {"transparent", true, kColorTransparent},
        {"#F", true, MakeColorRef(0, 0, 15)},         {"#123456789A", true, MakeColorRef(0x56, 0x78, 0x9A)},
        {"#12345 ", false, 0},                        {"grey", false, 0}, {nullptr, false, 0},
    };
    for (const auto &[value, valid, expected] : colours) {
        CXmlNode node("n");
        node.AddAttribute("c", value);
        ColorRef color = 0xDEADBEEF;
        EXPECT_EQ(node.GetAttributeColor("c", &color), valid) << value;
        EXPECT_EQ(color, valid ? expected : 0xDEADBEEF) << value;
    }
}

// The nodes live in the root's storage: a tree is freed in one go, not node by node.
TEST(XmlNode, LongSiblingChainsAndDeepTreesAreDestroyedWithoutRecursion)
{
    CXmlNode wide("r");
    CXmlNode deep("r");
    CXmlNode *node = &deep;
    for (int i = 0; i < 300'000; ++i) {
        wide.AddChild("c");
        node = node->AddChild("d");
    }
}

TEST(XmlFiles, SaveAndLoad)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "korvane_xml_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder(pattern);
    const auto path = folder / "out.xml";

    CXmlNode root("Root");
    root.AddChild("Child")->AddAttributeInt("n", 3);
    ASSERT_TRUE(SaveXmlFile(path, root));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "<Root>\r\n  <Child n=\"3\" />\r\n</Root>\r\n");
    const auto loaded = LoadXmlFile(path);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(Write(*loaded), bytes);

    // A folder, as well as a missing or empty file, reads as nothing.
    std::ofstream(folder / "empty.xml").close();
    for (const char *unreadable : {"missing.xml", "", "empty.xml"})
        EXPECT_EQ(LoadXmlFile(folder / unreadable), nullptr) << unreadable;
    EXPECT_FALSE(SaveXmlFile(folder / "no" / "such" / "folder.xml", root));
    std::filesystem::remove_all(folder);
}
