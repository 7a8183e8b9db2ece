#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/RecordingObserver.h"
#include "model/DayText.h"
#include "model/Settings.h"
#include "trees/FormBase.h"
#include "trees/ItemTree.h"

namespace torvalet::testing {

// A tree of the form's family, the services, and the observer the forms tell what they show and
// change. Today is 2026-12-08.
class FormFixture : public ::testing::Test {
protected:
    explicit FormFixture(RecordFamily family) : tree("Tree", family) {}

    DayTextSource dates() {
        return [this] { return DayTextContext::fromLocale(fakes.locale, fakes.clock.now().date); };
    }

    Date today() const { return fakes.clock.now().date; }

    FakeServices fakes;
    Settings settings;
    ItemTree tree;
    RecordingObserver observer;
    // How often a dialog was shown, and the items a form changed.
    std::size_t shown() const { return observer.editedForms.size(); }
    const std::vector<TreeNode*>& changed() const { return observer.changedNodes; }
};

}  // namespace torvalet::testing
