#pragma once

#include <string>
#include <vector>

#include "base/Date.h"
#include "trees/FormList.h"
#include "trees/RecordForm.h"
#include "trees/TLinkData.h"

namespace torvalet {

// The link properties dialog (TLinkPropForm). Hot keys edited here take effect at the next start.
class LinkPropForm : public RecordForm<TLinkData> {
public:
    LinkPropForm(UserInterface& ui, const Settings& settings, DayTextSource dates);

    // The eight built-in link kinds, "None" to "Email".
    static std::vector<std::string> linkKindCaptions();

    std::string NameEdit;
    std::string UrlEdit;
    std::string HotKeyEdit;
    std::string ParamsEdit;
    std::string DirEdit;
    Date AccessDatePicker;
    std::string NoteEdit;
    FormList ComboBox1{linkKindCaptions()};  // LinkKind

    // Throws ConversionError, the dialog unopened, for an AccessDate that is no day text.
    void LinkProps2(TreeNode& node) { props(node); }
    void EditLink(const ItemTree& linkTree) { edit(linkTree); }
    void OkLinkPropBtnClick() { ok(); }

protected:
    void fill(const TLinkData& link) override;
    void store(TLinkData& link) const override;

private:
    DayTextSource dates_;
};

}  // namespace torvalet
