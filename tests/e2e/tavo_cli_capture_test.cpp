// tavo-cli capture and simulate together: the practice target's client area saved as Tavo
// captures it, then a Script run against that picture without any window, as
// docs/tavo-cli.md shows them.
#include <gtest/gtest.h>

#include "core/acting/recognition.h"
#include "documented_pictures.h"
#include "driver/gmx_image.h"
#include "driver/paths.h"
#include "driver/practice.h"
#include "driver/process.h"
#include "driver/text.h"

namespace e2e {
namespace {

TEST(TavoCliCapture, ACapturedTargetLetsASimulatedRunFindItsPictureWithoutAnyWindow) {
    PracticeTarget target;
    TargetSetup setup;
    setup.title = L"Tavo capture target";
    setup.x = 700;
    setup.y = 240;
    target.Start(setup);
    const std::wstring shot = FreshWorkFile(L"capture", L".bmp");
    const auto captured = RunConsole(TavoCliExePath(), {L"capture", setup.title, shot});
    target.Kill();
    ASSERT_TRUE(captured && captured->exitCode == 0) << (captured ? captured->output : "<no exit>");

    // P1 where the practice target draws it, then P3 elsewhere: one hit, one miss.
    const auto recognising = [](const DocumentedGrid& at, const DocumentedGrid& picture, const wchar_t* key) {
        return GmxRecord{.pLocationX = static_cast<std::int16_t>(at.centre.x),
                         .pLocationy = static_cast<std::int16_t>(at.centre.y),
                         .pLocationBase = tavo::kTopLeft,
                         .NodeKey = key,
                         .NodeText = key,
                         .pChar = L"x",
                         .pPicture = Widen(GridFingerprint(picture))};
    };
    const std::wstring script = FreshWorkFile(L"simulated", L".gmx");
    ASSERT_TRUE(WriteWholeFile(script, GmxImage(L"practice|400|300|1|1|",
                                                {recognising(kGrids[0], kGrids[0], L"L1")})));
    const auto hit = RunConsole(TavoCliExePath(), {L"simulate", script, L"--window", shot, L"--ticks", L"3"});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->exitCode, 0u) << hit->output;
    EXPECT_NE(hit->output.find("L1 \"L1\"  at (" + std::to_string(kGrids[0].centre.x) + "," +
                               std::to_string(kGrids[0].centre.y) + ")"),
              std::string::npos) << hit->output;
    EXPECT_NE(hit->output.find(" 36/36 100%  hit"), std::string::npos) << hit->output;

    ASSERT_TRUE(WriteWholeFile(script, GmxImage(L"practice|400|300|1|1|",
                                                {recognising(kGrids[0], kGrids[2], L"L1")})));
    const auto miss = RunConsole(TavoCliExePath(), {L"simulate", script, L"--window", shot, L"--ticks", L"3"});
    ASSERT_TRUE(miss);
    EXPECT_EQ(miss->exitCode, 1u) << "a picture never found must say so";
    EXPECT_NE(miss->output.find("  miss  "), std::string::npos) << miss->output;
}

}  // namespace
}  // namespace e2e
