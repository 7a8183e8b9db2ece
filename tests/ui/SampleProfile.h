#pragma once

namespace torvalet {
class Organizer;
}

namespace torvalet::testing {

// Fills a started organiser with a small, realistic profile for looking at the pages: goals in
// every state on the five goal tabs, links of every kind on the six link tabs, contacts of
// every kind with their days, phrases, events of every kind and a few tasks for today.
void fillSampleProfile(Organizer& organizer);

}  // namespace torvalet::testing
