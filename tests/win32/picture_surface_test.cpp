// The off-screen picture the bar draws into: it starts and clears to black, and
// when it goes its bitmap goes with it. (Windows refuses to delete a bitmap still
// selected into a DC; Wine defers it until the DC goes, so under Wine this sees a
// bitmap that is never deleted, not one deleted in the wrong order.)
#include <gtest/gtest.h>
#include <windows.h>

#include "win32/platform/gdi_scope.h"

namespace zek::win32 {
namespace {

TEST(PictureSurface, ClearsToBlackAndDeletesItsBitmapOnDestroy) {
    PictureSurface surface;
    ASSERT_TRUE(surface.create(nullptr, 4, 4));
    EXPECT_EQ(::GetPixel(surface.dc(), 3, 3), RGB(0, 0, 0));

    ::SetPixel(surface.dc(), 3, 3, RGB(255, 255, 255));
    ASSERT_EQ(::GetPixel(surface.dc(), 3, 3), RGB(255, 255, 255));
    surface.clear();
    EXPECT_EQ(::GetPixel(surface.dc(), 3, 3), RGB(0, 0, 0));

    const HGDIOBJ bitmap = ::GetCurrentObject(surface.dc(), OBJ_BITMAP);
    ASSERT_EQ(::GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    surface.destroy();
    EXPECT_FALSE(surface);
    EXPECT_EQ(::GetObjectType(bitmap), 0u);
}

}  // namespace
}  // namespace zek::win32
