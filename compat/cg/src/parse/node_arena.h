// Syntax tree nodes of one compile come from large blocks that are given
// back together when the compile ends: a large source has hundreds of
// thousands of nodes, and freeing them one by one cost a quarter of its
// compile time.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace cgc {

class NodeArena {
public:
    // The new arena serves this thread's nodes until it is destroyed; nodes
    // from it must be destroyed first.
    NodeArena();
    ~NodeArena();
    NodeArena(const NodeArena&) = delete;
    NodeArena& operator=(const NodeArena&) = delete;

    // From the thread's arena, or from the heap when it has none.
    static void* allocate(std::size_t size);
    // Frees heap nodes; arena nodes wait for their arena.
    static void release(void* node) noexcept;

private:
    std::vector<std::unique_ptr<unsigned char[]>> blocks;
    unsigned char* next = nullptr;
    std::size_t left = 0;
    std::size_t blockSize = 0;  // of the last block
    NodeArena* previous;
};

}  // namespace cgc
