// The XML library: the exact bytes written, what the reader accepts and refuses, the getters.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

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

TEST(XmlWriter, LayoutIsExact)
{
    CXmlNode root("CSL2");
    root.AddAttributeInt("version", 2);
    root.AddChild("Empty");
    CXmlNode *list = root.AddChild("List");
    CXmlNode *item = list->AddChild("Item");
    item->AddAttribute("a", "x");
    item->AddAttributeInt("n", -42);
    EXPECT_EQ(Write(root), "<CSL2 version=\"2\">\r\n"
                           "  <Empty />\r\n"
                           "  <List>\r\n"
                           "    <Item a=\"x\" n=\"-42\" />\r\n"
                           "  </List>\r\n"
                           "</CSL2>\r\n");

    // A node without a name writes nothing, children included; attributes missing a half
    // are skipped.
    CXmlNode other("R");
    other.AddChild(nullptr)->AddChild("Hidden");
    other.AddAttribute("kept", "1");
    other.AddAttribute(nullptr, "v");
    other.AddAttribute("novalue", nullptr);
    EXPECT_EQ(Write(other), "<R kept=\"1\">\r\n</R>\r\n");
    CXmlNode unnamed;
    EXPECT_EQ(Write(unnamed), "");
}

TEST(XmlWriter, EscapesValuesButNotNames)
{
    CXmlNode root("a&b");
    root.AddAttribute("v", "<>&'\"\t\r\n\xE9");
    EXPECT_EQ(Write(root), "<a&b v=\"&lt;&gt;&amp;&apos;&quot;\t\r\n\xE9\" />\r\n");
}

TEST(XmlWriter, AddersFormatValues)
{
    struct Case
    {
        void (*add)(CXmlNode &);
        const char *expected;
    };
    const Case cases[] = {
        {[](CXmlNode &n) { n.AddAttributeInt("v", -2147483647 - 1); }, "-2147483648"},
        {[](CXmlNode &n) { n.AddAttributeColor("v", MakeColorRef(0x56, 0x34, 0x12)); }, "#563412"},
        {[](CXmlNode &n) { n.AddAttributeColor("v", kColorTransparent); }, "#FFFFFF"},
        {[](CXmlNode &n) { n.AddAttributeColor("v", MakeColorRef(0, 0xAB, 0x0C)); }, "#00AB0C"},
        {[](CXmlNode &n) { n.AddAttributeBool("v", true); }, "1"},
        {[](CXmlNode &n) { n.AddAttributeBool("v", false); }, "0"},
        {[](CXmlNode &n) { n.AddAttributeInt64("v", -9223372036854775807LL - 1); }, "-9223372036854775808"},
        {[](CXmlNode &n) { n.AddAttributeFloat("v", 1.5f, 0); }, "2"},
        {[](CXmlNode &n) { n.AddAttributeFloat("v", 2.5f, 0); }, "2"},
        {[](CXmlNode &n) { n.AddAttributeFloat("v", 0.1f, 3); }, "0.100"},
        {[](CXmlNode &n) { n.AddAttributeFloat("v", 0.1f, 18); }, "0.100000001490116119"},
        {[](CXmlNode &n) { n.AddAttributeFloat("v", -3.25f, 2); }, "-3.25"},
        {[](CXmlNode &n) { n.AddAttributeFloat("v", 3.0e38f, 1); }, "300000000549775575777803994281145270272.0"},
        {[](CXmlNode &n) { n.AddAttributeFloat("v", 1.0f, 19); }, ""},
        {[](CXmlNode &n) { n.AddAttribute(std::string("v"), std::string("str")); }, "str"},
        {[](CXmlNode &n) { n.AddAttributeInt(std::string("v"), 7); }, "7"},
    };
    for (const Case &c : cases) {
        CXmlNode node("n");
        c.add(node);
        EXPECT_EQ(Write(node), std::string("<n v=\"") + c.expected + "\" />\r\n");
    }
}

