#include "app/res_url.h"

namespace lumivex {

namespace {

void AppendEscaped(std::wstring& out, wchar_t c) {
    static const wchar_t kHex[] = L"0123456789ABCDEF";
    out += L'%';
    out += kHex[(c >> 4) & 0xF];
    out += kHex[c & 0xF];
}

}  // namespace

std::wstring ResPageUrl(const std::wstring& modulePath, unsigned resourceId) {
    std::wstring url = L"res://";
    for (wchar_t c : modulePath) {
        if (c == L'%' || c == L'#')
            AppendEscaped(url, c);
        else
            url += c;
    }
    url += L'/';
    url += std::to_wstring(resourceId);
    return url;
}

}  // namespace lumivex
