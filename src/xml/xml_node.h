// The element tree behind every console and design file, and its reader and writer.
// Text is kept as the file's own bytes (Windows-1252 in practice); nothing is converted.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace korvane {

// A Windows colour value: red in the lowest byte, then green, then blue.
using ColorRef = std::uint32_t;

// Stands for "transparent" in a file: all 32 bits set, not a real colour.
inline constexpr ColorRef kColorTransparent = 0xFFFFFFFFu;

constexpr ColorRef MakeColorRef(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return ColorRef(red) | (ColorRef(green) << 8) | (ColorRef(blue) << 16);
}

class XmlArena;

// One name/value pair of an element. Either half may be absent (an adder handed a null
// pointer); such an attribute is kept but never written. Attributes form a chain in
// insertion order.
class CXmlAttribute
{
public:
    const char *Name() const { return m_name; }
    const char *Value() const { return m_value; }
    const CXmlAttribute *Next() const { return m_next; }

private:
    friend class CXmlNode;
    friend class XmlParser;

    const char *m_name = nullptr;
    const char *m_value = nullptr;
    CXmlAttribute *m_next = nullptr;
};

// One element. A node owns its attributes, its text, its children and the siblings after
// it: destroying a root destroys the whole tree. Only a root (a node made with the
// constructor, or handed out by the reader) is destroyed from outside; the nodes below it
// live in the root's storage and go with it. Children and attributes keep insertion order;
// every lookup compares names without regard to ASCII letter case and returns the first
// match.
class CXmlNode
{
public:
    explicit CXmlNode(const char *name = nullptr);
    explicit CXmlNode(const std::string &name);
    ~CXmlNode();

    CXmlNode(const CXmlNode &) = delete;
    CXmlNode &operator=(const CXmlNode &) = delete;

    // --- building (every adder copies its strings)
    CXmlNode *AddChild(const char *name);
    CXmlNode *AddChild(const std::string &name);

    void AddAttribute(const char *name, const char *value);
    void AddAttribute(const std::string &name, const std::string &value);
    void AddAttributeInt(const char *name, std::int32_t value);
    void AddAttributeInt(const std::string &name, std::int32_t value);
    void AddAttributeColor(const char *name, ColorRef color);
    void AddAttributeColor(const std::string &name, ColorRef color);
    void AddAttributeBool(const char *name, bool flag);
    void AddAttributeBool(const std::string &name, bool flag);
    void AddAttributeInt64(const char *name, std::int64_t value);
    void AddAttributeInt64(const std::string &name, std::int64_t value);
    // decimals 0..18; a larger count gives an empty value.
    void AddAttributeFloat(const char *name, float value, int decimals);
    void AddAttributeFloat(const std::string &name, float value, int decimals);

    // --- reading
    const char *Name() const { return m_name; }
    // The element's character content; null when absent, which differs from empty.
    const char *Text() const { return m_text; }
    bool HasText() const { return m_text != nullptr; }

    const CXmlNode *FirstChild() const { return m_firstChild; }
    CXmlNode *FirstChild() { return m_firstChild; }
    const CXmlNode *NextSibling() const { return m_nextSibling; }
    CXmlNode *NextSibling() { return m_nextSibling; }
    const CXmlAttribute *FirstAttribute() const { return m_firstAttribute; }

    const CXmlNode *FindChild(const char *name) const;
    const CXmlNode *FindChild(const std::string &name) const;
    CXmlNode *FindChild(const char *name);
    CXmlNode *FindChild(const std::string &name);
    bool HasChild(const char *name) const { return FindChild(name) != nullptr; }
    bool HasChild(const std::string &name) const { return FindChild(name) != nullptr; }

    bool HasAttribute(const char *name) const { return GetAttribute(name) != nullptr; }
    bool HasAttribute(const std::string &name) const { return GetAttribute(name) != nullptr; }
    // The value of the first attribute of that name, or null.
    const char *GetAttribute(const char *name) const;
    const char *GetAttribute(const std::string &name) const { return GetAttribute(name.c_str()); }

