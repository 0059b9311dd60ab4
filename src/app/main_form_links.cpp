// The related-window links of the window tab: a click makes the related
// window the inspected one and refills everything for it.
#include "app/main_form.h"

namespace lumivex {

void MainForm::FollowRelatedLink(RelatedLink which) {
    if (which < 0 || which >= kRelatedCount) return;
    const auto index = static_cast<std::size_t>(which);
    const std::string& field = texts.related[index].handle;
    if (field.empty() || field == "0") return;
    // The window the fill found, not the field's text read back: the number
    // base may have changed since, and the text would then name another window.
    SnapHwnd = relatedHwnd_[index];
    Fill();
}

}  // namespace lumivex
