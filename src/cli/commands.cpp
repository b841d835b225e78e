#include "cli/commands.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "cli/bmp_reader.h"
#include "cli/bmp_writer.h"
#include "cli/check.h"
#include "cli/convert.h"
#include "cli/dump.h"
#include "cli/file_io.h"
#include "cli/json_mapping.h"
#include "cli/key_listing.h"
#include "cli/simulation.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/code_page.h"
#include "platform/win32/win32_window_capture.h"
#endif

namespace tavo::cli {
namespace {

enum class FileKind { Gmx, Json };

std::optional<FileKind> KindOf(const std::string& name) {
    const std::u8string raw = PathFromUtf8(name).extension().u8string();
    std::string extension;
    for (char8_t c : raw)
        extension += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".gmx") return FileKind::Gmx;
    if (extension == ".json") return FileKind::Json;
    return std::nullopt;
}

int Error(std::ostream& err, const std::string& message, int status) {
    err << "tavo-cli: error: " << message << "\n";
    return status;
}

void Warn(std::ostream& err, const std::string& message) {
    err << "tavo-cli: warning: " << message << "\n";
}

}  // namespace

int RunDump(const std::string& file, bool asJson, std::ostream& out, std::ostream& err) {
    try {
        const std::string bytes = ReadWholeFile(PathFromUtf8(file));
        const auto codePage = MakeCodePage936();
        if (asJson)
            out << DumpJson(*codePage, bytes).dump(2, ' ', false, Json::error_handler_t::replace)
                << "\n";
        else
            out << DumpText(*codePage, bytes);
        return kExitClean;
    } catch (const IoError& e) {
        return Error(err, e.what(), kExitUsage);
    }
}

int RunCheck(const std::string& file, std::ostream& out, std::ostream& err) {
    try {
        const std::string bytes = ReadWholeFile(PathFromUtf8(file));
        const auto codePage = MakeCodePage936();
        const std::vector<Finding> findings = CheckScript(*codePage, bytes);
        for (const Finding& finding : findings) out << FormatFinding(finding) << "\n";
        return findings.empty() ? kExitClean : kExitProblems;
    } catch (const IoError& e) {
        return Error(err, e.what(), kExitUsage);
    }
}

int RunConvert(const std::string& in, const std::string& outFile, std::ostream& err) {
    const auto from = KindOf(in);
    const auto to = KindOf(outFile);
    if (!from || !to || *from == *to)
        return Error(err, "convert needs one .gmx and one .json file (chosen by their endings)",
                     kExitUsage);
    try {
        const std::string bytes = ReadWholeFile(PathFromUtf8(in));
        const auto codePage = MakeCodePage936();
        const Converted converted =
            *from == FileKind::Gmx ? GmxToJson(*codePage, bytes) : JsonToGmx(*codePage, bytes);
        for (const std::string& warning : converted.warnings) Warn(err, warning);
        // A valid JSON file can still make a Script the program would load differently.
        if (*to == FileKind::Gmx)
            for (const Finding& finding : CheckScript(*codePage, converted.output))
                Warn(err, FormatFinding(finding));
        WriteFileAtomically(PathFromUtf8(outFile), converted.output);
        return kExitClean;
    } catch (const InputError& e) {
        return Error(err, in + ": " + e.what(), kExitProblems);
    } catch (const IoError& e) {
        return Error(err, e.what(), kExitUsage);
    }
}

int RunKeys(const std::string& text, int keyDelay, std::ostream& out) {
    const auto codePage = MakeCodePage936();
    ListKeys(text, keyDelay, SystemScanCode, *codePage, out);
    return kExitClean;
}

int RunFingerprint(const std::string& image, const FingerprintQuery& query, std::ostream& out,
                   std::ostream& err) {
    if (query.against && !IsFingerprintText(*query.against))
        return Error(err, "--against needs exactly 36 characters of 0 and 1", kExitUsage);
    try {
        const Picture client = ReadBmp(ReadWholeFile(PathFromUtf8(image)));
        return ReportFingerprint(client, query, out) ? kExitClean : kExitProblems;
    } catch (const BmpError& e) {
        return Error(err, image + ": " + e.what(), kExitUsage);
    } catch (const IoError& e) {
        return Error(err, e.what(), kExitUsage);
    }
}

int RunSimulate(const std::string& script, const std::string& image, int ticks, std::ostream& out,
                std::ostream& err) {
    try {
        const std::string bytes = ReadWholeFile(PathFromUtf8(script));
        const Picture window = ReadBmp(ReadWholeFile(PathFromUtf8(image)));
        const std::string name = image.substr(image.find_last_of("/\\") + 1);
        const SimulationOutcome outcome = Simulate(bytes, window, ticks, name, out);
        return outcome.everyPictureFound ? kExitClean : kExitProblems;
    } catch (const BmpError& e) {
        return Error(err, image + ": " + e.what(), kExitUsage);
    } catch (const IoError& e) {
        return Error(err, e.what(), kExitUsage);
    }
}

#ifdef _WIN32
int RunCapture(const std::string& title, const std::string& outFile, std::ostream& err) {
    const HWND window = FindWindowW(nullptr, Utf8ToWide(title).c_str());
    if (!window) return Error(err, "no window titled \"" + title + "\"", kExitUsage);
    Win32WindowCapture capture;
    const auto handle = reinterpret_cast<WindowHandle>(window);
    Picture client = capture.PrintClient(handle);
    // Wine leaves another process's print black: the screen shows the window then.
    const auto isBlack = [](std::uint32_t pixel) { return pixel == 0; };
    const bool drawn = !std::all_of(client.pixels.begin(), client.pixels.end(), isBlack);
    if (!drawn) client = capture.CopyClientFromScreen(handle);
    if (client.width == 0 || client.height == 0)
        return Error(err, "\"" + title + "\" has no client area to capture", kExitUsage);
    try {
        WriteFileAtomically(PathFromUtf8(outFile), WriteBmp(client));
    } catch (const IoError& e) {
        return Error(err, e.what(), kExitUsage);
    }
    return kExitClean;
}
#endif

}  // namespace tavo::cli
