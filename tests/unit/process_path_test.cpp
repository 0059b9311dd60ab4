// Program paths in drive-letter form.
#include <gtest/gtest.h>

#include "info/process_path.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

class ProcessPathTest : public ::testing::Test {
protected:
    SimDesktop desk;
    Session session;
    void SetUp() override {
        desk.AddDrive("C:\\", "\\Device\\HarddiskVolume3");
        desk.AddDrive("D:\\", "\\Device\\HarddiskVolume12");
        desk.AddDrive("E:\\", "\\Device\\CdRom0");
        desk.AddDrive("F:\\", "\\Device\\HarddiskVolume3");  // same device as C:
    }
    std::string ToDos(const std::string& path) { return DevicePathToDos(desk, session.drives, path); }
};

TEST_F(ProcessPathTest, VolumeDeviceBecomesItsDrive) {
    EXPECT_EQ(ToDos("\\Device\\HarddiskVolume3\\Windows\\notepad.exe"), "C:\\Windows\\notepad.exe");
    EXPECT_EQ(ToDos("\\Device\\HarddiskVolume12\\Tools\\a.exe"), "D:\\Tools\\a.exe");
}

TEST_F(ProcessPathTest, FirstDriveListedKeepsASharedDevice) {
    EXPECT_EQ(ToDos("\\Device\\HarddiskVolume3\\x.exe"), "C:\\x.exe");
}

TEST_F(ProcessPathTest, ShortDeviceNamesAndShortPathsComeBackUnchanged) {
    EXPECT_EQ(ToDos("\\Device\\CdRom0\\setup.exe"), "\\Device\\CdRom0\\setup.exe");
    EXPECT_EQ(ToDos("\\Device\\Harddisk"), "\\Device\\Harddisk");
    EXPECT_EQ(ToDos(""), "");
    EXPECT_EQ(ToDos("\\Device\\HarddiskVolume99\\x.exe"), "\\Device\\HarddiskVolume99\\x.exe");
    EXPECT_EQ(ToDos("\\Device\\HarddiskVolume3"), "\\Device\\HarddiskVolume3");
}

TEST_F(ProcessPathTest, DrivesAreEnumeratedOnceAndLaterDrivesStayUnknown) {
    ToDos("\\Device\\HarddiskVolume3\\a.exe");
    const int calls = desk.log.Count("QueryDosDeviceW");
    EXPECT_EQ(calls, 4);
    desk.AddDrive("G:\\", "\\Device\\HarddiskVolume20");
    EXPECT_EQ(ToDos("\\Device\\HarddiskVolume20\\b.exe"), "\\Device\\HarddiskVolume20\\b.exe");
    EXPECT_EQ(desk.log.Count("QueryDosDeviceW"), calls);
}

TEST_F(ProcessPathTest, WindowPathAndShortPath) {
    desk.AddProcess(77, "\\Device\\HarddiskVolume3\\Program Files\\程序\\app.exe");
    WindowSpec s;
    s.processId = 77;
    const Hwnd h = desk.CreateWindow(s);
    const std::string path = GetWndPath(desk, session.drives, h);
    EXPECT_EQ(path, "C:\\Program Files\\程序\\app.exe");
    EXPECT_EQ(desk.openProcessHandles(), 0);
    desk.AddShortPath(path, "C:\\PROGRA~1\\程序\\app.exe");
    EXPECT_EQ(GetShortPath(desk, path), "C:\\PROGRA~1\\程序\\app.exe");
    EXPECT_EQ(GetShortPath(desk, "C:\\missing.exe"), "");
    EXPECT_EQ(GetShortPath(desk, ""), "");
}

}  // namespace
}  // namespace lumivex::test
