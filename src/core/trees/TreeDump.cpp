#include "trees/TreeDump.h"

#include <cstdio>
#include <type_traits>

#include "base/Json.h"
#include "trees/ItemTree.h"
#include "trees/RecordFields.h"
#include "trees/TreeStreamReader.h"

namespace torvalet {

namespace {

struct ReadResult {
    ItemTree tree;
    int version;
    std::optional<TreeError> error;
};

ReadResult readForDump(std::string_view bytes, RecordFamily family, const TextCodec& codec) {
    ReadResult result{ItemTree("dump", family), -1, std::nullopt};
    TreeStreamReader reader(codec);
    try {
        reader.readTree(result.tree, bytes);
    } catch (const TreeError& error) {
        result.error = error;
    }
    result.version = reader.version();
    return result;
}

std::string hexByte(unsigned value, const char* format) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Calls field(name, text) or field(name, number) for the node's record fields.
template <class Field>
void forEachField(const TreeNode& node, Field&& field) {
    visitRecord(node, [&](const auto&... record) {
        (visitFields(record,
                     [&](const char* name, const auto& value) {
                         if constexpr (std::is_same_v<std::decay_t<decltype(value)>, RecordText>) {
                             field(name, value.view());
                         } else {
                             field(name, static_cast<long long>(value));
                         }
                     }),
         ...);
    });
}

std::string textLine(const TreeNode& node) {
    std::string line = "depth=" + std::to_string(ItemTree::level(&node)) + " flags=" + hexByte(node.flags(), "0x%04X") +
                       " height=" + std::to_string(node.height()) + " alignment=" + std::to_string(node.alignment());
    forEachField(node, [&](const char* name, const auto& value) {
        line += ' ';
        line += name;
        line += '=';
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string_view>) {
            line += quotedText(value, "\\x%02X");
        } else {
            line += std::to_string(value);
        }
    });
    return line;
}

std::string jsonNodeStart(const TreeNode& node) {
    std::string out = "{\"flags\": " + std::to_string(node.flags()) + ", \"height\": " + std::to_string(node.height()) +
                      ", \"alignment\": " + std::to_string(node.alignment()) + ", \"record\": {";
    bool first = true;
    forEachField(node, [&](const char* name, const auto& value) {
        out += first ? "\"" : ", \"";
        first = false;
        out += name;
        out += "\": ";
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string_view>) {
            out += jsonString(value);
        } else {
            out += std::to_string(value);
        }
    });
    return out + "}, \"children\": [";
}

// Writes the nodes nested as they are in the tree, walking it without recursion: after a node
// without children, close it and every ancestor whose last child it ends.
void appendJsonNodes(std::string& out, const ItemTree& tree) {
    const TreeNode* node = tree.firstTopLevel();
    while (node) {
        out += jsonNodeStart(*node);
        if (node->firstChild()) {
            node = node->firstChild();
            continue;
        }
        for (;;) {
            out += "]}";
            if (node->nextSibling()) {
                out += ", ";
                node = node->nextSibling();
                break;
            }
            node = node->parent();
            if (node->isRoot()) {
                node = nullptr;
                break;
            }
        }
    }
}

}  // namespace

std::string TreeDump::errorLine() const {
    if (!error) return {};
    return std::to_string(error->code()) + ": " + error->what();
}

TreeDump dumpTreeText(std::string_view bytes, RecordFamily family, const TextCodec& codec) {
    ReadResult read = readForDump(bytes, family, codec);
    TreeDump dump{{}, read.error};
    read.tree.forEach([&](const TreeNode* node) { dump.output += textLine(*node) + '\n'; });
    return dump;
}

TreeDump dumpTreeJson(std::string_view bytes, RecordFamily family, const TextCodec& codec) {
    ReadResult read = readForDump(bytes, family, codec);
    TreeDump dump{{}, read.error};
    dump.output =
        "{\"version\": " + (read.version < 0 ? std::string("null") : std::to_string(read.version)) + ", \"nodes\": [";
    appendJsonNodes(dump.output, read.tree);
    dump.output += "]}\n";
    return dump;
}

}  // namespace torvalet
