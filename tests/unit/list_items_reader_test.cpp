#include <cstring>
#include <string>
#include <vector>

#include "readers/list_items_reader.h"
#include "readers_fixture.h"

namespace lumivex::test {
namespace {

class ListItemsReaderTest : public ReadersTest {
protected:
    Hwnd List(const std::vector<std::string>& items, bool combo = false) {
        return sim::CreateListBox(desk, Dialog(), items, combo);
    }
    // The text message writes text (UTF-16 and a NUL) whatever the length answer was.
    void TextAnswer(Hwnd h, std::uint32_t lengthAnswer, std::u16string text) {
        desk.Window(h).hook = [=](sim::SimWindow&, std::uint32_t msg, Wparam, Lparam lp) -> std::optional<Lresult> {
            if (msg == win::LB_GETTEXTLEN) return lengthAnswer;
            if (msg == win::LB_GETTEXT) {
                std::memcpy(reinterpret_cast<void*>(lp), text.c_str(), (text.size() + 1) * sizeof(char16_t));
                return static_cast<Lresult>(text.size());
            }
            return std::nullopt;
        };
    }
};

TEST_F(ListItemsReaderTest, ItemsInIndexOrder) {
    const struct {
        const char* name;
        std::vector<std::string> items;
        bool combo;
        const char* text;
    } cases[] = {
        {"list box", {"a", "b", "c"}, false, "a\r\nb\r\nc"},
        {"combo box", {"一", "二"}, true, "一\r\n二"},
        {"one item", {"只有一项"}, false, "只有一项"},
        {"empty items", {"", "x", ""}, false, "\r\nx\r\n"},
        {"empty list", {}, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadListItems(desk, List(c.items, c.combo)).text, c.text);
    }
}

TEST_F(ListItemsReaderTest, TextsAreAskedThroughTheDoor) {
    const Hwnd lb = List({"中文", "ab"});
    desk.log.Clear();
    EXPECT_EQ(ReadListItems(desk, lb).text, "中文\r\nab");
    ASSERT_EQ(desk.log.Messages().size(), 6u);
    EXPECT_EQ(desk.log.Messages()[0].msg, win::LB_GETCOUNT);
    EXPECT_EQ(desk.log.Messages()[1].msg, win::CB_GETCOUNT);
    for (std::size_t i = 2; i < 6; ++i) {
        EXPECT_EQ(desk.log.Messages()[i].msg, i % 2 == 0 ? win::LB_GETTEXTLEN : win::LB_GETTEXT);
    }
    EXPECT_TRUE(AllSendsTimed());
}

TEST_F(ListItemsReaderTest, CharactersTheCodePageLacksArriveWhole) {
    const Hwnd lb = List({"x"});
    TextAnswer(lb, 3, u"a\u00E9\u0E01");  // é is in GBK, the Thai letter is not
    EXPECT_EQ(ReadListItems(desk, lb).text, "aéก");
}

TEST_F(ListItemsReaderTest, AComboBoxCountWins) {
    const Hwnd lb = List({"list"});
    Answer(desk.Window(lb), win::CB_GETCOUNT, 1);
    desk.log.Clear();
    ReadListItems(desk, lb);
    EXPECT_EQ(Sent(win::CB_GETLBTEXT), 1u);
    EXPECT_EQ(Sent(win::LB_GETTEXT), 0u);
}

TEST_F(ListItemsReaderTest, LengthsThatLieOrGrowCannotOverrunTheBuffer) {
    const std::u16string grown(3000, u'g');
    const struct {
        const char* name;
        std::uint32_t length;
        std::u16string written;
        std::string text;
    } cases[] = {
        {"grew since its length was asked", 1, grown, std::string(3000, 'g')},
        {"says more than it has", 500, u"ab", "ab"},
        {"holds a NUL", 5, std::u16string(u"ab\0cd", 5), "ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Hwnd lb = List({"x"});
        TextAnswer(lb, c.length, c.written);
        EXPECT_EQ(ReadListItems(desk, lb).text, c.text);
    }
}

TEST_F(ListItemsReaderTest, UnbelievableLengthsGiveEmptyItemsWithoutAsking) {
    for (Lresult length : {Lresult{win::LB_ERR}, Lresult{2000000000}}) {
        SCOPED_TRACE(length);
        const Hwnd lb = List({"a", "b"});
        Answer(desk.Window(lb), win::LB_GETTEXTLEN, length);
        desk.log.Clear();
        EXPECT_EQ(ReadListItems(desk, lb).text, "\r\n");
        EXPECT_EQ(Sent(win::LB_GETTEXT), 0u);
    }
}

TEST_F(ListItemsReaderTest, AnEarlierItemDoesNotShowThroughALaterOne) {
    const Hwnd lb = List({"abcdef", "x"});
    // Item 1 claims six characters but writes none.
    desk.Window(lb).hook = [](sim::SimWindow&, std::uint32_t msg, Wparam wp, Lparam) -> std::optional<Lresult> {
        if (msg == win::LB_GETTEXT && wp == 1) return 6;
        return std::nullopt;
    };
    EXPECT_EQ(ReadListItems(desk, lb).text, "abcdef\r\n");
}

TEST_F(ListItemsReaderTest, HugeCountIsCapped) {
    const Hwnd lb = List({"a"});
    Answer(desk.Window(lb), win::LB_GETCOUNT, 2000000000);
    ReaderOptions options;
    options.limits.maxListItems = 100;
    desk.log.Clear();
    const ReadResult result = ReadListItems(desk, lb, options);
    EXPECT_EQ(Sent(win::LB_GETTEXTLEN), 100u);
    EXPECT_EQ(result.text.substr(0, 3), "a\r\n");
    EXPECT_EQ(std::count(result.text.begin(), result.text.end(), '\n'), 99);
}

TEST_F(ListItemsReaderTest, HungOrMissingWindowsGiveNothing) {
    const Hwnd lb = List({"a"});
    desk.Window(lb).hung = true;
    desk.log.Clear();
    EXPECT_EQ(ReadListItems(desk, lb).text, "");
    EXPECT_TRUE(desk.log.Messages().empty());
    EXPECT_EQ(ReadListItems(desk, 0).text, "");
    EXPECT_EQ(ReadListItems(desk, 0x7FFF0000).text, "");
    EXPECT_EQ(desk.blockingCallsToUnresponsive, 0);
}

TEST_F(ListItemsReaderTest, WindowThatStopsAnsweringKeepsTheItemsRead) {
    const Hwnd lb = List({"a", "b", "c", "d"});
    VanishAt(desk, lb, win::LB_GETTEXTLEN, 2);
    const ReadResult result = ReadListItems(desk, lb);
    EXPECT_EQ(result.text, "a\r\nb");
    EXPECT_TRUE(result.stoppedAnswering);
}

}  // namespace
}  // namespace lumivex::test
