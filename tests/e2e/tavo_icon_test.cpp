// Tavo's own icon: tavo.exe carries it as its first icon group, the one Explorer shows.
// (Another process cannot read the window class's icon under Wine; the caption was
// checked on a screenshot.)
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include "driver/paths.h"
#include "driver/text.h"

namespace e2e {
namespace {

TEST(TavoIcon, TheExeCarriesAnIconOfItsOwn) {
    const std::wstring exe = TavoExePath();
    HICON large = nullptr, small = nullptr;
    ASSERT_EQ(ExtractIconExW(exe.c_str(), 0, &large, &small, 1), 2u) << "no icon in " << Narrow(exe);
    DestroyIcon(large);
    DestroyIcon(small);
}

}  // namespace
}  // namespace e2e
