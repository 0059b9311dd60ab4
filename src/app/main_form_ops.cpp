// The tools tab's buttons: each computes the operation target afresh and
// acts on it. No action shows a message: a target that does not answer in
// time gets the request when it answers again (the move, a busy window's
// messages) or not at all (a hung window), and Lumivex goes on answering.
#include "app/main_form.h"
#include "ops/read_handle.h"
#include "ops/tool_keys.h"
#include "ops/window_ops.h"

namespace lumivex {

namespace {

std::uint32_t HexField(const std::string& text) { return static_cast<std::uint32_t>(ReadHexHandle(text)); }

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

}  // namespace

// A typed handle only has to name a window: the fill is of the inspected
// window, and writes its handle back into the field.
void MainForm::Refresh() {
    if (OperationHandle() == 0) return;
    Fill();
}

void MainForm::CloseControl() {
    if (const Hwnd target = OperationHandle()) CloseBySystemCommand(p_, target);
}

void MainForm::EndProcess() {
    if (const Hwnd target = OperationHandle()) KillWindowProcess(p_, target);
}

void MainForm::SetStyles() {
    const Hwnd target = OperationHandle();
    if (target == 0) return;
    const ToolFields& tools = texts.tools;
    std::optional<std::uint32_t> listView;
    if (listViewStyleRead_ || !IsBlank(tools.listViewStyle)) listView = HexField(tools.listViewStyle);
    SetWindowStyles(p_, target, HexField(tools.style), HexField(tools.exStyle), listView);
}

void MainForm::SetSize() {
    const Hwnd target = OperationHandle();
    if (target == 0) return;
    const ToolFields& tools = texts.tools;
    PlaceWindow(p_, target, ReadDecimalField(tools.left), ReadDecimalField(tools.top), ReadDecimalField(tools.width),
                ReadDecimalField(tools.height));
}

void MainForm::FlashTarget() {
    if (const Hwnd target = OperationHandle()) StartFlashRun(target);
}

void MainForm::SetText() {
    if (const Hwnd target = OperationHandle()) SetControlText(p_, target, texts.tools.text);
}

}  // namespace lumivex
