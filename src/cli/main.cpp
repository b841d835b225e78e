// tavo-cli: inspect, check and convert Tavo Script files, and show what the runner would
// type and recognise, from the command line.
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

struct Options {
    std::string file, in, out, text;
    bool asJson = false;
    int keyDelay = 0;
    tavo::cli::FingerprintQuery query;
    std::string against;
    std::string window;
    int ticks = 10;
};

struct Commands {
    CLI::App* dump;
    CLI::App* check;
    CLI::App* convert;
    CLI::App* keys;
    CLI::App* fingerprint;
    CLI::App* simulate;
    CLI::App* capture;
};

// Stored numbers are 16-bit in a Script; the same range is taken here.
const CLI::Range kInt16Range(-32768, 32767);

Commands AddFileCommands(CLI::App& app, Options& o) {
    Commands c{};
    c.dump = app.add_subcommand("dump", "Show the settings and the tree the program would load");
    c.dump->add_option("FILE", o.file, "Script file (.gmx)")->required();
    c.dump->add_flag("--json", o.asJson, "Print JSON instead of text");
    c.check = app.add_subcommand("check", "List what the program would refuse, drop or lose");
    c.check->add_option("FILE", o.file, "Script file (.gmx)")->required();
    c.convert = app.add_subcommand("convert", "Convert .gmx to JSON or JSON to .gmx");
    c.convert->add_option("IN", o.in, "Input file (.gmx or .json)")->required();
    c.convert->add_option("OUT", o.out, "Output file (.json or .gmx)")->required();
    return c;
}

void AddRunnerCommands(CLI::App& app, Options& o, Commands& c) {
    c.keys = app.add_subcommand("keys", "List the messages and key events a text would send");
    c.keys->add_option("TEXT", o.text, "Text as in an Instruction's pChar")->required();
    c.keys->add_option("--delay", o.keyDelay, "Key delay pDelay in ms (below 100 means 100)")
        ->check(kInt16Range)
        ->capture_default_str();
    c.fingerprint = app.add_subcommand(
        "fingerprint", "Show the fingerprint recognition computes at a point of a BMP image");
    c.fingerprint->add_option("IMAGE", o.file, "24- or 32-bit BMP of the client area")->required();
    c.fingerprint->add_option("X", o.query.x, "Recognition point x (pLocationX)")
        ->required()->check(kInt16Range);
    c.fingerprint->add_option("Y", o.query.y, "Recognition point y (pLocationy)")
        ->required()->check(kInt16Range);
    c.fingerprint
        ->add_option("--base", o.query.base, "Orientation code pLocationBase (1 = top-left)")
        ->check(kInt16Range)
        ->capture_default_str();
    c.fingerprint->add_option("--against", o.against, "Stored fingerprint pPicture (36 of 0/1)");
    c.simulate = app.add_subcommand(
        "simulate", "Run a Script against a screenshot of the target's client area and trace it");
    c.simulate->add_option("SCRIPT", o.file, "Script file (.gmx)")->required();
    c.simulate->add_option("--window", o.window, "24- or 32-bit BMP standing for the client area")
        ->required();
    c.simulate->add_option("--ticks", o.ticks, "One-second ticks to run")
        ->check(CLI::Range(1, 100000))
        ->capture_default_str();
#ifdef _WIN32
    c.capture = app.add_subcommand("capture", "Save a window's client area as Tavo captures it, as a BMP");
    c.capture->add_option("TITLE", o.text, "The window's title, exactly")->required();
    c.capture->add_option("OUT", o.out, "BMP file to write")->required();
#endif
}

int Dispatch(const Commands& c, Options& o) {
    using namespace tavo::cli;
    if (c.dump->parsed()) return RunDump(o.file, o.asJson, std::cout, std::cerr);
    if (c.check->parsed()) return RunCheck(o.file, std::cout, std::cerr);
    if (c.convert->parsed()) return RunConvert(o.in, o.out, std::cerr);
    if (c.keys->parsed()) return RunKeys(o.text, o.keyDelay, std::cout);
    if (c.fingerprint->parsed()) {
        if (c.fingerprint->count("--against") > 0) o.query.against = o.against;
        return RunFingerprint(o.file, o.query, std::cout, std::cerr);
    }
    if (c.simulate->parsed()) return RunSimulate(o.file, o.window, o.ticks, std::cout, std::cerr);
#ifdef _WIN32
    if (c.capture->parsed()) return RunCapture(o.text, o.out, std::cerr);
#endif
    return kExitUsage;
}

int Run(std::vector<std::string> args) {
    using namespace tavo::cli;
    CLI::App app{"Shows, checks and converts Tavo Script files (.gmx); lists what a text would "
                 "type and what recognition sees in a picture.",
                 "tavo-cli"};
    app.require_subcommand(1);
    app.allow_windows_style_options(false);  // "/tmp/a.gmx" is a path, not an option
    Options options;
    Commands commands = AddFileCommands(app, options);
    AddRunnerCommands(app, options, commands);
    try {
        // CLI11 takes the arguments last first, without the program name.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        if (!reversed.empty()) reversed.pop_back();
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? kExitClean : kExitUsage;  // help is not an error
    }
    return Dispatch(commands, options);
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
