#pragma once
// Where the programs under test are. The runner script (scripts/e2e.sh) sets the
// variables; without them the exes are taken from the build tree this test exe sits in.
//   TAVO_EXE             tavo.exe      (default: <this dir>\..\..\src\app\tavo.exe)
//   PRACTICE_TARGET_EXE  practice_target.exe (default: <this dir>\practice_target.exe)
//   E2E_WORKDIR          scratch folder for logs (default: %TEMP%\tavo-e2e)
#include <string>

namespace e2e {

std::wstring TavoExePath();
std::wstring PracticeTargetExePath();
std::wstring TavoCliExePath();  // TAVO_CLI_EXE (default: <this dir>\..\..\src\cli\tavo-cli.exe)
std::wstring WorkDir();  // created if missing

std::wstring DirectoryOf(const std::wstring& path);
bool FileExists(const std::wstring& path);
// A file name in the work folder that no earlier call of this process returned.
std::wstring FreshWorkFile(const std::wstring& stem, const std::wstring& extension);
std::string ReadWholeFile(const std::wstring& path);  // shared read; "" if unreadable
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);

// A new folder in the work folder holding a copy of tavo.exe; the path of that copy.
// Tavo reads and writes Scripts beside itself, so a test with files gets its own.
std::wstring FreshTavoFolder(const std::wstring& stem);

}  // namespace e2e
