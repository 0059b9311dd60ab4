#include "readers/read_result.h"

namespace lumivex {

std::string ReadErrorMessage(ReadError error) {
    switch (error) {
        case ReadError::None: return {};
        case ReadError::IsWow64ProcessFailed: return "IsWow64Process 执行失败\"";
        case ReadError::ProcessNotOpened: return "无法打开目标进程，不能读取它的控件。";
        case ReadError::RemoteMemoryFailed: return "无法在目标进程中分配或写入内存，不能读取它的控件。";
        case ReadError::RemoteBlockTooHigh:
            return "目标进程分配的内存地址过高，32 位的 Lumivex 不能安全地读取这个 64 位程序的控件。";
        case ReadError::AccessDenied:
            return "目标窗口拒绝了 Lumivex 的消息（它属于以更高权限运行的程序），不能读取它的内容。";
        case ReadError::TooManyKeptBlocks: return "目标进程之前多次没有及时响应，不再读取它的控件。";
        case ReadError::TwinFailed:
            return "64 位的 Lumivex64.exe 没有给出完整的读取结果，不能读取这个 64 位程序的控件。";
        case ReadError::TargetNeeds64BitBuild: return "目标是 64 位程序的树控件，请使用 64 位版本的 Lumivex 读取";
    }
    return {};
}

}  // namespace lumivex
