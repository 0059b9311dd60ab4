// The tools tab's fields, filled from the inspected window so that the user
// edits what is there. Handles and styles are always hexadecimal here: the
// tab reads them back as hexadecimal.
#include "app/main_form.h"
#include "info/num_text.h"
#include "info/process_path.h"
#include "info/tools_readings.h"
#include "text/font_report.h"

namespace lumivex {

void MainForm::FillTools() {
    const Hwnd h = SnapHwnd;
    if (h == 0 || !p_.IsWindow(h)) return;
    texts.mText[0] = HexText(h);
    texts.txtSetData = GetWndText(p_, h, kToolsTextLimit);
    label5Visible = true;
    texts.mText[8] = GetShortPath(p_, GetWndPath(p_, session_, h));
    texts.mText[9] = GetFontText(p_, session_.Charsets, h, kFontSummary);

    const WndStyles styles = GetWndStyles(p_, h);
    texts.mText[1] = HexText(styles.style);
    texts.mText[2] = HexText(styles.exStyle);
    // Unknown when the window does not answer: left empty rather than a
    // made-up 0 that "修改风格" would write back.
    texts.mText[3] = styles.listViewExStyle ? HexText(*styles.listViewExStyle) : std::string();

    const WndPos pos = GetWndPos(p_, h);
    texts.mText[4] = std::to_string(pos.left);
    texts.mText[5] = std::to_string(pos.top);
    texts.mText[6] = std::to_string(pos.width);
    texts.mText[7] = std::to_string(pos.height);
}

}  // namespace lumivex
