#pragma once
// A child window that shows a PNG picture stretched over its whole client area. The picture is
// decoded only while the box can be seen: a hidden box keeps just the PNG file.
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
    // Empty or undecodable bytes show nothing.
    void setPicture(Bytes png);
    // The decoded picture; empty until the box is painted and again once it is hidden.
    const Image& image() const { return image_; }

    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void paint();

    Bytes png_;
    Image image_;
    OwnedWindow hwnd_;
};

}  // namespace tintora::win32
