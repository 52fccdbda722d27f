// The element tree, its getters, and the file writer and reader.
#include "xml/xml_node.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace korvane {

namespace {

constexpr char kCrLf[] = "\r\n";

constexpr unsigned char AsciiLower(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

bool IsXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The blanks atoi skips: the C locale's isspace.
bool IsCBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
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

// Digits of an atoi-style number, saturating at the limits of T.
template <typename T>
T ParseSignedDecimal(const char *text)
{
    if (!text)
        return 0;
    while (IsCBlank(*text))
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = (*text++ == '-');
    // Accumulate as a negative number so that the most negative value fits.
    constexpr T kMin = std::numeric_limits<T>::min();
    T value = 0;
    bool saturated = false;
    for (; *text >= '0' && *text <= '9'; ++text) {
        const int digit = *text - '0';
        if (saturated)
            continue;
        if (value < (kMin + digit) / 10) {
            saturated = true;
            continue;
        }
        value = static_cast<T>(value * 10 - digit);
    }
    if (saturated)
        return negative ? kMin : std::numeric_limits<T>::max();
    if (negative)
        return value;
    return value == kMin ? std::numeric_limits<T>::max() : static_cast<T>(-value);
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct NamedColor
{
    const char *name;
    ColorRef color;
};
constexpr NamedColor kNamedColors[] = {
    {"red", MakeColorRef(255, 0, 0)},       {"green", MakeColorRef(0, 255, 0)},
    {"blue", MakeColorRef(0, 0, 255)},      {"white", MakeColorRef(255, 255, 255)},
    {"black", MakeColorRef(0, 0, 0)},       {"yellow", MakeColorRef(255, 255, 0)},
    {"cyan", MakeColorRef(0, 255, 255)},    {"magenta", MakeColorRef(255, 0, 255)},
    {"gray", MakeColorRef(127, 127, 127)},  {"transparent", kColorTransparent},
};

std::optional<ColorRef> ParseColor(const char *text)
{
    if (*text == '#') {
        std::uint32_t accumulated = 0; // only the low 32 bits of a long run count
        for (const char *p = text + 1; *p; ++p) {
            const int digit = HexDigitValue(*p);
            if (digit < 0)
                return std::nullopt;
            accumulated = (accumulated << 4) | static_cast<std::uint32_t>(digit);
        }
        return MakeColorRef(static_cast<std::uint8_t>(accumulated >> 16), static_cast<std::uint8_t>(accumulated >> 8),
                            static_cast<std::uint8_t>(accumulated));
    }
    for (const NamedColor &named : kNamedColors) {
        if (XmlNamesEqual(text, named.name))
            return named.color;
    }
    return std::nullopt;
}

// The written document, grown by doubling; fragments are copied with memcpy so that the
// writer's cost stays close to that of the bytes themselves.
class OutBuffer
{
public:
    explicit OutBuffer(std::string &target) : m_target(target), m_used(target.size()) {}
    ~OutBuffer() { m_target.resize(m_used); }

    char *Reserve(std::size_t count)
    {
        if (m_target.size() < m_used + count)
            m_target.resize(std::max(m_target.size() * 2, m_used + count + 4096));
        return m_target.data() + m_used;
    }
    void Commit(std::size_t count) { m_used += count; }

    void Append(const char *bytes, std::size_t count)
    {
        std::memcpy(Reserve(count), bytes, count);
        m_used += count;
    }
    void Append(std::string_view text) { Append(text.data(), text.size()); }
    void Append(char c) { Append(&c, 1); }
    void Spaces(std::size_t count)
    {
        std::memset(Reserve(count), ' ', count);
        m_used += count;
    }

    // Writes the text up to its NUL with the five special characters as entities.
    void AppendEscaped(const char *text)
    {
        static constexpr auto kSpecial = [] {
            std::array<bool, 256> special{};
            for (unsigned char c : {'\0', '<', '>', '&', '\'', '"'})
                special[c] = true;
            return special;
        }();
        for (;;) {
            const char *run = text;
            while (!kSpecial[static_cast<unsigned char>(*text)])
                ++text;
            Append(run, static_cast<std::size_t>(text - run));
            switch (*text++) {
            case '<': Append("&lt;"); break;
            case '>': Append("&gt;"); break;
            case '&': Append("&amp;"); break;
            case '\'': Append("&apos;"); break;
            case '"': Append("&quot;"); break;
            default: return; // the terminating NUL
            }
        }
    }

private:
    std::string &m_target;
    std::size_t m_used;
};

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

void WriteNode(OutBuffer &out, const CXmlNode &node, int depth)
{
    const char *name = node.Name();
    if (!name)
        return;
    const std::size_t nameLength = std::strlen(name);
    const std::size_t indent = 2 * static_cast<std::size_t>(depth);
    out.Spaces(indent);
    out.Append('<');
    out.Append(name, nameLength);
    for (const CXmlAttribute *attribute = node.FirstAttribute(); attribute; attribute = attribute->Next()) {
        if (!attribute->Name() || !attribute->Value())
            continue;
        out.Append(' ');
        out.Append(std::string_view(attribute->Name()));
        out.Append("=\"");
        out.AppendEscaped(attribute->Value());
        out.Append('"');
    }
    auto endTag = [&] {
        out.Append("</");
        out.Append(name, nameLength);
        out.Append(">\r\n");
    };
    if (const CXmlNode *child = node.FirstChild()) {
        out.Append(">\r\n");
        for (; child; child = child->NextSibling())
            WriteNode(out, *child, depth + 1);
        if (node.Text())
            out.AppendEscaped(node.Text());
        out.Spaces(indent);
        endTag();
    } else if (node.Text()) {
        out.Append('>');
        out.AppendEscaped(node.Text());
        endTag();
    } else {
        out.Append(" />\r\n");
    }
}

} // namespace

// Bump allocation in blocks that are freed together with the tree.
class XmlArena
{
public:
    void *Allocate(std::size_t size, std::size_t alignment)
    {
        std::size_t offset = (m_used + alignment - 1) & ~(alignment - 1);
        if (offset + size > m_capacity) {
            // A large request gets a block of its own and leaves the current block in use.
            if (size > kLargeRequest)
                return NewBlock(size);
            m_blockSize = std::min(m_blockSize * 2, kMaxBlockSize);
            m_capacity = std::max(m_blockSize, size);
            m_current = NewBlock(m_capacity);
            offset = 0;
        }
        m_used = offset + size;
        return m_current + offset;
    }

    const char *CopyString(const char *text, std::size_t length)
    {
        char *copy = static_cast<char *>(Allocate(length + 1, 1));
        std::memcpy(copy, text, length);
        copy[length] = '\0';
        return copy;
    }
    const char *CopyString(const char *text) { return text ? CopyString(text, std::strlen(text)) : nullptr; }

private:
    static constexpr std::size_t kLargeRequest = 16 * 1024;
    static constexpr std::size_t kMaxBlockSize = 1024 * 1024;

    char *NewBlock(std::size_t size)
    {
        // Not value-initialised: every byte is written before it is read.
        m_blocks.emplace_back(new char[size]);
        return m_blocks.back().get();
    }

    std::vector<std::unique_ptr<char[]>> m_blocks;
    char *m_current = nullptr;
    std::size_t m_used = 0;
    std::size_t m_capacity = 0;
    std::size_t m_blockSize = 1024;
};

bool XmlNamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(static_cast<unsigned char>(a[i])) != AsciiLower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::int32_t XmlParseInt(const char *text)
{
    return ParseSignedDecimal<std::int32_t>(text);
}

std::int64_t XmlParseInt64(const char *text)
{
    return ParseSignedDecimal<std::int64_t>(text);
}

// --- CXmlNode

CXmlNode::CXmlNode(const char *name)
{
    if (name)
        m_name = Arena().CopyString(name);
}

CXmlNode::CXmlNode(const std::string &name) : CXmlNode(name.c_str()) {}

CXmlNode::CXmlNode(InArena, XmlArena *arena) : m_arena(arena) {}

// The nodes below a root live in its arena and hold nothing else, so freeing the arena frees
// the tree, however long its sibling chains or deep its nesting.
CXmlNode::~CXmlNode() = default;

XmlArena &CXmlNode::Arena()
{
    if (!m_arena) {
        m_ownedArena = std::make_unique<XmlArena>();
        m_arena = m_ownedArena.get();
    }
    return *m_arena;
}

CXmlNode *CXmlNode::NewChild()
{
    XmlArena &arena = Arena();
    return new (arena.Allocate(sizeof(CXmlNode), alignof(CXmlNode))) CXmlNode(InArena{}, &arena);
}

void CXmlNode::AppendChild(CXmlNode *child)
{
    if (m_lastChild)
        m_lastChild->m_nextSibling = child;
    else
        m_firstChild = child;
    m_lastChild = child;
}

CXmlAttribute *CXmlNode::NewAttribute()
{
    auto *attribute = new (Arena().Allocate(sizeof(CXmlAttribute), alignof(CXmlAttribute))) CXmlAttribute();
    if (m_lastAttribute)
        m_lastAttribute->m_next = attribute;
    else
        m_firstAttribute = attribute;
    m_lastAttribute = attribute;
    return attribute;
}

CXmlNode *CXmlNode::AddChild(const char *name)
{
    CXmlNode *child = NewChild();
    child->m_name = Arena().CopyString(name);
    AppendChild(child);
    return child;
}

CXmlNode *CXmlNode::AddChild(const std::string &name)
{
    return AddChild(name.c_str());
}

void CXmlNode::AddAttribute(const char *name, const char *value)
{
    CXmlAttribute *attribute = NewAttribute();
    attribute->m_name = Arena().CopyString(name);
    attribute->m_value = Arena().CopyString(value);
}

void CXmlNode::AddAttribute(const std::string &name, const std::string &value)
{
    AddAttribute(name.c_str(), value.c_str());
}

void CXmlNode::AddAttributeInt(const char *name, std::int32_t value)
{
    AddAttributeInt64(name, value);
}

void CXmlNode::AddAttributeInt(const std::string &name, std::int32_t value)
{
    AddAttributeInt64(name.c_str(), value);
}

void CXmlNode::AddAttributeColor(const char *name, ColorRef color)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    char text[8] = "#";
    const std::uint8_t channels[3] = {static_cast<std::uint8_t>(color), static_cast<std::uint8_t>(color >> 8),
                                      static_cast<std::uint8_t>(color >> 16)};
    for (int i = 0; i < 3; ++i) {
        text[1 + 2 * i] = kHex[channels[i] >> 4];
        text[2 + 2 * i] = kHex[channels[i] & 0xF];
    }
    text[7] = '\0';
    AddAttribute(name, text);
}

void CXmlNode::AddAttributeColor(const std::string &name, ColorRef color)
{
    AddAttributeColor(name.c_str(), color);
}

void CXmlNode::AddAttributeBool(const char *name, bool flag)
{
    AddAttribute(name, flag ? "1" : "0");
}

void CXmlNode::AddAttributeBool(const std::string &name, bool flag)
{
    AddAttributeBool(name.c_str(), flag);
}

void CXmlNode::AddAttributeInt64(const char *name, std::int64_t value)
{
    char text[24];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    *result.ptr = '\0';
    AddAttribute(name, text);
}

void CXmlNode::AddAttributeInt64(const std::string &name, std::int64_t value)
{
    AddAttributeInt64(name.c_str(), value);
}

void CXmlNode::AddAttributeFloat(const char *name, float value, int decimals)
{
    if (decimals < 0 || decimals > 18) {
        AddAttribute(name, "");
        return;
    }
    // to_chars in fixed notation gives printf's "%.Nf" bytes without depending on the
    // process locale's decimal separator.
    char text[400]; // FLT_MAX has 39 integer digits; 400 leaves room for any fixed form
    const auto result =
        std::to_chars(std::begin(text), std::end(text) - 1, static_cast<double>(value), std::chars_format::fixed, decimals);
    *result.ptr = '\0';
    AddAttribute(name, text);
}

void CXmlNode::AddAttributeFloat(const std::string &name, float value, int decimals)
{
    AddAttributeFloat(name.c_str(), value, decimals);
}

const CXmlNode *CXmlNode::FindChild(const char *name) const
{
    if (!name)
        return nullptr;
    for (const CXmlNode *child = m_firstChild; child; child = child->m_nextSibling) {
        if (child->m_name && XmlNamesEqual(child->m_name, name))
            return child;
    }
    return nullptr;
}

const CXmlNode *CXmlNode::FindChild(const std::string &name) const
{
    return FindChild(name.c_str());
}

CXmlNode *CXmlNode::FindChild(const char *name)
{
    return const_cast<CXmlNode *>(std::as_const(*this).FindChild(name));
}

CXmlNode *CXmlNode::FindChild(const std::string &name)
{
    return FindChild(name.c_str());
}

const char *CXmlNode::GetAttribute(const char *name) const
{
    if (!name)
        return nullptr;
    for (const CXmlAttribute *attribute = m_firstAttribute; attribute; attribute = attribute->m_next) {
        if (attribute->m_name && XmlNamesEqual(attribute->m_name, name))
            return attribute->m_value;
    }
    return nullptr;
}

std::int32_t CXmlNode::GetAttributeInt(const char *name) const
{
    return XmlParseInt(GetAttribute(name));
}

std::int32_t CXmlNode::GetAttributeInt(const char *name, std::int32_t defaultValue) const
{
    const char *value = GetAttribute(name);
    return value ? XmlParseInt(value) : defaultValue;
}

bool CXmlNode::GetAttributeInt(const char *name, std::int32_t *out) const
{
    const char *value = GetAttribute(name);
    if (!value)
        return false;
    *out = XmlParseInt(value);
    return true;
}

bool CXmlNode::GetAttributeColor(const char *name, ColorRef *out) const
{
    const char *value = GetAttribute(name);
    if (!value)
        return false;
    const std::optional<ColorRef> color = ParseColor(value);
    if (!color)
        return false;
    *out = *color;
    return true;
}

bool CXmlNode::GetAttributeBool(const char *name, bool defaultValue) const
{
    const char *value = GetAttribute(name);
    return value ? XmlParseInt(value) != 0 : defaultValue;
}

float CXmlNode::GetAttributeFloat(const char *name, float defaultValue) const
{
    const char *value = GetAttribute(name);
    if (!value)
        return defaultValue;
    // atof rules without the locale: blanks, an optional sign, then the longest number.
    while (IsCBlank(*value))
        ++value;
    bool negative = false;
    if (*value == '+' || *value == '-')
        negative = (*value++ == '-');
    if (*value == '+' || *value == '-')
        return 0.0f; // a second sign leaves no number
    double parsed = 0.0;
    std::from_chars(value, value + std::strlen(value), parsed, std::chars_format::general);
    return static_cast<float>(negative ? -parsed : parsed);
}

std::int64_t CXmlNode::GetAttributeInt64(const char *name, std::int64_t defaultValue) const
{
    const char *value = GetAttribute(name);
    return value ? XmlParseInt64(value) : defaultValue;
}

// --- reader

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

bool SaveXmlString(std::string &buffer, const CXmlNode &root)
{
    OutBuffer out(buffer);
    WriteNode(out, root, 0);
    return true;
}

bool SaveXmlFile(const std::filesystem::path &path, const CXmlNode &root)
{
    std::string buffer;
    SaveXmlString(buffer, root);
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    // Like the format's own writer, only the creation of the file is reported; the bytes are
    // handed over in one write.
    std::fwrite(buffer.data(), 1, buffer.size(), file);
    std::fclose(file);
    return true;
}

} // namespace korvane