    // atoi rules: leading blanks, one sign, digits up to the first non-digit; no digits is 0.
    std::int32_t GetAttributeInt(const char *name) const;
    std::int32_t GetAttributeInt(const std::string &name) const { return GetAttributeInt(name.c_str()); }
    std::int32_t GetAttributeInt(const char *name, std::int32_t defaultValue) const;
    std::int32_t GetAttributeInt(const std::string &name, std::int32_t defaultValue) const
    {
        return GetAttributeInt(name.c_str(), defaultValue);
    }
    // Stores the value and returns true, or leaves *out alone and returns false.
    bool GetAttributeInt(const char *name, std::int32_t *out) const;
    bool GetAttributeInt(const std::string &name, std::int32_t *out) const
    {
        return GetAttributeInt(name.c_str(), out);
    }
    // "#" and hexadecimal digits, or a colour name; *out is left alone on false.
    bool GetAttributeColor(const char *name, ColorRef *out) const;
    bool GetAttributeColor(const std::string &name, ColorRef *out) const
    {
        return GetAttributeColor(name.c_str(), out);
    }
    bool GetAttributeBool(const char *name, bool defaultValue) const;
    bool GetAttributeBool(const std::string &name, bool defaultValue) const
    {
        return GetAttributeBool(name.c_str(), defaultValue);
    }
    float GetAttributeFloat(const char *name, float defaultValue) const;
    float GetAttributeFloat(const std::string &name, float defaultValue) const
    {
        return GetAttributeFloat(name.c_str(), defaultValue);
    }
    std::int64_t GetAttributeInt64(const char *name, std::int64_t defaultValue) const;
    std::int64_t GetAttributeInt64(const std::string &name, std::int64_t defaultValue) const
    {
        return GetAttributeInt64(name.c_str(), defaultValue);
    }

private:
    friend class XmlParser;
    friend std::unique_ptr<CXmlNode> ParseXml(const char *text, std::size_t length);
    friend std::unique_ptr<CXmlNode> LoadXmlFile(const std::filesystem::path &path);

    struct InArena {};
    CXmlNode(InArena, XmlArena *arena);

    XmlArena &Arena();
    CXmlNode *NewChild();
    void AppendChild(CXmlNode *child);
    CXmlAttribute *NewAttribute();

    const char *m_name = nullptr;
    const char *m_text = nullptr;
    CXmlAttribute *m_firstAttribute = nullptr;
    CXmlAttribute *m_lastAttribute = nullptr; // appending stays constant-time
    CXmlNode *m_firstChild = nullptr;
    CXmlNode *m_lastChild = nullptr;
    CXmlNode *m_nextSibling = nullptr;
    // Every node of a tree, with its strings, lives in the root's arena: a tree is freed in
    // one go, and reading a file makes no allocation per name or value.
    XmlArena *m_arena = nullptr;
    std::unique_ptr<XmlArena> m_ownedArena; // set on a root only
};

// The reader refuses documents nested deeper than this, like any other syntax error.
inline constexpr int kXmlMaxDepth = 4096;

// Parses a whole document: exactly one root element with only whitespace around it. The
// text ends at the first NUL byte. Returns null on any error; nothing partial survives.
std::unique_ptr<CXmlNode> ParseXml(const char *text, std::size_t length);
std::unique_ptr<CXmlNode> LoadXmlFile(const std::filesystem::path &path);

// Writes the tree in the file layout (two-space indentation, CRLF line ends). Returns false
// only when the file cannot be created.
bool SaveXmlFile(const std::filesystem::path &path, const CXmlNode &root);
// Appends exactly the bytes SaveXmlFile would write.
bool SaveXmlString(std::string &buffer, const CXmlNode &root);

// atoi rules shared by the getters; values beyond 32 bits saturate.
std::int32_t XmlParseInt(const char *text);
std::int64_t XmlParseInt64(const char *text);
// Compares two names without regard to ASCII letter case.
bool XmlNamesEqual(std::string_view a, std::string_view b);

} // namespace korvane
