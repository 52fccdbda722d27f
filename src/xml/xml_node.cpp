// The element tree: building it and reading its names, texts and attribute values.
#include "xml/xml_node.h"

#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

#include "xml/xml_arena.h"

namespace korvane {

namespace {

constexpr unsigned char AsciiLower(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// The blanks atoi skips: the C locale's isspace.
bool IsCBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
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

} // namespace

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

} // namespace korvane