TEST(XmlReader, RoundTripsAsTheFormatWants)
{
    struct Case
    {
        const char *input;
        const char *output;
    };
    const Case cases[] = {
        // Start and end tag with nothing between: text present and empty, kept on one line.
        {"<a></a>", "<a></a>\r\n"},
        // Empty-element tags, with or without a blank before the slash.
        {"<a/>", "<a />\r\n"},
        {"<a />", "<a />\r\n"},
        // Leaf text keeps its whitespace and line ends.
        {"<a> x\r\n y </a>", "<a> x\r\n y </a>\r\n"},
        // Text around children is dropped.
        {"<a>before<b/>between<c>t</c>after</a>", "<a>\r\n  <b />\r\n  <c>t</c>\r\n</a>\r\n"},
        // End tags in another case or with blanks before ">" still close.
        {"<Ab x='1'></aB  \r\n>", "<Ab x=\"1\"></Ab>\r\n"},
        // Apostrophe-quoted value holding a double quote.
        {"<a v='say \"hi\"'/>", "<a v=\"say &quot;hi&quot;\" />\r\n"},
        // Entities are replaced once; numeric references stay as written.
        {"<a v=\"&amp;lt;\" w=\"&#65;\" x=\"&lt;&gt;&apos;&quot;&bogus;\"/>",
         "<a v=\"&amp;lt;\" w=\"&amp;#65;\" x=\"&lt;&gt;&apos;&quot;&amp;bogus;\" />\r\n"},
        // Upper-case entities are not entities.
        {"<a v=\"&AMP;\"/>", "<a v=\"&amp;AMP;\" />\r\n"},
        // Values may span lines and hold angle brackets; attributes need no blank between.
        {"<a v=\"1\n<2>\"w='3'/>", "<a v=\"1\n&lt;2&gt;\" w=\"3\" />\r\n"},
        // Blanks around "=", and whitespace around the root.
        {" \r\n\t<a v = '1' >t</a>\r\n ", "<a v=\"1\">t</a>\r\n"},
        // Name bytes include the punctuation ".-_:&;".
        {"<a.b-c_d:e&f;g/>", "<a.b-c_d:e&f;g />\r\n"},
        // Duplicate attributes and children are kept in order.
        {"<a x='1' x='2'><b/><b/></a>", "<a x=\"1\" x=\"2\">\r\n  <b />\r\n  <b />\r\n</a>\r\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RoundTrip(c.input), c.output) << "input: " << c.input;

    // Documents and values of every size up to a few blocks of the tree's storage.
    for (std::size_t size : {1000u, 2843u, 17000u, 70000u}) {
        const std::string value(size, 'v');
        EXPECT_EQ(RoundTrip("<a v='" + value + "'>" + value + "</a>"),
                  "<a v=\"" + value + "\">" + value + "</a>\r\n");
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
    EXPECT_EQ(ParseXml("<a/>", 0), nullptr);
    // Only the given length is read.
    EXPECT_EQ(ParseXml("<a/>", 3), nullptr);
}

TEST(XmlReader, BoundsNestingDepth)
{
    auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += "<a>";
        for (int i = 0; i < depth; ++i)
            text += "</a>";
        return text;
    };
    EXPECT_NE(Parse(nested(kXmlMaxDepth)), nullptr);
    EXPECT_EQ(Parse(nested(kXmlMaxDepth + 1)), nullptr);
    // Far deeper than any stack would take: refused quickly, without recursion.
    std::string hostile(2'000'000, '<');
    for (std::size_t i = 1; i < hostile.size(); i += 2)
        hostile[i] = 'a';
    hostile.replace(hostile.size() - 2, 2, "a>");
    EXPECT_EQ(Parse(hostile), nullptr);
}

TEST(XmlNode, LookupsIgnoreCaseAndReturnTheFirstMatch)
{
    const auto root = Parse("<Root A='1' a='2' Other='x'><Child n='1'/><CHILD n='2'/><midi/></Root>");
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->GetAttribute("a"), "1");
    EXPECT_STREQ(root->GetAttribute(std::string("OTHER")), "x");
    EXPECT_EQ(root->GetAttribute("missing"), nullptr);
    EXPECT_TRUE(root->HasAttribute("other"));
    EXPECT_FALSE(root->HasAttribute("othe"));
    ASSERT_NE(root->FindChild("child"), nullptr);
    EXPECT_EQ(root->FindChild("child")->GetAttributeInt("n"), 1);
    EXPECT_TRUE(root->HasChild(std::string("MIDI")));
    EXPECT_FALSE(root->HasChild("mid"));
    EXPECT_EQ(root->FindChild(nullptr), nullptr);

    const CXmlNode *first = root->FirstChild();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(first->NextSibling(), nullptr);
    EXPECT_STREQ(first->NextSibling()->Name(), "CHILD");
    EXPECT_FALSE(root->HasText());
    EXPECT_FALSE(first->HasText());
}

TEST(XmlNode, NumberGettersFollowAtoi)
{
    const auto root = Parse("<n letters='abc' mixed=' \t-12abc' plus='+7' two='--3' true='true' big='99999999999'"
                            " small='-99999999999' hex='0x1F' empty='' f1=' 2.5e1x' f2='-.5' f3='abc' f4='+1.25'"
                            " i64='-9223372036854775807' i64big='99999999999999999999'/>");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetAttributeInt("letters"), 0);
    EXPECT_EQ(root->GetAttributeInt("mixed"), -12);
    EXPECT_EQ(root->GetAttributeInt("plus"), 7);
    EXPECT_EQ(root->GetAttributeInt("two"), 0);
    EXPECT_EQ(root->GetAttributeInt("hex"), 0);
    EXPECT_EQ(root->GetAttributeInt("empty"), 0);
    EXPECT_EQ(root->GetAttributeInt("big"), 2147483647);
    EXPECT_EQ(root->GetAttributeInt("small"), -2147483647 - 1);
    EXPECT_EQ(root->GetAttributeInt("missing"), 0);
    EXPECT_EQ(root->GetAttributeInt("missing", 5), 5);
    EXPECT_EQ(root->GetAttributeInt("letters", 5), 0);

    std::int32_t out = 99;
    EXPECT_FALSE(root->GetAttributeInt("missing", &out));
    EXPECT_EQ(out, 99);
    EXPECT_TRUE(root->GetAttributeInt("mixed", &out));
    EXPECT_EQ(out, -12);

    EXPECT_FALSE(root->GetAttributeBool("true", true));
    EXPECT_TRUE(root->GetAttributeBool("plus", false));
    EXPECT_TRUE(root->GetAttributeBool("missing", true));

    EXPECT_FLOAT_EQ(root->GetAttributeFloat("f1", 0), 25.0f);
    EXPECT_FLOAT_EQ(root->GetAttributeFloat("f2", 0), -0.5f);
    EXPECT_FLOAT_EQ(root->GetAttributeFloat("f3", 3), 0.0f);
    EXPECT_FLOAT_EQ(root->GetAttributeFloat("f4", 0), 1.25f);
    EXPECT_FLOAT_EQ(root->GetAttributeFloat("missing", 3.5f), 3.5f);

    EXPECT_EQ(root->GetAttributeInt64("i64", 0), -9223372036854775807LL);
    EXPECT_EQ(root->GetAttributeInt64("i64big", 0), 9223372036854775807LL);
    EXPECT_EQ(root->GetAttributeInt64("missing", -4), -4);
}

