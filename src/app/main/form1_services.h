#pragma once
// The Win32 services the main window's core works through, and what acts on the target
// windows; made once with the window.
#include <memory>

#include "core/main/main_rooms.h"
#include "core/acting/key_sender.h"
#include "core/acting/picture_buffer.h"
#include "core/acting/target_actions.h"
#include "platform/win32/code_page.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_file_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_keyboard_input.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_window_capture.h"
#include "platform/win32/win32_window_queries.h"

namespace tavo {

struct Form1Services {
    Form1Services() : codePage(MakeCodePage936()), systemCodePage(MakeSystemCodePage()) {}
    Form1Services(const Form1Services&) = delete;
    Form1Services& operator=(const Form1Services&) = delete;

    MainServices Core(RunTrace* trace) {
        return {windows, clock, pump, messages, executor, registry, files, dialogs, *codePage, keys,
                capture, pimage, trace};
    }

    Win32EventPump pump;
    Win32WindowQueries windows;
    Win32Clock clock{&pump};  // a pick's wait for a repaint keeps the window answering
    Win32MessageBoxes messages;
    Win32Registry registry;
    Win32Files files;
    Win32FileDialogs dialogs;
    Win32WindowCapture capture;
    std::unique_ptr<CodePage936> codePage;  // Script files, whatever the system's
    std::unique_ptr<SystemCodePage> systemCodePage;  // what narrow messages carry
    // The editor's immediate sends wait plainly: nothing may edit under them.
    Win32KeyboardInput keyboard;
    KeySender keys{keyboard, *systemCodePage};
    // A run's waits (click hold, key delays) keep the window answering: Stop can be
    // chosen, and takes effect at the end of the step.
    Win32KeyboardInput runKeyboard{&pump};
    KeySender runKeys{runKeyboard, *systemCodePage};
    PictureBuffer pimage;  // the block captured last, shown as Pimage
    TargetActions executor{capture, runKeyboard, runKeys, pimage};
};

}  // namespace tavo
