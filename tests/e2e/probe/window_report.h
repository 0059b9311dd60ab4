// What the probe reports about windows of other processes: Lumivex's main
// window with all its controls, or any single window.
#pragma once

#include <windows.h>

#include "../common/json_writer.h"

namespace probe {

// How long the probe waits for an answer from another process; a window
// that takes longer is reported as not answering instead of hanging the run.
constexpr UINT kAnswerTimeoutMs = 2000;

// Lumivex's main window (class "LumivexMain"), or null.
HWND FindLumivexMain();

// Title, topmost bit, tabs, the visible panel and every control by id.
void ReportMainWindow(e2e::JsonWriter& json, HWND main);

// Class, text, rectangle, styles and state of one window.
void ReportWindow(e2e::JsonWriter& json, HWND hwnd);

// Every descendant of a window (a dialog's controls): identifier, class,
// text, rectangle, visibility.
void ReportChildren(e2e::JsonWriter& json, HWND parent);

// Every node of a tree view, depth first from the root: text, depth,
// expanded state and number of children; and how many nodes the tree lists
// from the root down through its expanded nodes (what scrolling shows).
void ReportTree(e2e::JsonWriter& json, HWND tree);

// The tool tip text a tooltip control of the tool's process holds for the
// tool (a control registered by its handle); empty when none holds one.
void ReportToolTip(e2e::JsonWriter& json, HWND tool);

// WM_GETTEXT with a time-out; `answered` false when the window did not answer.
std::wstring TextOf(HWND hwnd, bool* answered = nullptr);

}  // namespace probe
