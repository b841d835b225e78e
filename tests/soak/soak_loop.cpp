#include "soak_loop.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "driver/poll.h"
#include "driver/text.h"

namespace tavo::soak {
namespace {

using e2e::PollUntil;
using std::chrono::milliseconds;

constexpr UINT kAnswerTimeoutMs = 5000;
constexpr wchar_t kFaultMarker[] = L"执行出错";

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenForWriting(const std::wstring& path) {
    File file(_wfopen(path.c_str(), L"w"));
    if (!file) throw std::runtime_error("cannot write " + e2e::Narrow(path));
    return file;
}

std::string Cell(std::optional<double> value) {
    return value ? std::to_string(static_cast<long long>(*value)) : std::string();
}

void WriteRow(std::FILE* csv, const ProcessSample& s, int open, const InputCounts& in) {
    std::fprintf(csv, "%.1f,%s,%s,%s,%s,%s,%d,%d,%d,%zu,%zu,%zu\n", s.seconds,
                 Cell(s.privateBytes).c_str(), Cell(s.handles).c_str(), Cell(s.gdiObjects).c_str(),
                 Cell(s.userObjects).c_str(), Cell(s.windows).c_str(), s.alive ? 1 : 0,
                 s.answered ? 1 : 0, open, in.clicks, in.characters, in.keys);
    std::fflush(csv);
}

void PrintProgress(const ProcessSample& s, int open, const InputCounts& in) {
    const int minutes = static_cast<int>(s.seconds) / 60,
              seconds = static_cast<int>(s.seconds) % 60;
    std::printf(
        "%3d:%02d  private %s  handles %s  GDI %s  USER %s  windows %s  %s  targets %d  clicks %zu "
        " "
        "chars %zu\n",
        minutes, seconds, FormatBytes(s.privateBytes).c_str(), FormatCount(s.handles).c_str(),
        FormatCount(s.gdiObjects).c_str(), FormatCount(s.userObjects).c_str(),
        FormatCount(s.windows).c_str(),
        !s.alive     ? "ENDED"
        : s.answered ? "answers"
                     : "NOT ANSWERING",
        open, in.clicks, in.characters);
    std::fflush(stdout);
}

int CountFaultLines(const e2e::TavoApp& app) {
    int n = 0;
    for (const std::wstring& line : app.JournalLines())
        n += line.find(kFaultMarker) != std::wstring::npos;
    return n;
}

bool StopRun(const e2e::TavoApp& app) {
    if (!app.ClickButton(e2e::kButtonStop)) return false;
    return PollUntil([&] { return app.Button(e2e::kButtonRun).enabled; },
                     [](bool on) { return on; }, milliseconds(10000))
        .ok;
}

}  // namespace

bool StartRun(const e2e::TavoApp& app) {
    const auto ready = PollUntil([&] { return app.Button(e2e::kButtonRun).enabled; },
                                 [](bool on) { return on; }, milliseconds(30000));
    if (!ready.ok) {
        std::printf("tavo_soak: Tavo's Run button stayed disabled (%s)\n",
                    e2e::Narrow(app.Label1Text()).c_str());
        return false;
    }
    app.ClickButton(e2e::kButtonRun);
    const auto running = PollUntil([&] { return app.Button(e2e::kButtonStop).enabled; },
                                   [](bool on) { return on; }, milliseconds(10000));
    if (!running.ok) std::printf("tavo_soak: the run did not start\n");
    return running.ok;
}

SoakRecord RunSoak(const SoakOptions& options, const e2e::TavoApp& app, TargetCrowd& crowd) {
    const File csv = OpenForWriting(options.csv);
    const File events = OpenForWriting(options.csv + L".events.txt");
    std::fprintf(csv.get(),
                 "seconds,private_bytes,handles,gdi_objects,user_objects,windows,alive,answered,"
                 "targets_open,clicks,characters,keys\n");
    const auto start = e2e::Clock::now();
    const auto since = [&] {
        return std::chrono::duration<double>(e2e::Clock::now() - start).count();
    };
    const double duration = options.minutes * 60;
    double nextSample = 0, nextChange = crowd.NextPause();
    SoakRecord record;
    for (;;) {
        if (since() >= nextSample) {
            crowd.Tally().Update();
            const ProcessSample s =
                SampleProcess(app.Proc().Handle(), app.Main(), since(), kAnswerTimeoutMs);
            record.samples.push_back(s);
            WriteRow(csv.get(), s, crowd.OpenCount(), crowd.Tally().Counts());
            const bool lastOne = nextSample >= duration || !s.alive;
            if (static_cast<int>(nextSample) % 60 == 0 || !s.answered || lastOne)
                PrintProgress(s, crowd.OpenCount(), crowd.Tally().Counts());
            if (lastOne) break;
            nextSample = std::min(nextSample + options.intervalSeconds, duration);
        } else if (since() >= nextChange) {
            const std::string what = crowd.Act();
            std::fprintf(events.get(), "%.1f %s\n", since(), what.c_str());
            std::fflush(events.get());
            nextChange = since() + crowd.NextPause();
        }
        const double wait = std::min(nextSample, nextChange) - since();
        Sleep(static_cast<DWORD>(std::clamp(wait, 0.05, 1.0) * 1000));
    }
    record.stopped = record.samples.back().alive && StopRun(app);
    record.faultLines = CountFaultLines(app);
    crowd.CloseAll();
    crowd.Tally().Update();
    record.input = crowd.Tally().Counts();
    record.crowd = crowd.Counts();
    return record;
}

}  // namespace tavo::soak
