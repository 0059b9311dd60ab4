// The real platform, continued: a program of our own started hidden with a
// pipe for its output, and the pipe read without waiting on the writer.
#include "platform/win32/win32_platform.h"

#include <string>
#include <vector>

namespace lumivex {

namespace {

HANDLE ToHandle(Handle h) { return reinterpret_cast<HANDLE>(h); }
Handle FromHandle(HANDLE h) { return reinterpret_cast<Handle>(h); }

// The list of the handles a started program may inherit, deleted on every path.
class InheritList {
public:
    explicit InheritList(HANDLE handle) : handle_(handle) {
        SIZE_T bytes = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &bytes);
        storage_.resize(bytes);
        auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
        if (bytes == 0 || !InitializeProcThreadAttributeList(list, 1, 0, &bytes)) return;
        initialised_ = true;
        if (UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, &handle_, sizeof handle_, nullptr,
                                      nullptr))
            list_ = list;
    }
    ~InheritList() {
        if (initialised_)
            DeleteProcThreadAttributeList(reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data()));
    }
    InheritList(const InheritList&) = delete;
    InheritList& operator=(const InheritList&) = delete;
    // Null when the system could not make it.
    LPPROC_THREAD_ATTRIBUTE_LIST get() const { return list_; }

private:
    HANDLE handle_;  // the attribute points at this member: it must live as long as the list
    std::vector<unsigned char> storage_;
    bool initialised_ = false;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

}  // namespace

std::uint32_t Win32Platform::GetModuleFileNameW(char16_t* buffer, std::uint32_t size) {
    return ::GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(buffer), size);
}

bool Win32Platform::CreatePipe(Handle* readPipe, Handle* writePipe, std::uint32_t size) {
    SECURITY_ATTRIBUTES inheritable{};
    inheritable.nLength = sizeof inheritable;
    inheritable.bInheritHandle = TRUE;
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, size)) return false;
    if (!SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0)) {
        ::CloseHandle(readEnd);
        ::CloseHandle(writeEnd);
        return false;
    }
    *readPipe = FromHandle(readEnd);
    *writePipe = FromHandle(writeEnd);
    return true;
}

bool Win32Platform::CreateProcessW(const char16_t* applicationName, const char16_t* commandLine,
                                   std::uint32_t creationFlags, int showCmd, Handle stdOutput,
                                   ProcessInformation* info) {
    if (info) *info = {};
    // CreateProcessW may write into the command line: give it a copy.
    std::wstring line(reinterpret_cast<const wchar_t*>(commandLine ? commandLine : u""));
    line.push_back(L'\0');
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup.StartupInfo;
    startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW;
    startup.StartupInfo.wShowWindow = static_cast<WORD>(showCmd);
    const InheritList inherit(ToHandle(stdOutput));
    DWORD flags = creationFlags;
    if (stdOutput) {
        startup.StartupInfo.dwFlags |= STARTF_USESTDHANDLES;
        startup.StartupInfo.hStdOutput = ToHandle(stdOutput);
        // Without the list (a system that lacks it) every inheritable handle
        // would go along; ours are not inheritable but for this one.
        if (inherit.get()) {
            startup.StartupInfo.cb = sizeof startup;
            startup.lpAttributeList = inherit.get();
            flags |= EXTENDED_STARTUPINFO_PRESENT;
        }
    }
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(reinterpret_cast<const wchar_t*>(applicationName), line.data(), nullptr, nullptr,
                          stdOutput ? TRUE : FALSE, flags, nullptr, nullptr, &startup.StartupInfo, &started))
        return false;
    ::CloseHandle(started.hThread);
    if (info) {
        *info = {FromHandle(started.hProcess), started.dwProcessId};
    } else {
        ::CloseHandle(started.hProcess);
    }
    return true;
}

bool Win32Platform::PeekNamedPipe(Handle pipe, std::uint32_t* totalBytesAvail) {
    DWORD waiting = 0;
    if (!::PeekNamedPipe(ToHandle(pipe), nullptr, 0, nullptr, &waiting, nullptr)) return false;
    if (totalBytesAvail) *totalBytesAvail = waiting;
    return true;
}

bool Win32Platform::ReadFile(Handle file, void* buffer, std::uint32_t size, std::uint32_t* read) {
    DWORD done = 0;
    const BOOL ok = ::ReadFile(ToHandle(file), buffer, size, &done, nullptr);
    if (read) *read = done;
    return ok != 0;
}

}  // namespace lumivex
