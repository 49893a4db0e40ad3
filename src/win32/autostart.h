#pragma once
// The start at log-on as the current user's Run key holds it: value Tintora, a quiet start of the exe.
#include <string>

#include "platform/autostart.h"

namespace tintora::win32 {

class Win32Autostart final : public Autostart {
public:
    // The exe the value starts; the running program's by default.
    explicit Win32Autostart(std::wstring program);
    Win32Autostart();

    bool isOn() const override;
    bool set(bool on) override;

private:
    std::wstring program_;
};

}  // namespace tintora::win32
