// A run's waits keep Tavo's window answering: during a long key delay the window takes
// messages and Stop, which ends the run when the step under way has finished.
#include "tavo_actions_fixture.h"

namespace e2e {
namespace {

using TavoResponsive = TavoActionsTest;

constexpr DWORD kAnswerWithinMs = 200;

std::vector<std::string> PostedBriefs(const PracticeTarget& target) {
    return Briefs(PostedInput(ParseInput(target.LogLines())));
}

TEST_F(TavoResponsive, TheWindowAnswersDuringAKeyDelayAndStopActsAtTheEndOfTheStep) {
    ASSERT_NO_FATAL_FAILURE(StartTarget(L"normal"));
    const GmxRecord slow{.pDelay = 5000, .NodeKey = L"L1", .NodeText = L"慢键", .pChar = L"/*F5*/"};
    const GmxRecord next{.NodeKey = L"L2", .NodeText = L"下一个", .pChar = L"/*F6*/"};
    ASSERT_NO_FATAL_FAILURE(StartTavoWithScript({slow, next}, {{0, L"慢键"}, {0, L"下一个"}}));
    ASSERT_TRUE(app.ChooseRun()) << "控制(&C) did not open";

    const std::vector<std::string> f5 = KeyStroke(VK_F5), f6 = KeyStroke(VK_F6);
    const auto pressed = PollUntil([&] { return PostedBriefs(target); },
                                   [](const auto& posted) { return !posted.empty(); }, milliseconds(10000));
    ASSERT_EQ(pressed.last, std::vector<std::string>{f5[0]}) << "posted:" << Join(pressed.last);

    // Five seconds of key delay lie ahead: the window answers and takes Stop meanwhile.
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutW(app.Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerWithinMs, &result), 0u)
        << "Tavo's window did not answer within " << kAnswerWithinMs << " ms";
    ASSERT_TRUE(app.ClickButton(kButtonStop));
    const auto stopped = PollUntil([&] { return app.Button(kButtonRun).enabled; }, [](bool on) { return on; },
                                   milliseconds(2000));
    EXPECT_TRUE(stopped.ok) << "Stop not taken during the step";
    EXPECT_EQ(PostedBriefs(target).size(), 1u) << "the key delay ended before Stop was taken";

    // The step runs to its end (F5 released, then L2), and the run is over after it.
    std::vector<std::string> whole = f5;
    Append(whole, f6);
    const auto ended = PollUntil([&] { return PostedBriefs(target); },
                                 [&](const auto& posted) { return posted.size() >= whole.size(); },
                                 milliseconds(8000));
    EXPECT_EQ(ended.last, whole) << "posted:" << Join(ended.last);
    const auto more = PollUntil([&] { return PostedBriefs(target).size(); },
                                [&](size_t n) { return n > whole.size(); }, milliseconds(2500));
    EXPECT_FALSE(more.ok) << "the run went on after its step: " << Join(PostedBriefs(target));
}

}  // namespace
}  // namespace e2e
