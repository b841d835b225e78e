#pragma once
// The commands: reading, printing and exit status.
#include <ostream>
#include <string>

#include "cli/fingerprint_report.h"

namespace tavo::cli {

inline constexpr int kExitClean = 0;
// check found problems; convert refused its input; fingerprint --against did not match
inline constexpr int kExitProblems = 1;
// bad arguments, or a file that cannot be read or written (or is no readable BMP)
inline constexpr int kExitUsage = 2;

int RunDump(const std::string& file, bool asJson, std::ostream& out, std::ostream& err);
int RunCheck(const std::string& file, std::ostream& out, std::ostream& err);
int RunConvert(const std::string& in, const std::string& outFile, std::ostream& err);
int RunKeys(const std::string& text, int keyDelay, std::ostream& out);
int RunFingerprint(const std::string& image, const FingerprintQuery& query, std::ostream& out,
                   std::ostream& err);
#ifdef _WIN32
// Saves the client area of the window titled `title` as Tavo captures it (the window's own
// drawing, the screen's where that is all black) to a BMP.
int RunCapture(const std::string& title, const std::string& outFile, std::ostream& err);
#endif
// Exit 0 when every recognising Instruction found its picture at least once, 1 otherwise.
int RunSimulate(const std::string& script, const std::string& image, int ticks, std::ostream& out,
                std::ostream& err);

}  // namespace tavo::cli
