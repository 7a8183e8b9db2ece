#pragma once

#include <string>
#include <vector>

#include "base/Date.h"
#include "trees/FormList.h"
#include "trees/LinkRecord.h"
#include "trees/RecordForm.h"

namespace torvalet {

// The link properties dialog. Hot keys edited here take effect at the next start.
class LinkForm : public RecordForm<LinkRecord> {
public:
    LinkForm(UserInterface& ui, const Settings& settings, TreeObserver& observer, DayTextSource dates);

    // The eight built-in link kinds, "None" to "Email".
    static std::vector<std::string> linkKindCaptions();

    std::string name;
    std::string url;
    std::string hotKey;
    std::string params;
    std::string dir;
    Date accessDate;
    std::string note;
    FormList kind{linkKindCaptions()};

    // Throws ConversionError, the dialog unopened, for an AccessDate that is no day text.
    void showLink(TreeNode& node) { props(node); }
    void editLink(const ItemTree& linkTree) { edit(linkTree); }
    void acceptLink() { ok(); }

protected:
    void fill(const LinkRecord& link) override;
    void store(LinkRecord& link) const override;

private:
    DayTextSource dates_;
};

}  // namespace torvalet
