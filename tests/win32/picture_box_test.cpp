// The picture box holds the decoded picture only while it can be seen.
#include "win32/picture_box.h"

#include <gtest/gtest.h>

#include "resource.h"
#include "win32/system.h"

namespace tintora::win32 {
namespace {

constexpr Geometry boxGeometry{0, 0, 200, 150};

COLORREF pixelAt(HWND window, int x, int y)
{
    const WindowDc dc(window);
    return GetPixel(dc.get(), x, y);
}

TEST(PictureBox, DecodesThePictureWhenShownAndLetsItGoWhenHidden)
{
    const WindowClass parentClass(L"TintoraPictureTestParent", DefWindowProcW, nullptr, GetSysColorBrush(COLOR_WINDOW));
    const WindowClass pictureClass(L"TintoraPictureTest", PictureBox::procedure, nullptr, nullptr);
    const OwnedWindow parent(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, parentClass.name(), L"",
                                             WS_POPUP | WS_VISIBLE, 100, 100, boxGeometry.width, boxGeometry.height,
                                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    PictureBox box(pictureClass, parent.get(), WS_CHILD | WS_VISIBLE, boxGeometry);
    const COLORREF background = pixelAt(box.hwnd(), 60, 40);

    box.setPicture(resourceBytes(IDR_STARTUP_VIVID));
    UpdateWindow(box.hwnd());
    ASSERT_EQ(box.image().width, 800);
    ASSERT_EQ(box.image().height, 600);
    const COLORREF shown = pixelAt(box.hwnd(), 60, 40);
    EXPECT_NE(shown, background);

    ShowWindow(box.hwnd(), SW_HIDE);
    EXPECT_TRUE(box.image().empty());
    EXPECT_EQ(box.image().pixels.capacity(), 0u) << "the decoded pixels are still held";

    ShowWindow(box.hwnd(), SW_SHOWNA);
    UpdateWindow(box.hwnd());
    EXPECT_EQ(box.image().width, 800);
    EXPECT_EQ(pixelAt(box.hwnd(), 60, 40), shown);

    box.setPicture({});
    UpdateWindow(box.hwnd());
    EXPECT_TRUE(box.image().empty());
}

}  // namespace
}  // namespace tintora::win32
