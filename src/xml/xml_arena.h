// The storage of a tree of nodes, shared by the node's builders and the reader, which places
// the document's own bytes in it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

namespace korvane {

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

} // namespace korvane
