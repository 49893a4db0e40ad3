#pragma once
// Starting Tintora with Windows, for the current user alone.

namespace tintora {

class Autostart {
public:
    virtual ~Autostart() = default;
    // True while the system holds a start of Tintora at log-on whose program still exists.
    virtual bool isOn() const = 0;
    // Adds (a quiet start in the tray) or removes the start at log-on; false when it could not.
    virtual bool set(bool on) = 0;
};

}  // namespace tintora
