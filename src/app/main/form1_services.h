#pragma once
// The Win32 services the main window's core works through, and what acts on the target
// windows; made once with the window.
#include <memory>

#include "core/main/main_rooms.h"
#include "core/acting/key_sender.h"
#include "core/acting/picture_buffer.h"
#include "core/acting/target_actions.h"
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
    Form1Services() : codePage(MakeCodePage936()) {}
    Form1Services(const Form1Services&) = delete;
    Form1Services& operator=(const Form1Services&) = delete;

    MainServices Core(RunTrace* trace) {
        return {windows, clock, pump, messages, executor, registry, files, dialogs, *codePage, keys,
                capture, pimage, trace};
    }

    Win32WindowQueries windows;
    Win32Clock clock;
    Win32EventPump pump;
    Win32MessageBoxes messages;
    Win32Registry registry;
    Win32Files files;
    Win32FileDialogs dialogs;
    Win32WindowCapture capture;
    Win32KeyboardInput keyboard;
    std::unique_ptr<CodePage936> codePage;
    KeySender keys{keyboard, *codePage};
    PictureBuffer pimage;  // the block captured last, shown as Pimage
    TargetActions executor{capture, keyboard, keys, pimage};
};

}  // namespace tavo
