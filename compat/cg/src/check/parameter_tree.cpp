#include "check/parameter_tree.h"

#include <map>

namespace cgc {
namespace {

class TreeBuilder {
public:
    TreeBuilder(const EntryInterface& entry, std::vector<ParameterNode>& out) : nodes(out) {
        for (size_t i = 0; i < entry.uniforms.size(); ++i) uniformIndex[entry.uniforms[i].name] = static_cast<int>(i);
    }

    void root(const VarDecl& v) {
        ParameterDirection direction = v.isIn && v.isOut ? ParameterDirection::InOut
                                       : v.isOut        ? ParameterDirection::Out
                                                        : ParameterDirection::In;
        add(v.name, v.type, v.semantic, !v.isUniform, direction, -1);
    }

private:
    std::vector<ParameterNode>& nodes;
    std::map<std::string, int> uniformIndex;

    // Adds the node and its children; returns whether it holds varying values.
    bool add(const std::string& name, const Type& type, const std::string& semantic, bool varying,
             ParameterDirection direction, int parent) {
        int self = static_cast<int>(nodes.size());
        ParameterNode node;
        node.name = name;
        node.type = type;
        node.type.structInfo = nullptr;
        node.semantic = semantic;
        node.varying = varying;
        node.direction = direction;
        node.parent = parent;
        if (type.isArray()) {
            node.kind = ParameterKind::Array;
        } else if (type.isStruct()) {
            node.kind = ParameterKind::Struct;
            node.structName = type.structInfo->name;
        } else if (!varying) {
            auto found = uniformIndex.find(name);
            node.uniform = found == uniformIndex.end() ? -1 : found->second;
        }
        nodes.push_back(node);
        if (type.isArray()) {
            for (int i = 0; i < type.arraySize; ++i)
                add(name + "[" + std::to_string(i) + "]", type.element(), semantic, varying, direction, self);
        } else if (type.isStruct()) {
            bool anyVarying = false, anyUniform = false;
            for (const StructMember& m : type.structInfo->members) {
                bool memberVarying = add(name + "." + m.name, m.type, m.semantic, varying, direction, self);
                (memberVarying ? anyVarying : anyUniform) = true;
            }
            nodes[static_cast<size_t>(self)].mixed = anyVarying && anyUniform;
        }
        return varying;
    }
};

}  // namespace

std::vector<ParameterNode> parameterTree(const Module& module, const EntryInterface& entry) {
    std::vector<ParameterNode> nodes;
    TreeBuilder builder(entry, nodes);
    for (const VarDeclPtr& p : entry.entry->params) builder.root(*p);
    size_t firstGlobal = nodes.size();
    for (const VarDeclPtr& g : module.globals)
        if (g->isUniform) builder.root(*g);
    for (size_t i = firstGlobal; i < nodes.size(); ++i) nodes[i].global = true;
    return nodes;
}

}  // namespace cgc
