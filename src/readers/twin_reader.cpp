#include "readers/twin_reader.h"

#include <algorithm>

#include "platform/handles.h"
#include "readers/twin_protocol.h"

namespace lumivex {

namespace {

constexpr std::uint32_t kChunkBytes = 64 * 1024;
// About a megabyte at a time, so that a cancel is seen during a long answer.
constexpr int kChunksPerLook = 16;
constexpr std::size_t kLongestPath = 32768;

std::u16string OwnPath(Platform& p) {
    for (std::size_t size = 260; size <= kLongestPath; size *= 2) {
        std::u16string buffer(size, u'\0');
        const std::uint32_t n = p.GetModuleFileNameW(buffer.data(), static_cast<std::uint32_t>(size));
        if (n == 0) return {};
        if (n < size) return buffer.substr(0, n);
    }
    return {};
}

// A program we started: unless it has ended by itself, it is ended when the
// guard goes, and waited for a bounded time, so that none outlives its use.
class StartedProcess {
public:
    static constexpr std::uint32_t kEndWaitMs = 5000;

    StartedProcess(Platform& p, Handle process) : p_(p), process_(p, process) {}
    ~StartedProcess() { End(); }
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;
    Handle get() const { return process_.get(); }
    void End() {
        if (!process_) return;
        if (p_.WaitForSingleObject(process_.get(), 0) != win::WAIT_OBJECT_0) {
            p_.TerminateProcess(process_.get(), 1);
            // Termination is carried out asynchronously by the system.
            p_.WaitForSingleObject(process_.get(), kEndWaitMs);
        }
        process_.Close();
    }

private:
    Platform& p_;
    KernelHandle process_;
};

bool CancelRequested(const ReaderOptions& options) {
    return options.progress && options.progress->CancelRequested();
}

// What the pipe holds now; true when anything came.
bool TakeWaiting(Platform& p, Handle pipe, TwinDecoder& decoder) {
    bool got = false;
    std::string chunk;
    for (int i = 0; i < kChunksPerLook && decoder.state() != TwinDecoder::State::Broken; ++i) {
        std::uint32_t waiting = 0;
        if (!p.PeekNamedPipe(pipe, &waiting) || waiting == 0) break;
        chunk.resize(std::min(waiting, kChunkBytes));
        std::uint32_t read = 0;
        if (!p.ReadFile(pipe, chunk.data(), static_cast<std::uint32_t>(chunk.size()), &read) || read == 0) break;
        decoder.Feed(std::string_view(chunk.data(), std::min<std::size_t>(read, chunk.size())));
        got = true;
    }
    return got;
}

ReadResult Failed() {
    ReadResult result;
    result.error = ReadError::TwinFailed;
    return result;
}

void CountKept(Platform& p, Hwnd hwnd, const ReaderOptions& options, int blocks) {
    if (!options.kept || blocks <= 0) return;
    std::uint32_t processId = 0;
    p.GetWindowThreadProcessId(hwnd, &processId);
    if (processId != 0) options.kept->perProcess[processId] += blocks;
}

}  // namespace

bool TwinCanMend(const ReadResult& own, const ReaderOptions& options) {
    return !options.programIs64Bit &&
           (own.error == ReadError::TargetNeeds64BitBuild || own.error == ReadError::RemoteBlockTooHigh);
}

ReadResult MendByTwin(Platform& p, const std::string& key, Hwnd hwnd, const ReaderOptions& options, ReadResult own) {
    if (!TwinCanMend(own, options) || !TwinTakesKey(key)) return own;
    std::optional<ReadResult> twin = ReadThroughTwin(p, TwinPathBeside(OwnPath(p)), {key, hwnd}, options);
    return twin ? std::move(*twin) : std::move(own);
}

std::optional<ReadResult> ReadThroughTwin(Platform& p, std::u16string_view twinPath, const TwinRequest& request,
                                          const ReaderOptions& options, const TwinWaitBounds& bounds) {
    const std::u16string path(twinPath);
    const std::u16string commandLine = TwinCommandLine(path, request);
    if (commandLine.empty()) return std::nullopt;
    if (CancelRequested(options)) {
        ReadResult stopped;
        stopped.cancelled = true;
        return stopped;
    }
    KernelHandle readEnd(p), writeEnd(p);
    if (!p.CreatePipe(readEnd.put(), writeEnd.put(), bounds.pipeBytes)) return std::nullopt;
    ProcessInformation info;
    if (!p.CreateProcessW(path.c_str(), commandLine.c_str(), win::CREATE_NO_WINDOW, win::SW_HIDE, writeEnd.get(),
                          &info))
        return std::nullopt;
    StartedProcess twin(p, info.hProcess);
    // The twin's copy is then the only writer: the pipe breaks when it ends.
    writeEnd.Close();

    TwinDecoder decoder;
    std::uint64_t reports = 0;
    std::uint32_t silentMs = 0;
    bool exited = false;
    for (;;) {
        const bool got = TakeWaiting(p, readEnd.get(), decoder);
        if (options.progress && decoder.progressReports() != reports) {
            reports = decoder.progressReports();
            options.progress->Report(decoder.progress().done, decoder.progress().total);
        }
        if (decoder.state() == TwinDecoder::State::Broken) return Failed();
        if (CancelRequested(options) && decoder.state() != TwinDecoder::State::Complete) {
            twin.End();
            // What it wrote before it was ended is still in the pipe.
            while (TakeWaiting(p, readEnd.get(), decoder)) {
            }
            ReadResult stopped;
            stopped.text = decoder.WholeLinesSoFar();
            stopped.cancelled = true;
            return stopped;
        }
        if (got) silentMs = 0;
        // Once it has ended, everything it wrote is in the pipe: read to the end.
        if ((exited && !got) || silentMs >= bounds.silenceMs) break;
        const std::uint32_t waited = p.WaitForSingleObject(twin.get(), got ? 0 : bounds.pollMs);
        if (waited == win::WAIT_OBJECT_0) {
            exited = true;
        } else if (waited != win::WAIT_TIMEOUT) {
            break;
        } else if (!got) {
            silentMs += bounds.pollMs;
        }
    }
    if (decoder.state() != TwinDecoder::State::Complete) return Failed();
    CountKept(p, request.hwnd, options, decoder.outcome().keptBlocks);
    return decoder.outcome().result;
}

}  // namespace lumivex
