#include "readers/twin_entry.h"

#include "platform/handles.h"
#include "platform/send.h"
#include "readers/list_view_reader.h"
#include "readers/tree_view_reader.h"
#include "readers/twin_protocol.h"

namespace lumivex {

namespace {

constexpr int kExitWritten = 0, kExitNotWritten = 2;

ReadResult ReadFor(Platform& p, const TwinRequest& request, const ReaderOptions& options) {
    // One action, as a read of the program's own is one.
    const ActionScope action;
    if (request.key == "GetListViewText") return ReadListView(p, request.hwnd, options);
    return ReadTreeView(p, request.hwnd, options);
}

int KeptIn(const KeptRemoteBlocks& kept) {
    int blocks = 0;
    for (const auto& entry : kept.perProcess) blocks += entry.second;
    return blocks;
}

}  // namespace

int RunTwinRead(Platform& p, const TwinRequest& request, bool programIs64Bit, const TwinWrite& write) {
    if (!TwinTakesKey(request.key) || !write(TwinGreeting())) return kExitNotWritten;
    ReadProgress progress;
    KeptRemoteBlocks kept;
    ReaderOptions options;
    options.programIs64Bit = programIs64Bit;
    options.kept = &kept;
    options.progress = &progress;
    ReadResult result;
    bool heard = true;
    const KernelHandle thread(p, p.CreateThread([&] { result = ReadFor(p, request, options); }));
    if (!thread) {
        result = ReadFor(p, request, options);
    } else {
        for (;;) {
            const std::uint32_t waited = p.WaitForSingleObject(thread.get(), kTwinHeartbeatMs);
            if (waited == win::WAIT_OBJECT_0) break;
            if (waited != win::WAIT_TIMEOUT) {
                // The read uses what lives here: it must end before we do.
                p.WaitForSingleObject(thread.get(), win::INFINITE);
                break;
            }
            // With no one left to read the answer, the read stops at its next
            // batch and frees its blocks in the target.
            if (heard && !write(TwinProgressRecord(progress.Get()))) {
                heard = false;
                progress.RequestCancel();
            }
        }
    }
    if (!heard || !write(TwinOutcomeRecords(result, KeptIn(kept)))) return kExitNotWritten;
    return kExitWritten;
}

}  // namespace lumivex
