#include "layout/form_layouts.h"

namespace lumivex {

namespace {

// The window sizes are given in twips at 15 twips per pixel.
constexpr int kTwipsPerPixel96 = 15;

FormLayout WithClassicClient(Size outer, std::vector<PlacedControl> controls) {
    return {outer, {outer.width - kClassicNonClient96.width, outer.height - kClassicNonClient96.height},
            std::move(controls)};
}

}  // namespace

Box FormLayout::BoxOf(int id) const {
    for (const PlacedControl& control : controls)
        if (control.id == id) return control.box;
    return {};
}

const FormLayout& MainFrameLayout() {
    static const FormLayout layout = WithClassicClient(
        {6780 / kTwipsPerPixel96, 5280 / kTwipsPerPixel96},
        {
            {IDC_FINDER, {10, 8, 32, 32}},
            {IDC_TABS, {5, 45, 437, 246}},
            {IDC_TAB_PANEL0, kTabPanelBox},
            {IDC_BANNER, {5, 295, 200, 24}},
        });
    return layout;
}

const FormLayout& TreeLayout() {
    static const FormLayout layout = WithClassicClient(
        {430, 480},
        {
            {IDC_TREE_VIEW, {5, 5, 405, 340}},
            {IDC_TREE_DESKTOP, {5, 352, 48, 24}},
            {IDC_TREE_PARENT, {55, 352, 48, 24}},
            {IDC_TREE_BACK, {105, 352, 48, 24}},
            {IDC_TREE_FLASH, {155, 352, 48, 24}},
            {IDC_TREE_HANDLE, {210, 353, 80, 22}},
            {IDC_TREE_EXPAND, {300, 352, 50, 24}},
            {IDC_TREE_OK, {355, 352, 55, 24}},
            {IDC_TREE_NODE_TEXT, {5, 385, 405, 22}},
        });
    return layout;
}

const FormLayout& ChildListLayout() {
    static const FormLayout layout = WithClassicClient(
        {545, 350},
        {
            {IDC_CHILD_PROMPT, {8, 8, 300, 18}},
            {IDC_CHILD_ROWS, {8, 28, 520, 250}},
            {IDC_CHILD_SHOW_ALL, {8, 286, 170, 22}},
            {IDC_CHILD_OK, {190, 284, 76, 26}},
            {IDC_CHILD_OPEN, {272, 284, 86, 26}},
            {IDC_CHILD_CANCEL, {364, 284, 76, 26}},
            {IDC_CHILD_EXPORT, {446, 284, 82, 26}},
        });
    return layout;
}

const FormLayout& AboutLayout() {
    static const FormLayout layout = WithClassicClient(
        {392, 305},
        {
            {IDC_ABOUT_ICON, {12, 12, 32, 32}},
            {IDC_ABOUT_VERSION, {56, 14, 300, 18}},
            {IDC_ABOUT_HOME_CAPTION, {56, 38, 40, 18}},
            {IDC_ABOUT_LINK, {98, 38, 250, 18}},
            {IDC_BANNER, {12, 64, 360, 140}},
            {IDC_ABOUT_NOTE, {12, 212, 360, 18}},
            {IDC_ABOUT_OK, {296, 236, 76, 26}},
        });
    return layout;
}

const FormLayout& ReadProgressLayout() {
    static const FormLayout layout = WithClassicClient(
        {330, 125},
        {
            {IDC_READ_PROGRESS_TEXT, {12, 12, 300, 18}},
            {IDC_READ_PROGRESS_BAR, {12, 36, 300, 18}},
            {IDC_READ_CANCEL, {236, 62, 76, 26}},
        });
    return layout;
}

}  // namespace lumivex
