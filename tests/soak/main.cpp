// The soak (scripts/soak.sh, docs/SOAK.md): Tavo runs a Script against practice targets
// that appear, move and close at random, while its process is sampled; the run fails
// when a measure grew by more than 5 % after the second minute or Tavo stopped answering.
//
//   tavo_soak MINUTES SCRIPT CSV [--seed N] [--interval SECONDS] [--targets N]
//
// Exit status 0 when it held, 1 when it failed, 2 on bad usage, 3 when the soak itself
// could not run (Tavo or the targets did not start).
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <stdexcept>
#include <string>

#include "crowd.h"
#include "driver/paths.h"
#include "driver/tavo_app.h"
#include "report.h"
#include "soak_loop.h"

namespace {

using tavo::soak::SoakOptions;

constexpr double kMinMinutes = 3;  // the baseline needs the second minute and time after it

std::optional<SoakOptions> ParseOptions(int argc, wchar_t** argv) {
    if (argc < 4 || (argc - 4) % 2 != 0) return std::nullopt;
    SoakOptions o;
    o.minutes = std::wcstod(argv[1], nullptr);
    o.script = argv[2];
    o.csv = argv[3];
    o.seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int i = 4; i < argc; i += 2) {
        const std::wstring name = argv[i], value = argv[i + 1];
        if (name == L"--seed") {
            o.seed = static_cast<std::uint32_t>(std::wcstoul(value.c_str(), nullptr, 10));
        } else if (name == L"--interval") {
            o.intervalSeconds = std::wcstod(value.c_str(), nullptr);
        } else if (name == L"--targets") {
            o.maxTargets = std::wcstol(value.c_str(), nullptr, 10);
        } else {
            return std::nullopt;
        }
    }
    if (o.minutes < kMinMinutes || o.intervalSeconds < 1 || o.maxTargets < 2) return std::nullopt;
    return o;
}

int Soak(const SoakOptions& options) {
    std::printf(
        "seed %u (repeat with --seed %u), %.1f minutes, a sample every %.0f s, up to %d targets\n",
        options.seed, options.seed, options.minutes, options.intervalSeconds, options.maxTargets);
    tavo::soak::TargetCrowd crowd(options.seed, options.maxTargets);
    // Two targets before Tavo starts, so that it holds a window and its Run button works.
    for (int tries = 0; tries < 4 && crowd.OpenCount() < 2; ++tries) crowd.OpenOverProbe();
    if (crowd.OpenCount() == 0) {
        std::printf("tavo_soak: no practice target started\n");
        return 3;
    }
    e2e::TavoApp app;
    app.Start(e2e::TavoExePath(), {options.script});
    if (!tavo::soak::StartRun(app)) return 3;
    const tavo::soak::SoakRecord record = tavo::soak::RunSoak(options, app, crowd);
    const bool held = tavo::soak::Report(record);
    app.Kill();
    return held ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const auto options = ParseOptions(argc, argv);
    if (!options) {
        std::printf(
            "usage: tavo_soak MINUTES SCRIPT CSV [--seed N] [--interval SECONDS] [--targets N]\n"
            "       MINUTES at least %.0f, SECONDS at least 1, N targets at least 2\n",
            kMinMinutes);
        return 2;
    }
    try {
        return Soak(*options);
    } catch (const std::exception& e) {
        std::printf("tavo_soak: %s\n", e.what());
        return 3;
    }
}
