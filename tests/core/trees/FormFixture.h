#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "fakes/FakeServices.h"
#include "model/DayText.h"
#include "model/Settings.h"
#include "trees/FormBase.h"
#include "trees/ItemTree.h"

namespace torvalet::testing {

// A tree of the form's family, the services, and the record of what the form's hooks saw.
// Today is 2026-12-08.
class FormFixture : public ::testing::Test {
protected:
    explicit FormFixture(RecordFamily family) : tree("Tree", family) {}

    // Binds the hooks of a form so that the fixture records them.
    void watch(FormBase& form) {
        form.show = [this] { ++shown; };
        form.accepted = [this](TreeNode& node) { accepted.push_back(&node); };
        form.repaint = [this](TreeNode& node) { repainted.push_back(&node); };
    }

    DayTextSource dates() {
        return [this] { return DayTextContext::fromLocale(fakes.locale, fakes.clock.now().date); };
    }

    Date today() const { return fakes.clock.now().date; }

    FakeServices fakes;
    Settings settings;
    ItemTree tree;
    int shown = 0;
    std::vector<TreeNode*> accepted, repainted;
};

}  // namespace torvalet::testing
