#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/utf16.h"
#include "readers/twin_command_line.h"

namespace lumivex::test {
namespace {

using Args = std::vector<std::u16string>;

TEST(TwinCommandLineTest, TheTwinLiesBesideTheProgram) {
    const struct {
        std::u16string own, twin;
    } cases[] = {
        {u"C:\\Program Files\\Lumivex\\Lumivex.exe", u"C:\\Program Files\\Lumivex\\Lumivex64.exe"},
        {u"D:\\下载\\Lumivex.exe", u"D:\\下载\\Lumivex64.exe"},
        {u"Lumivex.exe", u""},
        {u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.own));
        EXPECT_EQ(TwinPathBeside(c.own), c.twin);
    }
}

TEST(TwinCommandLineTest, TheLineQuotesThePathAndWritesTheHandleInHex) {
    const struct {
        TwinRequest request;
        std::u16string line;
    } cases[] = {
        {{"GetTreeViewText", 0x0001A2B4}, u"\"C:\\A B\\Lumivex64.exe\" /read GetTreeViewText 0x0001A2B4"},
        {{"GetListViewText", 0xFFFFFFFF}, u"\"C:\\A B\\Lumivex64.exe\" /read GetListViewText 0xFFFFFFFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.request.key);
        EXPECT_EQ(TwinCommandLine(u"C:\\A B\\Lumivex64.exe", c.request), c.line);
    }
    EXPECT_EQ(TwinCommandLine(u"C:\\a\"b\\Lumivex64.exe", {"GetTreeViewText", 1}), u"");
    EXPECT_EQ(TwinCommandLine(u"", {"GetTreeViewText", 1}), u"");
}

TEST(TwinCommandLineTest, OnlyAnExactReadIsTaken) {
    const struct {
        Args arguments;
        bool twinCommand;  // the program opens no window
    } cases[] = {
        {{u"/read", u"GetWindowText", u"0x10"}, true},  // a reader the twin does not take
        {{u"/read", u"GetTreeViewText", u"0x0"}, true},
        {{u"/read", u"GetTreeViewText", u"10"}, true},
        {{u"/read", u"GetTreeViewText", u"0x"}, true},
        {{u"/read", u"GetTreeViewText", u"0x123456789"}, true},  // past 32 bits
        {{u"/read", u"GetTreeViewText", u"0x1G"}, true},
        {{u"/read", u"GetTreeViewText"}, true},
        {{u"/read", u"GetTreeViewText", u"0x10", u"extra"}, true},
        {{u"/read", u"GetTreeViewTextＸ", u"0x10"}, true},
        {{u"/READ", u"GetTreeViewText", u"0x10"}, false},
        {{}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.empty() ? std::string("no arguments") : Utf16ToUtf8(c.arguments.back()));
        EXPECT_EQ(IsTwinCommand(c.arguments), c.twinCommand);
        EXPECT_FALSE(ParseTwinArguments(c.arguments).has_value());
    }
    const auto lower = ParseTwinArguments({u"/read", u"GetListViewText", u"0xabcdef"});
    ASSERT_TRUE(lower.has_value());
    EXPECT_EQ(lower->hwnd, 0xABCDEFu);
}

}  // namespace
}  // namespace lumivex::test
