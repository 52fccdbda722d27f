// The reader: a document's bytes into a tree, in one pass and in place.
#include "xml/xml_node.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <system_error>
#include <vector>

#include "xml/xml_arena.h"

namespace korvane {

namespace {

bool IsXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

struct NameByteTable
{
    std::array<bool, 256> allowed{};
    constexpr NameByteTable()
    {
        for (int c = 'A'; c <= 'Z'; ++c)
            allowed[c] = true;
        for (int c = 'a'; c <= 'z'; ++c)
            allowed[c] = true;
        for (int c = '0'; c <= '9'; ++c)
            allowed[c] = true;
        for (char c : {'-', '_', ':', '.', '&', ';'})
            allowed[static_cast<unsigned char>(c)] = true;
    }
};
constexpr NameByteTable kNameBytes;

bool IsNameByte(char c)
{
    return kNameBytes.allowed[static_cast<unsigned char>(c)];
}

// Replaces the five predefined entities of [begin, end) in place, in one pass: the result is
// not scanned again and any other "&" sequence stays. Returns the new end.
char *UnescapeInPlace(char *begin, char *end)
{
    char *amp = static_cast<char *>(std::memchr(begin, '&', static_cast<std::size_t>(end - begin)));
    if (!amp)
        return end;
    struct Entity
    {
        std::string_view code;
        char character;
    };
    static constexpr Entity kEntities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&apos;", '\''}, {"&quot;", '"'},
    };
    char *out = amp;
    const char *in = amp;
    while (in < end) {
        if (*in == '&') {
            const std::string_view rest(in, static_cast<std::size_t>(end - in));
            const auto entity = std::find_if(std::begin(kEntities), std::end(kEntities),
                                             [&](const Entity &e) { return rest.starts_with(e.code); });
            if (entity != std::end(kEntities)) {
                *out++ = entity->character;
                in += entity->code.size();
                continue;
            }
        }
        *out++ = *in++;
    }
    return out;
}

} // namespace

// One forward pass over a private, NUL-terminated copy of the document in the tree's arena.
// Names, values and texts stay where they are in that copy: each is ended in place by a NUL
// written over a byte the parser has already consumed (a blank, "=", a closing quote, the
// ">" or "/" ending a name, the "<" of an end tag), and entities are replaced in place, as
// the result is never longer. Open elements are kept on an explicit stack so that nesting is
// bounded by kXmlMaxDepth rather than by the thread's stack.
class XmlParser
{
public:
    XmlParser(char *begin, char *end, CXmlNode &root) : m_pos(begin), m_end(end), m_root(root) {}

    bool Parse()
    {
        SkipSpace();
        bool selfClosed = false;
        if (!ParseStartTag(m_root, selfClosed))
            return false;
        if (!selfClosed && !ParseContent())
            return false;
        SkipSpace();
        return m_pos == m_end;
    }

private:
    struct OpenElement
    {
        CXmlNode *node;
        char *contentStart;
        bool hasChild;
    };

    // The copy ends in a NUL, which is neither a blank nor a name byte, so these loops need
    // no bounds check.
    void SkipSpace()
    {
        while (IsXmlSpace(*m_pos))
            ++m_pos;
    }

    char *SkipName()
    {
        char *start = m_pos;
        while (IsNameByte(*m_pos))
            ++m_pos;
        return start;
    }

    // At "<": the name and the attributes up to ">" or "/>".
    bool ParseStartTag(CXmlNode &node, bool &selfClosed)
    {
        if (*m_pos != '<')
            return false;
        ++m_pos;
        node.m_name = SkipName();
        if (m_pos == node.m_name)
            return false;
        char *nameEnd = m_pos;
        if (*m_pos == '>' || (*m_pos == '/' && m_pos[1] == '>')) {
            selfClosed = *m_pos == '/';
            m_pos += selfClosed ? 2 : 1;
            *nameEnd = '\0';
            return true;
        }
        if (!IsXmlSpace(*m_pos))
            return false; // a byte that can start neither an attribute nor the tag's end
        *nameEnd = '\0';
        ++m_pos;
        SkipSpace();
        for (;;) {
            if (m_pos == m_end)
                return false;
            if (*m_pos == '/' && m_pos[1] == '>') {
                m_pos += 2;
                selfClosed = true;
                return true;
            }
            if (*m_pos == '>') {
                ++m_pos;
                selfClosed = false;
                return true;
            }
            if (!ParseAttribute(node))
                return false;
        }
    }

