// Started programs and their pipes, with the system's rules: a pipe breaks
// once it is empty and every write end is closed, the program's own copy
// going when it ends.
#include "platform/sim/sim_programs.h"

#include <algorithm>
#include <cstring>

namespace lumivex::sim {

const ProgramStart* SimPrograms::Find(const std::u16string& path) const {
    const auto it = files_.find(path);
    return it == files_.end() ? nullptr : &it->second;
}

int SimPrograms::running() const {
    return static_cast<int>(std::count_if(programs_.begin(), programs_.end(),
                                          [](const auto& entry) { return entry.second.alive; }));
}

void SimPrograms::OpenPipe(Handle readEnd, Handle writeEnd) {
    auto pipe = std::make_shared<Pipe>();
    pipe->writers = 1;
    pipeEnds_[readEnd] = {pipe, false};
    pipeEnds_[writeEnd] = {pipe, true};
}

bool SimPrograms::ClosePipeEnd(Handle end) {
    const auto it = pipeEnds_.find(end);
    if (it == pipeEnds_.end()) return false;
    if (it->second.write) --it->second.pipe->writers;
    pipeEnds_.erase(it);
    return true;
}

bool SimPrograms::Peek(Handle readEnd, std::uint32_t* waiting, std::uint32_t& error) const {
    const auto it = pipeEnds_.find(readEnd);
    if (it == pipeEnds_.end() || it->second.write) {
        error = win::ERROR_ACCESS_DENIED;
        return false;
    }
    const Pipe& pipe = *it->second.pipe;
    if (pipe.bytes.empty() && pipe.writers == 0) {
        error = win::ERROR_BROKEN_PIPE;
        return false;
    }
    if (waiting) *waiting = static_cast<std::uint32_t>(pipe.bytes.size());
    return true;
}

bool SimPrograms::Read(Handle readEnd, void* buffer, std::uint32_t size, std::uint32_t* read, std::uint32_t& error) {
    if (read) *read = 0;
    std::uint32_t waiting = 0;
    if (!Peek(readEnd, &waiting, error)) return false;
    if (waiting == 0) {
        // The system would wait here for the writer, for ever if it writes nothing.
        ++blockedReads;
        error = win::ERROR_BROKEN_PIPE;
        return false;
    }
    std::string& bytes = pipeEnds_.at(readEnd).pipe->bytes;
    const std::uint32_t n = std::min(size, waiting);
    std::memcpy(buffer, bytes.data(), n);
    bytes.erase(0, n);
    if (read) *read = n;
    return true;
}

void SimPrograms::Started(std::uint32_t processId, SimProgram program, Handle stdOutput) {
    Running& started = programs_[processId];
    started.program = std::move(program);
    const auto out = pipeEnds_.find(stdOutput);
    if (out != pipeEnds_.end() && out->second.write) {
        started.out = out->second.pipe;
        ++started.out->writers;  // the program's inherited copy
    }
    WriteNext(started);
    if (started.next >= started.program.output.size() && started.program.exits) Finish(started);
}

std::uint32_t SimPrograms::Wait(std::uint32_t processId, std::uint32_t ms) {
    Running& program = programs_.at(processId);
    if (!program.alive) return win::WAIT_OBJECT_0;
    if (program.program.whileRunning) program.program.whileRunning();
    WriteNext(program);
    if (program.next >= program.program.output.size() && program.program.exits) {
        Finish(program);
        return win::WAIT_OBJECT_0;
    }
    waitedMs += ms;
    return win::WAIT_TIMEOUT;
}

void SimPrograms::End(std::uint32_t processId) {
    const auto it = programs_.find(processId);
    if (it != programs_.end() && it->second.alive) Finish(it->second);
}

void SimPrograms::WriteNext(Running& program) {
    if (program.next >= program.program.output.size()) return;
    if (program.out) program.out->bytes += program.program.output[program.next];
    ++program.next;
}

void SimPrograms::Finish(Running& program) {
    program.alive = false;
    if (program.out) --program.out->writers;
    program.out.reset();
}

}  // namespace lumivex::sim
