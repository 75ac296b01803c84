#include "parse/node_arena.h"

#include <algorithm>
#include <new>

namespace cgc {
namespace {

thread_local NodeArena* current = nullptr;

// Each node is preceded by a header that tells where it came from.
constexpr std::size_t header = alignof(std::max_align_t);
// Blocks grow from small, which a short shader fills, to large.
constexpr std::size_t firstBlock = 8u << 10;
constexpr std::size_t largestBlock = 1u << 20;
enum : unsigned char { fromHeap, fromArena };

std::size_t rounded(std::size_t n) { return (n + header - 1) / header * header; }

}  // namespace

NodeArena::NodeArena() : previous(current) { current = this; }

NodeArena::~NodeArena() { current = previous; }

void* NodeArena::allocate(std::size_t size) {
    std::size_t need = header + rounded(size);
    unsigned char* p;
    NodeArena* a = current;
    if (!a || need > largestBlock) {
        p = static_cast<unsigned char*>(::operator new(need));
        p[0] = fromHeap;
    } else {
        if (a->left < need) {
            std::size_t size = a->blocks.empty() ? firstBlock : std::min(2 * a->blockSize, largestBlock);
            size = std::max(size, need);
            a->blocks.emplace_back(new unsigned char[size]);
            a->blockSize = size;
            a->next = a->blocks.back().get();
            a->left = size;
        }
        p = a->next;
        a->next += need;
        a->left -= need;
        p[0] = fromArena;
    }
    return p + header;
}

void NodeArena::release(void* node) noexcept {
    if (!node) return;
    unsigned char* p = static_cast<unsigned char*>(node) - header;
    if (p[0] == fromHeap) ::operator delete(p);
}

}  // namespace cgc