    bool ParseAttribute(CXmlNode &node)
    {
        char *name = SkipName();
        if (m_pos == name)
            return false;
        char *nameEnd = m_pos;
        SkipSpace();
        if (*m_pos != '=')
            return false;
        ++m_pos;
        SkipSpace();
        if (*m_pos != '"' && *m_pos != '\'')
            return false;
        const char quote = *m_pos++;
        char *close = static_cast<char *>(std::memchr(m_pos, quote, static_cast<std::size_t>(m_end - m_pos)));
        if (!close)
            return false;
        *nameEnd = '\0';
        *UnescapeInPlace(m_pos, close) = '\0';
        CXmlAttribute *attribute = node.NewAttribute();
        attribute->m_name = name;
        attribute->m_value = m_pos;
        m_pos = close + 1;
        SkipSpace();
        return true;
    }

    // After the ">" of the root's start tag: children and end tags down to the root's own.
    bool ParseContent()
    {
        std::vector<OpenElement> open;
        open.push_back({&m_root, m_pos, false});
        while (!open.empty()) {
            OpenElement &top = open.back();
            char *lt = static_cast<char *>(std::memchr(m_pos, '<', static_cast<std::size_t>(m_end - m_pos)));
            if (!lt)
                return false;
            if (lt[1] == '/') {
                m_pos = lt + 2;
                if (!ParseEndTagRest(top.node->m_name))
                    return false;
                if (!top.hasChild) {
                    *UnescapeInPlace(top.contentStart, lt) = '\0';
                    top.node->m_text = top.contentStart;
                }
                open.pop_back();
                continue;
            }
            m_pos = lt;
            CXmlNode *child = top.node->NewChild();
            top.node->AppendChild(child);
            top.hasChild = true;
            bool selfClosed = false;
            if (!ParseStartTag(*child, selfClosed))
                return false;
            if (!selfClosed) {
                if (open.size() >= static_cast<std::size_t>(kXmlMaxDepth))
                    return false;
                open.push_back({child, m_pos, false});
            }
        }
        return true;
    }

    // After "</": the element's name (any case, its exact length), blanks, ">".
    bool ParseEndTagRest(const char *name)
    {
        const std::size_t length = std::strlen(name);
        if (static_cast<std::size_t>(m_end - m_pos) < length || !XmlNamesEqual({m_pos, length}, {name, length}))
            return false;
        m_pos += length;
        SkipSpace();
        if (*m_pos != '>')
            return false;
        ++m_pos;
        return true;
    }

    char *m_pos;
    char *m_end;
    CXmlNode &m_root;
};

namespace {

// Parses the `length` bytes that the root's arena holds at `text` (followed by a NUL).
std::unique_ptr<CXmlNode> ParseOwnedCopy(std::unique_ptr<CXmlNode> root, char *text, std::size_t length)
{
    if (length == 0)
        return nullptr;
    // The text ends at the first NUL byte, wherever it stands.
    if (char *nul = static_cast<char *>(std::memchr(text, '\0', length)))
        length = static_cast<std::size_t>(nul - text);
    if (!XmlParser(text, text + length, *root).Parse())
        return nullptr;
    return root;
}

} // namespace

std::unique_ptr<CXmlNode> ParseXml(const char *text, std::size_t length)
{
    if (!text || length == 0)
        return nullptr;
    auto root = std::make_unique<CXmlNode>();
    char *copy = static_cast<char *>(root->Arena().Allocate(length + 1, 1));
    std::memcpy(copy, text, length);
    copy[length] = '\0';
    return ParseOwnedCopy(std::move(root), copy, length);
}

std::unique_ptr<CXmlNode> LoadXmlFile(const std::filesystem::path &path)
{
    // Console and design files are small; anything this large is not one of them.
    constexpr std::uintmax_t kLargestFile = std::uintmax_t(1) << 31;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return nullptr;
    // The whole file in one read, straight into the tree's arena; a failed read counts as
    // zero bytes.
    auto root = std::make_unique<CXmlNode>();
    char *text = nullptr;
    std::size_t length = 0;
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(path, error);
    const std::uintmax_t size = regular ? std::filesystem::file_size(path, error) : 0;
    if (regular && !error && size > 0 && size < kLargestFile) {
        text = static_cast<char *>(root->Arena().Allocate(static_cast<std::size_t>(size) + 1, 1));
        length = std::fread(text, 1, static_cast<std::size_t>(size), file);
        text[length] = '\0';
    }
    if (std::ferror(file))
        length = 0;
    std::fclose(file);
    return ParseOwnedCopy(std::move(root), text, length);
}

} // namespace korvane
