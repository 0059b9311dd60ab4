// The save button: the path rule, the overwrite question, and a save that
// never leaves the user's file damaged.
#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "picture/bmp_file.h"
#include "picture/picture_save.h"
#include "picture/save_dialog_text.h"
#include "picture/file_replace.h"
#include "platform/sim/std_file_ops.h"
#include "sim_fixture.h"

namespace lumivex::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

TEST(WithBmpExtension, AppendsUnlessTheLastFourCharactersAreDotBmpInAnyCase) {
    EXPECT_EQ(WithBmpExtension("photo.BMP"), "photo.BMP");
    EXPECT_EQ(WithBmpExtension("photo.bmp"), "photo.bmp");
    EXPECT_EQ(WithBmpExtension("C:\\pictures\\photo.bMp"), "C:\\pictures\\photo.bMp");
    EXPECT_EQ(WithBmpExtension("photo"), "photo.bmp");
    EXPECT_EQ(WithBmpExtension("photo.png"), "photo.png.bmp");
    EXPECT_EQ(WithBmpExtension("photo.bmp.txt"), "photo.bmp.txt.bmp");
    EXPECT_EQ(WithBmpExtension("photobmp"), "photobmp.bmp");
    EXPECT_EQ(WithBmpExtension(".bmp"), ".bmp");
    EXPECT_EQ(WithBmpExtension("bmp"), "bmp.bmp");
}

TEST(SaveDialogText, FilterListsTheExtensionThenAllFiles) {
    const std::u16string expected(u"bmp Files (*.bmp)\0*.bmp\0All Files (*.*)\0*.*\0", 44);
    const std::u16string filter = SaveDialogFilter(u"bmp");
    EXPECT_EQ(filter, expected);
    // The terminating NUL closes the list with a double NUL.
    EXPECT_EQ(filter.c_str()[filter.size()], u'\0');
}

TEST(SaveDialogText, BufferIsBlanksThenOneNul) {
    const std::u16string buffer = BlankDialogBuffer();
    ASSERT_EQ(buffer.size(), 255u);
    EXPECT_EQ(buffer.find_first_not_of(u' '), 254u);
    EXPECT_EQ(buffer.back(), u'\0');
}

TEST(SaveDialogText, PathLosesItsNulsAndSurroundingBlanks) {
    const std::u16string korean = u"C:\\\uC0AC\uC9C4\\\uC0AC\uC9C4.bmp";  // C:\사진\사진.bmp
    struct Case {
        std::u16string buffer, path;
    } cases[] = {
        {std::u16string(u"C:\\pictures\\photo.bmp\0", 22) + std::u16string(232, u' ') + u'\0',
         u"C:\\pictures\\photo.bmp"},
        {u"  C:\\my photo.bmp  ", u"C:\\my photo.bmp"},
        {BlankDialogBuffer(), u""},
        // Characters outside any ANSI code page come through as they are.
        {korean + u'\0' + std::u16string(200, u' ') + u'\0', korean},
    };
    for (const Case& c : cases) EXPECT_EQ(CleanDialogPath(c.buffer), c.path);
}

// Records what the user is asked and answers as told.
class FakeSaveUi : public SaveUi {
public:
    struct Box {
        std::string text, caption;
        std::uint32_t type;
    };
    std::string path;
    bool pathTooLong = false;
    int answer = win::IDYES;
    std::function<void()> whileOpen;
    std::vector<std::string> dialogs;
    std::vector<Box> boxes;

    SaveDialogChoice ShowSaveDialog(const std::string& extension) override {
        dialogs.push_back(extension);
        if (whileOpen) whileOpen();
        return {path, pathTooLong};
    }
    int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t type) override {
        boxes.push_back({text, caption, type});
        return answer;
    }
};

// A real folder, with attributes POSIX cannot express and failures on demand.
class TestFiles : public sim::StdFileOps {
public:
    std::map<std::string, std::uint32_t> extraAttributes;
    bool stopHalfway = false;
    bool failMove = false;
    std::vector<std::string> written;

