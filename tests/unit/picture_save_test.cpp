// The save button: the path rule, the overwrite question, and a save that
// never leaves the user's file damaged.
#include <stdlib.h>

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
    const std::string expected("bmp Files (*.bmp)\0*.bmp\0All Files (*.*)\0*.*\0", 44);
    const std::string filter = SaveDialogFilter("bmp");
    EXPECT_EQ(filter, expected);
    // The terminating NUL closes the list with a double NUL.
    EXPECT_EQ(filter.c_str()[filter.size()], '\0');
}

TEST(SaveDialogText, PathLosesItsNulsAndSurroundingBlanks) {
    std::string buffer = "C:\\pictures\\photo.bmp";
    buffer += '\0';
    buffer += std::string(kDialogBufferBlanks - buffer.size(), ' ');
    buffer += '\0';
    EXPECT_EQ(CleanDialogPath(buffer), "C:\\pictures\\photo.bmp");
    EXPECT_EQ(CleanDialogPath("  C:\\my photo.bmp  "), "C:\\my photo.bmp");
    EXPECT_EQ(CleanDialogPath(std::string(kDialogBufferBlanks, ' ') + '\0'), "");
}

// Records what the user is asked and answers as told.
class FakeSaveUi : public SaveUi {
public:
    struct Box {
        std::string text, caption;
        std::uint32_t type;
    };
    std::string path;
    int answer = win::IDYES;
    std::function<void()> whileOpen;
    std::vector<std::string> dialogs;
    std::vector<Box> boxes;

    std::string ShowSaveDialog(const std::string& extension) override {
        dialogs.push_back(extension);
        if (whileOpen) whileOpen();
        return path;
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

    std::uint32_t GetFileAttributesA(const std::string& path) override {
        const std::uint32_t attributes = StdFileOps::GetFileAttributesA(path);
        const auto it = extraAttributes.find(path);
        return attributes == win::INVALID_FILE_ATTRIBUTES || it == extraAttributes.end() ? attributes
                                                                                         : attributes | it->second;
    }
    WriteResult WriteNewFile(const std::string& path, const Bytes& bytes) override {
        written.push_back(path);
        if (!stopHalfway) return StdFileOps::WriteNewFile(path, bytes);
        // The disk fills up half-way through.
        StdFileOps::WriteNewFile(path, Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2)));
        return WriteResult::Incomplete;
    }
    bool MoveFileExA(const std::string& from, const std::string& to, std::uint32_t flags) override {
        return !failMove && StdFileOps::MoveFileExA(from, to, flags);
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

TEST_F(PictureSaveTest, HiddenAndSystemFilesAreNotFoundSoNoQuestionIsAsked) {
    for (const std::uint32_t attribute : {win::FILE_ATTRIBUTE_HIDDEN, win::FILE_ATTRIBUTE_SYSTEM}) {
        ui.boxes.clear();
        Write(PathOf("secret.bmp"), oldContent);
        files.extraAttributes[PathOf("secret.bmp")] = attribute;
        ui.path = PathOf("secret.bmp");
        EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Saved);
        EXPECT_TRUE(ui.boxes.empty());
    }
    // A read-only file is a normal file: the question is asked.
    Write(PathOf("kept.bmp"), oldContent);
    files.extraAttributes[PathOf("kept.bmp")] = win::FILE_ATTRIBUTE_READONLY;
    ui.path = PathOf("kept.bmp");
    ui.answer = win::IDNO;
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Declined);
}

TEST_F(PictureSaveTest, FolderOfThatNameIsNotAnExistingFile) {
    fs::create_directory(folder / "album.bmp");
    ui.path = PathOf("album.bmp");
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Failed);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(fs::is_directory(folder / "album.bmp"));
    EXPECT_EQ(Listing(), std::vector<std::string>{"album.bmp"});
}

TEST_F(PictureSaveTest, WriteFailingHalfwayLeavesTheOldFileWholeAndNoLeftovers) {
    Write(PathOf("photo.bmp"), oldContent);
    files.stopHalfway = true;
    ui.path = PathOf("photo.bmp");
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Failed);
    EXPECT_EQ(Read(PathOf("photo.bmp")), oldContent);
    EXPECT_EQ(Listing(), std::vector<std::string>{"photo.bmp"});
}

TEST_F(PictureSaveTest, FailedReplaceLeavesTheOldFileWholeAndNoLeftovers) {
    Write(PathOf("photo.bmp"), oldContent);
    files.failMove = true;
    ui.path = PathOf("photo.bmp");
    EXPECT_EQ(form.SavePicture(ui, files), SaveOutcome::Failed);
    EXPECT_EQ(Read(PathOf("photo.bmp")), oldContent);
    EXPECT_EQ(Listing(), std::vector<std::string>{"photo.bmp"});
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
