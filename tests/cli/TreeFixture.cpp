// Writes a small calendar or contact tree file for the companion's tests, one item per line of
// standard input, fields separated by "|", each leading ">" one level deeper:
//   events:   kind|date|time|weekdays|text
//   contacts: kind|official|birthday|nameday|specialday
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/Text.h"
#include "trees/ItemTree.h"
#include "trees/TreeFileIo.h"

using namespace torvalet;

namespace {

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '|');) fields.push_back(field);
    fields.resize(5);
    return fields;
}

void fill(TreeNode& node, const std::vector<std::string>& f) {
    if (auto* event = node.findRecord<EventRecord>()) {
        *event = {f[4], f[1], f[2], std::stoi(f[0]), 0, 0, static_cast<std::uint8_t>(std::stoi("0" + f[3])), {}};
    } else {
        auto& contact = node.record<ContactRecord>();
        contact.kind = std::stoi(f[0]);
        contact.official = f[1];
        contact.birthday = f[2];
        contact.nameDay = f[3];
        contact.specialDay = f[4];
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string kind = argc == 3 ? argv[1] : "";
    if (kind != "events" && kind != "contacts") {
        std::cerr << "usage: tree-fixture events|contacts FILE < items\n";
        return 2;
    }
    ItemTree tree(kind == "events" ? TreeId::CalendarTree : TreeId::ContactsTree);
    std::vector<TreeNode*> parents{nullptr};
    for (std::string line; std::getline(std::cin, line);) {
        std::size_t depth = line.find_first_not_of('>');
        if (depth == std::string::npos || depth >= parents.size()) continue;
        parents.resize(depth + 1);
        TreeNode* node = tree.appendChild(parents[depth]);
        fill(*node, fieldsOf(line.substr(depth)));
        parents.push_back(node);
    }
    saveTreeFile(tree, argv[2], TextCodec());
    return 0;
}
