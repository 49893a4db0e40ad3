#pragma once
// The program over the recording fake, with the user's steps that lead to a locked overlay and an
// open console: start-up window created, smart snap onto a foreign window, a key to lock it.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/tintora.h"
#include "design/design.h"
#include "support/fake_platform.h"

namespace tintora::unit {

// The foreign window the overlay is locked over, and its rectangle.
inline constexpr WindowHandle targetWindow = 0x2001;
inline constexpr ScreenRect targetRect{100, 200, 400, 600};

class ProgramTest : public testing::Test {
protected:
    ProgramTest()
    {
        // The console is created inside its modal opening, as on the real platform.
        fp.ui.onModalOpen = [this] { program.windowCreated(WindowId::console); };
        program.start();
    }

    std::string path(std::string_view suffix) const { return fp.process.runDir + std::string(suffix); }
    // A file under the run directory with this content, its folders created.
    void putFile(std::string_view suffix, std::string content) { fp.files.putFile(path(suffix), std::move(content)); }
    std::string readItem(const SettingsItem& item) const
    {
        return fp.files.read(path(item.file), item.section, item.key);
    }

    void createStartupWindow() { program.windowCreated(WindowId::startup); }
    void createConsole() { program.windowCreated(WindowId::console); }

    // Smart snap onto the foreign window at the rectangle, then a key locks it and opens the console.
    void lockOver(ScreenRect r)
    {
        fp.desktop.windowsAtPoints = {{targetWindow, r}};
        fp.desktop.cursor = {r.left + 1, r.top + 1};
        program.menuCommand(startup::智能吸附窗口);
        program.timerTick(startup::时钟2);
        program.keyDown(WindowId::startup, 'A');
    }
    void startAndLock(ScreenRect r = targetRect)
    {
        createStartupWindow();
        lockOver(r);
    }

    // The user moves a console slider.
    void moveSlider(ControlRef slider, int position)
    {
        fp.ui.setSliderPosition(slider, position);
        program.sliderChanged(slider);
    }

    Geometry geometry(WindowId w) const { return fp.ui.geometry(w); }
    bool checked(MenuRef m) const { return fp.ui.isChecked(m); }
    int interval(TimerRef t) const { return fp.ui.interval(t); }
    std::string menuCaption(MenuRef m) const { return fp.ui.menu(m).caption; }
    std::string caption(ControlRef c) const { return fp.ui.control(c).caption; }

    fake::FakePlatform fp;
    Tintora program{fp.platform};
};

}  // namespace tintora::unit
