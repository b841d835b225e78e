#include "report.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "growth.h"

namespace tavo::soak {
namespace {

struct Measure {
    std::string name;
    std::function<std::optional<double>(const ProcessSample&)> read;
    std::function<std::string(std::optional<double>)> format;
};

// The call a measure came from, when the system had more than one.
std::string From(const char* source) {
    return *source ? std::string(" (") + source + ")" : std::string();
}

std::string Percent(const Growth& g) {
    if (g.outcome == Growth::Outcome::NotReported || g.outcome == Growth::Outcome::TooShort)
        return "-";
    if (std::isinf(g.percent)) return "from 0";
    char text[32];
    std::snprintf(text, sizeof text, "%+.2f %%", g.percent);
    return text;
}

// One line per measure; false when one grew too much or could not be judged.
bool ReportGrowth(const std::vector<ProcessSample>& samples) {
    const ProcessSample& first = samples.front();  // taken alive, with its sources
    const Measure measures[] = {
        {"private memory" + From(first.privateFrom),
         [](const ProcessSample& s) { return s.privateBytes; }, FormatBytes},
        {"handles" + From(first.handlesFrom), [](const ProcessSample& s) { return s.handles; },
         FormatCount},
        {"GDI objects", [](const ProcessSample& s) { return s.gdiObjects; }, FormatCount},
        {"USER objects", [](const ProcessSample& s) { return s.userObjects; }, FormatCount},
        {"windows", [](const ProcessSample& s) { return s.windows; }, FormatCount},
    };
    std::printf("%-38s %14s %14s %10s  %s\n", "measure", "start (min 2)", "end", "growth",
                "verdict");
    bool held = true;
    for (const Measure& m : measures) {
        std::vector<Reading> readings;
        for (const ProcessSample& s : samples) readings.push_back({s.seconds, m.read(s)});
        const Growth g = JudgeGrowth(readings);
        const bool judged = g.outcome != Growth::Outcome::NotReported;
        std::printf("%-38s %14s %14s %10s  %s\n", m.name.c_str(),
                    judged ? m.format(g.start).c_str() : "-",
                    judged ? m.format(g.end).c_str() : "-", Percent(g).c_str(),
                    OutcomeName(g.outcome).c_str());
        held = held &&
               (g.outcome == Growth::Outcome::Within || g.outcome == Growth::Outcome::NotReported);
    }
    return held;
}

}  // namespace

bool Report(const SoakRecord& record) {
    std::printf("\n");
    if (record.samples.empty()) return false;
    bool held = ReportGrowth(record.samples);
    int unanswered = 0;
    for (const ProcessSample& s : record.samples) unanswered += !s.answered;
    const bool ended = !record.samples.empty() && !record.samples.back().alive;
    std::printf("samples: %zu, Tavo did not answer at %d of them%s\n", record.samples.size(),
                unanswered, ended ? "; Tavo's process ENDED" : "");
    std::printf("targets: %d opened, %d moved, %d closed, %d failed to start\n",
                record.crowd.opened, record.crowd.moved, record.crowd.closed,
                record.crowd.failedStarts);
    std::printf("the targets received from Tavo: %zu clicks, %zu characters, %zu key strokes\n",
                record.input.clicks, record.input.characters, record.input.keys);
    std::printf("Tavo's run log: %d fault lines; the run %s\n", record.faultLines,
                record.stopped ? "stopped on its Stop button" : "could NOT be stopped");
    // A soak in which Tavo did nothing measured nothing.
    const bool worked = record.input.clicks > 0 && record.input.characters > 0;
    if (!worked) std::printf("Tavo clicked or typed nothing: the soak measured nothing\n");
    held = held && unanswered == 0 && !ended && worked && record.stopped;
    std::printf("verdict: %s\n", held ? "HELD" : "FAILED");
    return held;
}

}  // namespace tavo::soak
