// The related-window links of the window tab: a click makes the related
// window the inspected one and refills everything for it.
#include "app/main_form.h"
#include "ops/read_handle.h"

namespace lumivex {

std::string* MainForm::RelatedHandleText(RelatedLink which) {
    switch (which) {
        case kPrev: return &texts.txtPreHandle;
        case kNext: return &texts.txtNextHandle;
        case kParent: return &texts.txtParentHandle;
        case kChild: return &texts.txtChildHandle;
        case kOwner: return &texts.txtOwnerHandle;
        default: return nullptr;
    }
}

void MainForm::lblRelated_Click(RelatedLink which) {
    const std::string* field = RelatedHandleText(which);
    if (!field || field->empty() || *field == "0") return;
    // The link keeps no handle of its own: the field's text is read back in
    // the base chosen now, even if the switch changed since the fill.
    SnapHwnd = static_cast<Hwnd>(ReadNumText(*field, chkHex));
    Fulfill();
}

}  // namespace lumivex
