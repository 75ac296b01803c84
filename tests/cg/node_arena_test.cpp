// Syntax tree nodes from a compile's arena and from the heap.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "parse/ast.h"

namespace {

// Without an arena the nodes are ordinary heap objects, freed one by one.
TEST(NodeArena, NodesOutsideACompileComeFromTheHeap) {
    auto e = std::make_unique<cgc::Expr>(cgc::ExprKind::Name, 3);
    e->text = "a name longer than the small string buffer";
    auto s = std::make_unique<cgc::Stmt>(cgc::StmtKind::Expr, 4);
    s->expr = std::move(e);
    EXPECT_EQ(s->expr->line, 3);
}

// Nodes made in an arena keep their contents until it ends, and a node made
// before the arena, freed while it is current, still goes back to the heap.
TEST(NodeArena, NodesLiveUntilTheirArenaEnds) {
    auto outside = std::make_unique<cgc::Expr>(cgc::ExprKind::IntLiteral, 1);
    cgc::NodeArena arena;
    std::vector<cgc::ExprPtr> nodes;
    for (int i = 0; i < 20000; ++i) {  // more than one block
        nodes.push_back(std::make_unique<cgc::Expr>(cgc::ExprKind::IntLiteral, i));
        nodes.back()->intValue = i * 7;
    }
    outside.reset();
    for (int i = 0; i < 20000; ++i) {
        ASSERT_EQ(nodes[i]->line, i);
        ASSERT_EQ(nodes[i]->intValue, i * 7);
    }
    nodes.clear();
}

}  // namespace
