// The related-window links of the window tab: a click makes the related
// window the inspected one and refills everything for it.
#include "app/main_form.h"
#include "ops/read_handle.h"

namespace lumivex {

void MainForm::FollowRelatedLink(RelatedLink which) {
    if (which < 0 || which >= kRelatedCount) return;
    const std::string& field = texts.related[static_cast<std::size_t>(which)].handle;
    if (field.empty() || field == "0") return;
    // The link keeps no handle of its own: the field's text is read back in
    // the base chosen now, even if the switch changed since the fill.
    SnapHwnd = static_cast<Hwnd>(ReadNumText(field, hexDisplay));
    Fill();
}

}  // namespace lumivex
