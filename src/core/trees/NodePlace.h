#pragma once

namespace torvalet {

// Where a node is inserted or moved, relative to a target node.
enum class NodePlace {
    Before,      // just before the target, as its previous sibling
    After,       // just after the target, as its next sibling
    FirstChild,  // as the target's first child
    LastChild,   // as the target's last child
};

}  // namespace torvalet