    std::uint32_t GetFileAttributesW(const std::string& path) override {
        const std::uint32_t attributes = StdFileOps::GetFileAttributesW(path);
        const auto it = extraAttributes.find(path);
        return attributes == win::INVALID_FILE_ATTRIBUTES || it == extraAttributes.end() ? attributes
                                                                                         : attributes | it->second;
    }
    WriteResult WriteNewFile(const std::string& path, const Bytes& bytes) override {
        written.push_back(path);
        if (!stopHalfway) return StdFileOps::WriteNewFile(path, bytes);
        // The disk fills up half-way through.
        StdFileOps::WriteNewFile(path, Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2)));
        Fail(ENOSPC);
        return WriteResult::Incomplete;
    }
    bool MoveFileExW(const std::string& from, const std::string& to, std::uint32_t flags) override {
        return failMove ? Fail(EIO) : StdFileOps::MoveFileExW(from, to, flags);
    }
};

class PictureSaveTest : public DesktopTest {
protected:
    fs::path folder;
    FakeSaveUi ui;
    TestFiles files;
    const Bytes oldContent = {'o', 'l', 'd', ' ', 'f', 'i', 'l', 'e'};

    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "lumivex-save-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        Picture& picture = form.pictureView.picture;
        picture.width = 3;
        picture.height = 2;
        picture.pixels = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    static Bytes Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void Write(const std::string& path, const Bytes& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(PictureSaveTest, NewNameGetsTheExtensionAndTheBitmapWithoutAQuestion) {
    const Bytes expected = EncodeBmp(form.pictureView.picture);
    ui.path = PathOf("photo");
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Saved);
    EXPECT_EQ(ui.dialogs, std::vector<std::string>{"bmp"});
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(Read(PathOf("photo.bmp")), expected);
    EXPECT_EQ(Listing(), std::vector<std::string>{"photo.bmp"});
}

TEST_F(PictureSaveTest, UpperCaseExtensionIsKept) {
    ui.path = PathOf("photo.BMP");
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Saved);
    EXPECT_EQ(Listing(), std::vector<std::string>{"photo.BMP"});
}

TEST_F(PictureSaveTest, CancelWritesNothing) {
    ui.path = "";
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Cancelled);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(Listing().empty());
}

TEST_F(PictureSaveTest, PathTooLongForTheDialogIsReportedNotTakenForCancel) {
    ui.pathTooLong = true;
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Failed);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "保存失败：文件路径太长。");
    EXPECT_EQ(ui.boxes[0].type, win::MB_OK | win::MB_ICONERROR);
    EXPECT_TRUE(Listing().empty());
}

TEST_F(PictureSaveTest, NoPictureAsksForNoPath) {
    form.pictureView.picture.pixels.clear();
    ui.path = PathOf("photo.bmp");
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::NothingToSave);
    EXPECT_TRUE(ui.dialogs.empty());
    EXPECT_TRUE(Listing().empty());
}

TEST_F(PictureSaveTest, ExistingFileAsksFirstAndNoLeavesItUntouched) {
    Write(PathOf("photo.bmp"), oldContent);
    ui.path = PathOf("photo.bmp");
    ui.answer = win::IDNO;
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Declined);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "文件已经存在，是否覆盖？");
    EXPECT_EQ(ui.boxes[0].caption, "Quorva");
    EXPECT_EQ(ui.boxes[0].type, 0x24u);  // MB_YESNO | MB_ICONQUESTION
    EXPECT_EQ(Read(PathOf("photo.bmp")), oldContent);
    EXPECT_TRUE(files.written.empty());
}

TEST_F(PictureSaveTest, YesReplacesTheFileOnlyThroughACompleteTemporaryFile) {
    Write(PathOf("photo.bmp"), oldContent);
    ui.path = PathOf("photo");  // the extension is added before the lookup
    ui.answer = win::IDYES;
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Saved);
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(Read(PathOf("photo.bmp")), EncodeBmp(form.pictureView.picture));
    ASSERT_EQ(files.written.size(), 1u);
    EXPECT_NE(files.written[0], PathOf("photo.bmp"));
    EXPECT_EQ(fs::path(files.written[0]).parent_path(), folder);
    EXPECT_EQ(Listing(), std::vector<std::string>{"photo.bmp"});
}

