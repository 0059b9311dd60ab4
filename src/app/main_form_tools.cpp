// The tools tab's fields, filled from the inspected window so that the user
// edits what is there.
#include "app/main_form.h"
#include "info/num_text.h"
#include "info/tools_readings.h"

namespace lumivex {

void MainForm::FillTools() {
    const auto readings = ReadToolsReadings(p_, session_.drives, session_.charsets, SnapHwnd);
    listViewStyleRead_ = false;
    if (!readings) return;
    ToolFields& tools = texts.tools;
    tools.handle = HexText(SnapHwnd);
    tools.text = readings->text;
    goToLinkVisible = true;
    tools.shortPath = readings->shortPath;
    tools.fontSummary = readings->fontSummary;
    tools.style = HexText(readings->styles.style);
    tools.exStyle = HexText(readings->styles.exStyle);
    // Unknown when the window does not answer: left empty rather than a
    // made-up 0 that "修改风格" would write back.
    tools.listViewStyle = readings->styles.listViewExStyle ? HexText(*readings->styles.listViewExStyle) : std::string();
    listViewStyleRead_ = readings->styles.listViewExStyle.has_value();
    tools.left = std::to_string(readings->pos.left);
    tools.top = std::to_string(readings->pos.top);
    tools.width = std::to_string(readings->pos.width);
    tools.height = std::to_string(readings->pos.height);
}

}  // namespace lumivex
