#include <gtest/gtest.h>

#include "app/res_url.h"

namespace lumivex {
namespace {

TEST(ResPageUrl, PathIsKeptAndTheNumberFollowsTheLastSlash) {
    EXPECT_EQ(ResPageUrl(L"C:\\Tools\\Lumivex.exe", 110), L"res://C:\\Tools\\Lumivex.exe/110");
    EXPECT_EQ(ResPageUrl(L"C:\\Program Files\\Lumivex\\Lumivex.exe", 7),
              L"res://C:\\Program Files\\Lumivex\\Lumivex.exe/7");
    EXPECT_EQ(ResPageUrl(L"D:\\\u5de5\u5177\\Lumivex.exe", 65535), L"res://D:\\\u5de5\u5177\\Lumivex.exe/65535");
}

// A '#' would end the module part early and a '%' would be decoded: both
// must reach the browser escaped, and nothing else may be.
TEST(ResPageUrl, PercentAndHashAreEscaped) {
    EXPECT_EQ(ResPageUrl(L"C:\\C#\\100%\\a.exe", 110), L"res://C:\\C%23\\100%25\\a.exe/110");
    EXPECT_EQ(ResPageUrl(L"C:\\%23\\a.exe", 1), L"res://C:\\%2523\\a.exe/1");
    EXPECT_EQ(ResPageUrl(L"C:\\a-b_c.d~e!f(1)\\x.exe", 110), L"res://C:\\a-b_c.d~e!f(1)\\x.exe/110");
}

}  // namespace
}  // namespace lumivex
