#pragma once
// A child window that shows a picture stretched over its whole client area.
#include <windows.h>

#include "platform/types.h"
#include "win32/handles.h"
#include "win32/window_class.h"

namespace tintora::win32 {

class PictureBox {
public:
    // The class must be registered with PictureBox::procedure.
    PictureBox(const WindowClass& windowClass, HWND parent, DWORD style, Geometry g);
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    HWND hwnd() const { return hwnd_.get(); }
    void setImage(Image image);
    const Image& image() const { return image_; }

    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void paint();

    Image image_;
    OwnedWindow hwnd_;
};

}  // namespace tintora::win32
