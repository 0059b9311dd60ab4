#include "readers/read_progress.h"

namespace lumivex {

std::string ProgressText(const ProgressSnapshot& progress) {
    std::string text = "已读 " + std::to_string(progress.done);
    if (progress.total != 0) text += " / " + std::to_string(progress.total);
    return text + " 项";
}

std::string CancelledLine(const ProgressSnapshot& progress) { return "(读取已取消：" + ProgressText(progress) + ")"; }

}  // namespace lumivex
