// libFuzzer target for the XML reader: any bytes must be refused or read, never crash, and a
// tree that was read must write, read back and write again to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "xml/xml_node.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto root = korvane::ParseXml(reinterpret_cast<const char *>(data), size);
    if (!root)
        return 0;
    std::string first;
    korvane::SaveXmlString(first, *root);
    const auto again = korvane::ParseXml(first.data(), first.size());
    if (!again)
        std::abort(); // what the writer wrote, the reader must read
    std::string second;
    korvane::SaveXmlString(second, *again);
    if (second != first)
        std::abort();
    return 0;
}
