// The world a contract case runs in: windows made by the backend under test
// and the threads they live on. Natively the simulated desktop makes them
// (sim_world.cpp); in the Windows build, run under Wine, a fixture process
// of ours makes them and the platform is the real one (win32_world.cpp).
// Every case is written once, against Platform, and runs on both.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lumivex::contract {

// The fixture's threads belong to another process than the case, as the
// windows the program inspects do; Own is the thread the case runs on.
enum class Thread { Fixture, OtherFixture, Own };

enum class Kind { Frame, Static, Button, GroupBox };

struct WindowDesc {
    Kind kind = Kind::Static;
    std::uint32_t style = win::WS_VISIBLE;
    std::uint32_t exStyle = 0;
    Rect place{0, 0, 100, 100};  // in the parent's client area for a child, else on the screen
    Hwnd parent = 0, owner = 0;
    Thread thread = Thread::Fixture;  // a child lives on its parent's thread
    std::string text = "contract";    // UTF-8
};

struct MenuItem {
    std::string text;  // UTF-8; a separator has none
    std::uint32_t id = 0;
    std::uint32_t flags = 0;  // MF_GRAYED, MF_CHECKED, MF_SEPARATOR
    std::vector<MenuItem> popup;
};

struct TreeItem {
    std::string text;  // UTF-8
    bool expanded = false;
    std::vector<TreeItem> children;
};

class World {
public:
    virtual ~World() = default;
    virtual Platform& platform() = 0;
    // Wine differs from Windows here and there; each case says where.
    virtual bool underWine() const = 0;

    virtual Hwnd Create(const WindowDesc& desc) = 0;
    // A report list view and a tree view, children of parent, filled.
    virtual Hwnd CreateListView(Hwnd parent, Rect place, const std::vector<std::vector<std::string>>& rows) = 0;
    virtual Hwnd CreateTreeView(Hwnd parent, Rect place, const std::vector<TreeItem>& roots) = 0;
    // Gives a window of the Own thread a menu bar and answers it.
    virtual Hmenu SetMenuBar(Hwnd own, const std::vector<MenuItem>& items) = 0;

    // The thread stops taking messages, as a program busy at something
    // else does; returns once it has stopped.
    virtual void Block(Thread thread) = 0;
    // Blocks the thread and returns once the system reports it hung.
    virtual void Hang(Thread thread) = 0;
    // The window takes the next msg in and finishes it only once its thread
    // is released.
    virtual void AnswerSlowly(Hwnd hwnd, std::uint32_t msg) = 0;
    // The thread goes on: it finishes what it was at, takes what waits for
    // it, and only then does Release return.
    virtual void Release(Thread thread) = 0;
};

using WorldMaker = std::unique_ptr<World> (*)();

class ContractTest : public ::testing::TestWithParam<WorldMaker> {
protected:
    void SetUp() override { world_ = GetParam()(); }
    void TearDown() override { world_.reset(); }

    World& world() { return *world_; }
    Platform& p() { return world_->platform(); }

    Hwnd Frame(Rect screen, Thread thread = Thread::Fixture);
    Hwnd Child(Hwnd parent, Rect place, Kind kind = Kind::Static,
               std::uint32_t style = win::WS_CHILD | win::WS_VISIBLE);
    Rect WindowRect(Hwnd hwnd);
    Rect ClientRect(Hwnd hwnd);
    std::string Text(Hwnd hwnd);  // GetWindowTextW, which never waits on the window

private:
    std::unique_ptr<World> world_;
};

// The groups of cases, each run on every backend.
class WindowRelations : public ContractTest {};
class ZOrder : public ContractTest {};
class Geometry : public ContractTest {};
class HitTesting : public ContractTest {};
class TimedSends : public ContractTest {};
class RemoteMemory : public ContractTest {};
class ItemRequests : public ContractTest {};
class Menus : public ContractTest {};

#define LUMIVEX_CONTRACT_BACKEND(backend, maker)                                              \
    INSTANTIATE_TEST_SUITE_P(backend, WindowRelations, ::testing::Values(maker));          \
    INSTANTIATE_TEST_SUITE_P(backend, ZOrder, ::testing::Values(maker));                   \
    INSTANTIATE_TEST_SUITE_P(backend, Geometry, ::testing::Values(maker));                 \
    INSTANTIATE_TEST_SUITE_P(backend, HitTesting, ::testing::Values(maker));               \
    INSTANTIATE_TEST_SUITE_P(backend, TimedSends, ::testing::Values(maker));               \
    INSTANTIATE_TEST_SUITE_P(backend, RemoteMemory, ::testing::Values(maker));             \
    INSTANTIATE_TEST_SUITE_P(backend, ItemRequests, ::testing::Values(maker));             \
    INSTANTIATE_TEST_SUITE_P(backend, Menus, ::testing::Values(maker))

}  // namespace lumivex::contract
