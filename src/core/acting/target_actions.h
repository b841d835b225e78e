#pragma once
// Executing one Instruction against a target window: recognise, click, type.
#include "core/acting/instruction_executor.h"
#include "core/acting/key_sender.h"
#include "core/acting/picture_buffer.h"
#include "core/acting/recognition.h"
#include "platform/keyboard_input.h"
#include "platform/window_capture.h"

namespace tavo {

inline constexpr int kClickHoldMs = 100;

// The block of the window's client drawing whose reference point under `code` is (x, y).
// Where the window did not draw itself (a black surface) and plug-in windows are not
// required, the visible screen content is taken instead. An empty client area (a
// minimised window) gives a black block. Only the block is read, so its cost does not
// grow with the window.
Picture CaptureBlock(WindowCapture& capture, WindowHandle window, int x, int y, int width,
                     int height, int code, bool flashMode);
// The same block cut from copies of the whole client area: what CaptureBlock must equal,
// pixel for pixel (tests and benchmarks).
Picture CaptureBlockFromWholeArea(WindowCapture& capture, WindowHandle window, int x, int y,
                                  int width, int height, int code, bool flashMode);
// The 12 × 12 block centred on a recognition point stored as (x, y) under `code`: what a
// run compares and what a pick or a recording keeps.
Picture RecognitionBlock(WindowCapture& capture, WindowHandle window, int x, int y, int code,
                         bool flashMode);

// A left click at a client point, posted: the real pointer does not move.
void PostClick(KeyboardInput& input, WindowHandle window, ClientPoint point);

class TargetActions : public InstructionExecutor {
public:
    // Every block the runner captures goes into `pimage`.
    TargetActions(WindowCapture& capture, KeyboardInput& input, KeySender& keys, PictureBuffer& pimage)
        : capture_(capture), input_(input), keys_(keys), pimage_(pimage) {}

    bool ExecuteInstruction(const Instruction& instruction, const ExecutionTarget& target) override;
    ExecutionReport LastReport() const override { return report_; }

private:
    bool Recognise(const Instruction& in, WindowHandle window, bool flashMode);

    WindowCapture& capture_;
    KeyboardInput& input_;
    KeySender& keys_;
    PictureBuffer& pimage_;
    ExecutionReport report_;
};

}  // namespace tavo