TEST_F(PictureSaveTest, EveryExistingFileGetsTheQuestionWhateverItsAttributes) {
    struct Case {
        const char* name;
        std::uint32_t extra;  // beyond what the file system itself tells
    } cases[] = {
        {"plain.bmp", 0},
        {".hidden.bmp", 0},  // a dot name is hidden, as Wine shows it
        {"hidden.bmp", win::FILE_ATTRIBUTE_HIDDEN},
        {"system.bmp", win::FILE_ATTRIBUTE_SYSTEM},
        {"both.bmp", win::FILE_ATTRIBUTE_HIDDEN | win::FILE_ATTRIBUTE_SYSTEM},
        {"readonly.bmp", win::FILE_ATTRIBUTE_READONLY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.boxes.clear();
        Write(PathOf(c.name), oldContent);
        if (c.extra) files.extraAttributes[PathOf(c.name)] = c.extra;
        ui.path = PathOf(c.name);
        ui.answer = win::IDNO;
        EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Declined);
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text, "文件已经存在，是否覆盖？");
        EXPECT_EQ(Read(PathOf(c.name)), oldContent);
    }
    EXPECT_TRUE(files.written.empty());
}

TEST_F(PictureSaveTest, NativeFilesTellHiddenReadOnlyAndFolders) {
    Write(PathOf(".dot.bmp"), oldContent);
    Write(PathOf("locked.bmp"), oldContent);
    fs::permissions(folder / "locked.bmp", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    fs::create_directory(folder / "album.bmp");
    sim::StdFileOps plain;
    EXPECT_EQ(plain.GetFileAttributesW(PathOf(".dot.bmp")) & win::FILE_ATTRIBUTE_HIDDEN, win::FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(plain.GetFileAttributesW(PathOf("locked.bmp")), win::FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(plain.GetFileAttributesW(PathOf("album.bmp")), win::FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(plain.GetFileAttributesW(PathOf("none.bmp")), win::INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(plain.LastErrorText(), std::strerror(ENOENT));
}

// Every failure tells the user why, in a box of its own, and leaves what
// was at the target as it was.
TEST_F(PictureSaveTest, FailedSaveShowsTheSystemsReasonAndLeavesTheOldFile) {
    const std::string tooLong(300, 'n');
    struct Case {
        const char* what;
        std::string name;
        std::function<void()> arrange;
        int error;
        std::size_t questions;
    } cases[] = {
        {"read-only file, answered Yes", "locked.bmp",
         [this] {
             Write(PathOf("locked.bmp"), oldContent);
             fs::permissions(folder / "locked.bmp", fs::perms::owner_write | fs::perms::group_write |
                             fs::perms::others_write, fs::perm_options::remove);
         },
         EACCES, 1},
        {"disk full", "full.bmp", [this] { Write(PathOf("full.bmp"), oldContent); files.stopHalfway = true; }, ENOSPC,
         1},
        {"replace refused", "busy.bmp", [this] { Write(PathOf("busy.bmp"), oldContent); files.failMove = true; }, EIO,
         1},
        {"folder of that name", "album.bmp", [this] { fs::create_directory(folder / "album.bmp"); }, EISDIR, 0},
        {"name the file system refuses", tooLong + ".bmp", [] {}, ENAMETOOLONG, 0},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.boxes.clear();
        files.stopHalfway = files.failMove = false;
        c.arrange();
        const std::vector<std::string> before = Listing();
        std::error_code error;  // a name too long to look up is no file
        const bool existed = fs::is_regular_file(folder / c.name, error);
        const Bytes old = existed ? Read(PathOf(c.name)) : Bytes{};
        ui.path = PathOf(c.name);
        ui.answer = win::IDYES;
        EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Failed);
        ASSERT_EQ(ui.boxes.size(), c.questions + 1);
        const FakeSaveUi::Box& box = ui.boxes.back();
        EXPECT_EQ(box.text, std::string("保存失败：") + std::strerror(c.error));
        EXPECT_EQ(box.caption, "Quorva");
        EXPECT_EQ(box.type, 0x10u);  // MB_OK | MB_ICONERROR
        EXPECT_EQ(Listing(), before);  // no temporary file left behind
        if (existed) {
            EXPECT_EQ(Read(PathOf(c.name)), old) << "the old file changed";
        }
    }
}

TEST_F(PictureSaveTest, MissingFolderFailsAtOnceWithoutTryingOtherNames) {
    ui.path = (folder / "gone" / "photo.bmp").string();
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Failed);
    EXPECT_EQ(files.written.size(), 1u);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, std::string("保存失败：") + std::strerror(ENOENT));
}

TEST_F(PictureSaveTest, NamesInAnyScriptAndUpToTheLengthLimitSave) {
    const Bytes expected = EncodeBmp(form.pictureView.picture);
    const std::string longest = std::string(255 - 4, 'a') + ".bmp";  // the most a file system takes
    for (const std::string& name : {std::string("사진.bmp"), std::string(246, 'l') + ".bmp", longest}) {
        SCOPED_TRACE(name);
        ui.path = PathOf(name);
        EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Saved);
        EXPECT_EQ(Read(PathOf(name)), expected);
    }
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(Listing().size(), 3u);
}

TEST(TemporaryName, IsShortAndInTheTargetsFolder) {
    const std::string longName(250, 'x');
    struct Case {
        std::string target, temporary;
    } cases[] = {
        {"C:\\pictures\\photo.bmp", "C:\\pictures\\~lvx0.tmp"},
        {"Z:\\tmp\\" + longName + ".bmp", "Z:\\tmp\\~lvx0.tmp"},
        {"/tmp/album/사진.bmp", "/tmp/album/~lvx0.tmp"},
        {"C:photo.bmp", "C:~lvx0.tmp"},
        {"photo.bmp", "~lvx0.tmp"},
    };
    for (const Case& c : cases) EXPECT_EQ(TemporaryNameFor(c.target, 0), c.temporary);
    EXPECT_EQ(TemporaryNameFor("C:\\a\\b.bmp", 15), "C:\\a\\~lvx15.tmp");
}

TEST_F(PictureSaveTest, EveryTemporaryNameTakenFailsWithoutTouchingThem) {
    for (int attempt = 0; attempt < 16; ++attempt) Write(TemporaryNameFor(PathOf("photo.bmp"), attempt), oldContent);
    ui.path = PathOf("photo.bmp");
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Failed);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, std::string("保存失败：") + std::strerror(EEXIST));
    for (int attempt = 0; attempt < 16; ++attempt)
        EXPECT_EQ(Read(TemporaryNameFor(PathOf("photo.bmp"), attempt)), oldContent);
    EXPECT_FALSE(fs::exists(folder / "photo.bmp"));
}

TEST_F(PictureSaveTest, TemporaryNameInUseIsSkippedAndLeftAlone) {
    const std::string taken = TemporaryNameFor(PathOf("photo.bmp"), 0);
    Write(taken, oldContent);
    ui.path = PathOf("photo.bmp");
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Saved);
    EXPECT_EQ(Read(taken), oldContent);
    EXPECT_EQ(Read(PathOf("photo.bmp")), EncodeBmp(form.pictureView.picture));
    EXPECT_EQ(Listing().size(), 2u);
}

TEST_F(PictureSaveTest, SavesThePictureShownWhenTheButtonWasClicked) {
    const Bytes clicked = EncodeBmp(form.pictureView.picture);
    ui.path = PathOf("photo.bmp");
    // A fill (a timer's delayed read) replaces the picture while the dialog is open.
    ui.whileOpen = [this] {
        form.pictureView.picture.width = 1;
        form.pictureView.picture.height = 1;
        form.pictureView.picture.pixels = {0xFFFFFF};
    };
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Saved);
    EXPECT_EQ(Read(PathOf("photo.bmp")), clicked);
}

}  // namespace
}  // namespace lumivex::test