TEST(XmlNode, ColorGetter)
{
    struct Case
    {
        const char *value;
        bool valid;
        ColorRef color;
    };
    const Case cases[] = {
        {"#00FF80", true, MakeColorRef(0, 255, 128)},
        {"#00ff80", true, MakeColorRef(0, 255, 128)},
        {"Gray", true, MakeColorRef(127, 127, 127)},
        {"YELLOW", true, MakeColorRef(255, 255, 0)},
        {"transparent", true, kColorTransparent},
        {"#", true, MakeColorRef(0, 0, 0)},
        {"#F", true, MakeColorRef(0, 0, 15)},
        // Only the low 32 bits of a long run count, and of them the low three bytes.
        {"#123456789A", true, MakeColorRef(0x56, 0x78, 0x9A)},
        {"#12G456", false, 0},
        {"#12345 ", false, 0},
        {"grey", false, 0},
        {"", false, 0},
    };
    for (const Case &c : cases) {
        CXmlNode node("n");
        node.AddAttribute("c", c.value);
        ColorRef color = 0xDEADBEEF;
        EXPECT_EQ(node.GetAttributeColor("c", &color), c.valid) << c.value;
        EXPECT_EQ(color, c.valid ? c.color : 0xDEADBEEF) << c.value;
    }
    CXmlNode node("n");
    ColorRef color = 1;
    EXPECT_FALSE(node.GetAttributeColor("missing", &color));
    EXPECT_EQ(color, 1u);
}

TEST(XmlNode, LongSiblingChainsAndDeepTreesAreDestroyedWithoutRecursion)
{
    {
        CXmlNode root("r");
        for (int i = 0; i < 300'000; ++i)
            root.AddChild("c");
    }
    {
        auto root = std::make_unique<CXmlNode>("r");
        CXmlNode *node = root.get();
        for (int i = 0; i < 300'000; ++i)
            node = node->AddChild("d");
        root.reset();
    }
    SUCCEED();
}

TEST(XmlFiles, SaveAndLoad)
{
    // Named after the process: other runs of the suite may share the machine.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("korvane_xml_test_" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto path = folder / "out.xml";

    CXmlNode root("Root");
    root.AddChild("Child")->AddAttributeInt("n", 3);
    ASSERT_TRUE(SaveXmlFile(path, root));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, Write(root));

    const auto loaded = LoadXmlFile(path);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(Write(*loaded), bytes);

    EXPECT_EQ(LoadXmlFile(folder / "missing.xml"), nullptr);
    EXPECT_EQ(LoadXmlFile(folder), nullptr);
    std::ofstream(folder / "empty.xml").close();
    EXPECT_EQ(LoadXmlFile(folder / "empty.xml"), nullptr);
    EXPECT_FALSE(SaveXmlFile(folder / "no" / "such" / "folder.xml", root));
    std::filesystem::remove_all(folder);
}
