// Recognition against the practice target in another process, under the conditions Tavo
// meets: the block of one picture through the window capture, then its fingerprint, by
// the block-only path, by the whole-area path, and a bare 12 × 12 copy from the window's
// DC for scale. Prints medians and the ratios to the bare copy.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/acting/recognition.h"
#include "core/acting/target_actions.h"
#include "driver/practice.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/win32_window_capture.h"

namespace {

constexpr int kRuns = 40;
constexpr int kSide = 12;
// Picture P1's block, by its top-left corner in client pixels (docs/practice-target.md).
constexpr tavo::ClientPoint kBlock{94, 94};

double MedianMs(const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void BareBlockCopy(HWND window) {
    const tavo::WindowDc source(window);
    tavo::UniqueMemoryDc dc(CreateCompatibleDC(source.Get()));
    tavo::UniqueBitmap bitmap(CreateCompatibleBitmap(source.Get(), kSide, kSide));
    tavo::SelectionGuard selected(dc.Get(), bitmap.Get());
    BitBlt(dc.Get(), 0, 0, kSide, kSide, source.Get(), kBlock.x, kBlock.y, SRCCOPY);
}

bool Measure(int width, int height) {
    e2e::PracticeTarget target;
    e2e::TargetSetup setup;
    setup.title = L"Tavo benchmark target " + std::to_wstring(width);
    setup.className = L"TavoBenchTarget";
    setup.width = width;
    setup.height = height;
    target.Start(setup);
    const auto window = reinterpret_cast<tavo::WindowHandle>(target.Window());
    tavo::Win32WindowCapture capture;
    std::string fast, whole;
    const auto recognise = [&](auto capturer, std::string& fingerprint) {
        fingerprint = tavo::Fingerprint(capturer(capture, window, kBlock.x, kBlock.y, kSide, kSide, tavo::kTopLeft, false));
    };
    const double alone = MedianMs([&] { recognise(tavo::CaptureBlock, fast); });
    const double reference = MedianMs([&] { recognise(tavo::CaptureBlockFromWholeArea, whole); });
    const double bare = MedianMs([&] { BareBlockCopy(target.Window()); });
    RECT client{};
    GetClientRect(target.Window(), &client);
    std::printf("window %dx%d (client %ldx%ld): block alone %.3f ms = %.1f x bare, whole area %.3f ms = %.1f x bare, "
                "bare 12x12 copy %.3f ms; fingerprints %s\n",
                width, height, client.right, client.bottom, alone, alone / bare, reference, reference / bare, bare,
                fast == whole ? "identical" : "DIFFER");
    target.Close();
    return fast == whole;
}

// A tick's recognitions with ten held windows of 1920 × 1080, each recognising once, as a
// share of the one-second tick.
void MeasureTenWindows() {
    constexpr int kWindows = 10;
    std::vector<std::unique_ptr<e2e::PracticeTarget>> targets;
    for (int i = 0; i < kWindows; ++i) {
        e2e::TargetSetup setup;
        setup.title = L"Tavo benchmark target " + std::to_wstring(i);
        setup.className = L"TavoBenchTarget";
        setup.x = 10 * i;
        setup.y = 10 * i;
        setup.width = 1920;
        setup.height = 1080;
        targets.push_back(std::make_unique<e2e::PracticeTarget>());
        targets.back()->Start(setup);
    }
    tavo::Win32WindowCapture capture;
    const double tick = MedianMs([&] {
        for (const auto& t : targets) {
            const auto window = reinterpret_cast<tavo::WindowHandle>(t->Window());
            (void)tavo::Fingerprint(
                tavo::CaptureBlock(capture, window, kBlock.x, kBlock.y, kSide, kSide, tavo::kTopLeft, false));
        }
    });
    std::printf("ten held 1920x1080 windows, each recognising: %.3f ms = %.2f %% of the one-second tick\n", tick,
                tick / 10.0);
    for (const auto& t : targets) t->Close();
}

}  // namespace

int wmain() {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    bool same = true;
    try {
        same = Measure(800, 600) && same;
        same = Measure(1920, 1080) && same;
        MeasureTenWindows();
    } catch (const std::exception& e) {
        std::printf("benchmark failed: %s\n", e.what());
        return 1;
    }
    return same ? 0 : 1;
}
