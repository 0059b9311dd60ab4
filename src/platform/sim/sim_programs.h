// Programs on the simulated disk that CreateProcessW and CreateProcessA
// start, and the anonymous pipes they write their output to. A test says
// what a program does when it is started with a command line: the windows
// it shows, what it writes; a program of the product's own (the twin) can
// run its real entry there, on the same desktop, and hand back its bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lumivex::sim {

class SimDesktop;

struct SimProgram {
    // Written to its standard output: the first piece as it starts, each
    // next one when the program that started it waits on it.
    std::vector<std::string> output;
    bool exits = true;  // after its last piece; false: it runs until it is ended
    std::function<void()> whileRunning;  // called at each wait on it while it runs
    // Shows its windows, given its process, once it has run startupMs of
    // Sleep time: a program takes a while before its window is there.
    std::function<void(SimDesktop& desk, std::uint32_t processId)> showWindows = nullptr;
    std::uint32_t startupMs = 0;
};

using ProgramStart = std::function<SimProgram(const std::u16string& commandLine)>;

struct ProgramStartRecord {
    std::u16string applicationName, commandLine;
    std::uint32_t creationFlags = 0;
    int showCmd = 0;
};

class SimPrograms {
public:
    // A program file at path (compared exactly).
    void Add(const std::u16string& path, ProgramStart start) { files_[path] = std::move(start); }
    const ProgramStart* Find(const std::u16string& path) const;

    // What the tests look at.
    std::vector<ProgramStartRecord> starts;
    std::uint32_t waitedMs = 0;  // time spent waiting on programs that still ran
    int blockedReads = 0;        // ReadFile calls that would have waited for a writer
    int openPipeEnds() const { return static_cast<int>(pipeEnds_.size()); }
    int running() const;

    // SimDesktop's side.
    void OpenPipe(Handle readEnd, Handle writeEnd);
    bool ClosePipeEnd(Handle end);
    bool IsPipeEnd(Handle end) const { return pipeEnds_.count(end) > 0; }
    // False with error set as the system would.
    bool Peek(Handle readEnd, std::uint32_t* waiting, std::uint32_t& error) const;
    bool Read(Handle readEnd, void* buffer, std::uint32_t size, std::uint32_t* read, std::uint32_t& error);
    void Started(std::uint32_t processId, SimProgram program, Handle stdOutput);
    bool IsProgram(std::uint32_t processId) const { return programs_.count(processId) > 0; }
    std::uint32_t Wait(std::uint32_t processId, std::uint32_t ms);
    void End(std::uint32_t processId);

private:
    struct Pipe {
        std::string bytes;
        int writers = 0;  // write ends open, ours and the programs'
    };
    struct Running {
        SimProgram program;
        std::size_t next = 0;  // the piece it writes next
        std::shared_ptr<Pipe> out;
        bool alive = true;
    };
    struct PipeEnd {
        std::shared_ptr<Pipe> pipe;
        bool write = false;
    };
    void WriteNext(Running& program);
    void Finish(Running& program);

    std::map<std::u16string, ProgramStart> files_;
    std::map<Handle, PipeEnd> pipeEnds_;
    std::map<std::uint32_t, Running> programs_;
};

}  // namespace lumivex::sim
