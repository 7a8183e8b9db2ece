#pragma once

#include <string>
#include <vector>

#include "model/ViewState.h"

namespace torvalet {

// The captions of the kinds that the drop-down of a page's New button offers, by kind value,
// taken from the lists of the page's properties dialog: every goal type, the link kinds but
// "Email", the contact kinds but "Doc" and "Subject", every phrase kind, and the event kinds
// under the drop-down's own names ("Daily" where the dialog says "Daily/Weekly").
std::vector<std::string> newItemKindCaptions(Page page);

}  // namespace torvalet
