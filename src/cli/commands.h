#pragma once
// The three commands over files: reading, printing and exit status.
#include <ostream>
#include <string>

namespace tavo::cli {

inline constexpr int kExitClean = 0;
inline constexpr int kExitProblems = 1;  // check found problems; convert refused its input
inline constexpr int kExitUsage = 2;     // bad arguments, or a file that cannot be read or written

int RunDump(const std::string& file, bool asJson, std::ostream& out, std::ostream& err);
int RunCheck(const std::string& file, std::ostream& out, std::ostream& err);
int RunConvert(const std::string& in, const std::string& outFile, std::ostream& err);

}  // namespace tavo::cli
