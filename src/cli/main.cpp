// tavo-cli: inspect, check and convert Tavo Script files from the command line.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/commands.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "platform/win32/code_page.h"
#endif

namespace {

// The narrow arguments Windows passes are in the ANSI code page; the tool works in UTF-8.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        std::vector<std::string> args;
        for (int i = 0; i < count; ++i) args.push_back(tavo::WideToUtf8(wide[i]));
        LocalFree(wide);
        return args;
    }
#endif
    return std::vector<std::string>(argv, argv + argc);
}

int Run(std::vector<std::string> args) {
    using namespace tavo::cli;
    CLI::App app{"Shows, checks and converts Tavo Script files (.gmx).", "tavo-cli"};
    app.require_subcommand(1);
    app.allow_windows_style_options(false);  // "/tmp/a.gmx" is a path, not an option
    std::string file, in, out;
    bool asJson = false;
    CLI::App* dump =
        app.add_subcommand("dump", "Show the settings and the tree the program would load");
    dump->add_option("FILE", file, "Script file (.gmx)")->required();
    dump->add_flag("--json", asJson, "Print JSON instead of text");
    CLI::App* check =
        app.add_subcommand("check", "List what the program would refuse, drop or lose");
    check->add_option("FILE", file, "Script file (.gmx)")->required();
    CLI::App* convert = app.add_subcommand("convert", "Convert .gmx to JSON or JSON to .gmx");
    convert->add_option("IN", in, "Input file (.gmx or .json)")->required();
    convert->add_option("OUT", out, "Output file (.json or .gmx)")->required();
    try {
        // CLI11 takes the arguments last first, without the program name.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        if (!reversed.empty()) reversed.pop_back();
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? kExitClean : kExitUsage;  // help is not an error
    }
    if (dump->parsed()) return RunDump(file, asJson, std::cout, std::cerr);
    if (check->parsed()) return RunCheck(file, std::cout, std::cerr);
    if (convert->parsed()) return RunConvert(in, out, std::cerr);
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    try {
#ifdef _WIN32
        SetConsoleOutputCP(CP_UTF8);
#endif
        return Run(Arguments(argc, argv));
    } catch (const std::exception& e) {
        std::cerr << "tavo-cli: error: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "tavo-cli: error: unexpected failure\n";
    }
    return tavo::cli::kExitUsage;
}
