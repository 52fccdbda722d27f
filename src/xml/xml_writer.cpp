// The writer: a tree into the file layout's bytes.
#include "xml/xml_node.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace korvane {

namespace {

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
