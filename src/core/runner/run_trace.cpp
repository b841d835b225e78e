#include "core/runner/run_trace.h"

#include <cstdio>

#include "core/model/run_log.h"

namespace tavo {
namespace {

std::string Point(ClientPoint p) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "(%d,%d)", p.x, p.y);
    return buffer;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Hex(WindowHandle window) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%llX", static_cast<unsigned long long>(window));
    return buffer;
}

std::string Recognition(const ExecutionReport::Recognition& r) {
    char agreement[48];
    std::snprintf(agreement, sizeof agreement, " %d/%zu %d%%", r.agreeing, r.stored.size(), r.percent);
    std::string text = "  at ";
    text += Point(r.point);
    text += " seen ";
    text += r.seen.empty() ? "-" : r.seen;
    text += " stored ";
    text += r.stored.empty() ? "-" : r.stored;
    return text + agreement;
}

}  // namespace

std::string FormatTraceLine(const TraceEntry& e) {
    const StepRecord& s = e.step;
    std::string line = FormatDate(e.time) + " " + LogTime(e.time) + "  slot " + std::to_string(e.slot) +
                       "  window " + Hex(e.window) + " " + Quoted(e.title) + "  " + s.key + " " +
                       Quoted(s.caption);
    if (s.report.recognition) line += Recognition(*s.report.recognition);
    line += s.ok ? "  hit" : "  miss";
    if (s.report.click) line += "  click " + Point(*s.report.click);
    if (!s.report.text.empty()) line += "  text " + Quoted(s.report.text);
    line += "  next " + (s.nextKey.empty() ? std::string("-") : s.nextKey);
    if (s.pause > 0) line += "  pause " + std::to_string(s.pause) + "s";
    return line;
}

}  // namespace tavo
