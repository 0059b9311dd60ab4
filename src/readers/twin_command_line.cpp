#include "readers/twin_command_line.h"

#include <array>
#include <cstdio>

namespace lumivex {

namespace {

constexpr std::array<const char*, 2> kTwinKeys = {"GetListViewText", "GetTreeViewText"};

std::optional<Hwnd> HexHandle(std::u16string_view text) {
    if (text.size() < 3 || text.size() > 10 || text[0] != u'0' || (text[1] != u'x' && text[1] != u'X'))
        return std::nullopt;
    Hwnd value = 0;
    for (const char16_t unit : text.substr(2)) {
        int digit = -1;
        if (unit >= u'0' && unit <= u'9') digit = unit - u'0';
        if (unit >= u'a' && unit <= u'f') digit = unit - u'a' + 10;
        if (unit >= u'A' && unit <= u'F') digit = unit - u'A' + 10;
        if (digit < 0) return std::nullopt;
        value = (value << 4) | static_cast<Hwnd>(digit);
    }
    return value;
}

}  // namespace

bool TwinTakesKey(const std::string& key) {
    for (const char* taken : kTwinKeys)
        if (key == taken) return true;
    return false;
}

std::u16string TwinPathBeside(std::u16string_view ownPath) {
    const std::size_t slash = ownPath.find_last_of(u"\\/");
    if (slash == std::u16string_view::npos) return {};
    return std::u16string(ownPath.substr(0, slash + 1)) + std::u16string(kTwinFileName);
}

std::u16string TwinCommandLine(std::u16string_view twinPath, const TwinRequest& request) {
    if (twinPath.empty() || twinPath.find(u'"') != std::u16string_view::npos) return {};
    char handle[16];
    std::snprintf(handle, sizeof handle, "0x%08X", static_cast<unsigned>(request.hwnd));
    const std::string rest = " " + request.key + " " + handle;
    return u"\"" + std::u16string(twinPath) + u"\" " + std::u16string(kTwinReadSwitch) +
           std::u16string(rest.begin(), rest.end());
}

bool IsTwinCommand(const std::vector<std::u16string>& arguments) {
    return !arguments.empty() && arguments[0] == kTwinReadSwitch;
}

std::optional<TwinRequest> ParseTwinArguments(const std::vector<std::u16string>& arguments) {
    if (arguments.size() != 3 || !IsTwinCommand(arguments)) return std::nullopt;
    const std::u16string& key16 = arguments[1];
    for (const char16_t unit : key16)
        if (unit > 0x7E) return std::nullopt;
    const std::string key(key16.begin(), key16.end());
    const auto hwnd = HexHandle(arguments[2]);
    if (!TwinTakesKey(key) || !hwnd || *hwnd == 0) return std::nullopt;
    return TwinRequest{key, *hwnd};
}

}  // namespace lumivex
