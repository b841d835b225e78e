#include "cli/dump.h"

#include <sstream>

#include "core/model/instruction_fields.h"
#include "cli/load_simulation.h"

namespace tavo::cli {
namespace {

constexpr const char* kSettingNames[kHeaderFieldCount] = {"keyword", "minWidth", "minHeight",
                                                          "windowCount", "windowKind"};

std::string Quote(const std::string& text) {
    return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The fifth field as the reader takes it: "flash", "other" or null when not a number.
Json KindOf(const std::string& field) {
    const auto flag = ReadKindFlag(field);
    if (!flag) return nullptr;
    return *flag ? "other" : "flash";
}

Json SettingsJson(const LoadView& view) {
    Json settings = Json::object();
    for (std::size_t i = 0; i < kHeaderFieldCount; ++i) {
        Json value = nullptr;  // not read
        if (i < view.headerFields.size())
            value = i + 1 == kHeaderFieldCount ? KindOf(view.headerFields[i])
                                               : Json(view.headerFields[i]);
        settings[kSettingNames[i]] = value;
    }
    return settings;
}

// Where the load ends early or what it leaves out, in reading order.
std::vector<std::string> StopNotes(const LoadView& view) {
    std::vector<std::string> notes;
    const int total = static_cast<int>(view.records.size());
    if (view.kindStopsLoad)
        notes.push_back("the load stops before any record: the fifth header field " +
                        Quote(view.headerFields.back()) + " is not a number");
    if (view.rebuild.problem != RecordProblem::None) {
        const int at = view.rebuild.problemRecord;
        notes.push_back("the rebuild stops at record " + std::to_string(at) + ": " +
                        ProblemText(view.rebuild.problem, at, view.records) +
                        " (not loaded: " + RecordRange(at, total) + ")");
    } else if (!view.kindStopsLoad && view.reached < total) {
        notes.push_back("reading stops after record 230 (never read: " +
                        RecordRange(kMaxRecords + 1, total) + ")");
    }
    if (view.trailingBytes > 0)
        notes.push_back("a partial block of " + std::to_string(view.trailingBytes) +
                        " bytes at the end is ignored");
    if (!view.kindStopsLoad && view.records.empty())
        notes.push_back("no record: the program finds no valid Instruction");
    return notes;
}

Json NodeJson(const ScriptTree& tree, const ScriptNode& node) {
    Json children = Json::array();
    for (const ScriptNode* child : node.children) children.push_back(NodeJson(tree, *child));
    return Json{{"record", tree.IndexOf(&node)},
                {"icon", node.icon},
                {"instruction", InstructionToJson(RecordOf(node))},
                {"children", children}};
}

void NodeText(const ScriptTree& tree, const ScriptNode& node, int depth, std::ostream& out) {
    const std::string indent(static_cast<std::size_t>(depth) * 2 + 2, ' ');
    const Instruction record = RecordOf(node);
    out << indent << node.key << " " << Quote(node.caption) << "  icon " << node.icon << "  record "
        << tree.IndexOf(&node) << "\n"
        << indent << "  ";
    const char* separator = "";
    for (const IntField& field : kIntFields) {
        out << separator << field.name << "=" << record.*field.member;
        separator = " ";
    }
    out << "\n" << indent << "  ";
    separator = "";
    for (const TextField& field : kTextFields) {
        out << separator << field.name << "=" << Quote(WithoutPadding(record.*field.member));
        separator = " ";
    }
    out << "\n";
    for (const ScriptNode* child : node.children) NodeText(tree, *child, depth + 1, out);
}

void SettingsText(const LoadView& view, std::ostream& out) {
    out << "Settings, as the program reads them:\n";
    for (std::size_t i = 0; i < kHeaderFieldCount; ++i) {
        out << "  " << kSettingNames[i] << ": ";
        if (i >= view.headerFields.size()) {
            out << "(not read)\n";
            continue;
        }
        out << Quote(view.headerFields[i]);
        if (i + 1 == kHeaderFieldCount) {
            const Json kind = KindOf(view.headerFields[i]);
            out << (kind.is_null() ? " (not a number)"
                                   : " (" + kind.get<std::string>() + " windows)");
        }
        out << "\n";
    }
}

}  // namespace

std::string DumpText(CodePage936& codePage, std::string_view file) {
    ScriptTree tree;
    const LoadView view = SimulateLoad(codePage, file, tree);
    std::ostringstream out;
    SettingsText(view, out);
    out << "Tree: " << tree.Count() << " of " << view.records.size() << " records placed\n";
    for (const ScriptNode* node : tree.TopLevel()) NodeText(tree, *node, 0, out);
    for (const std::string& note : StopNotes(view)) out << "Note: " << note << "\n";
    return out.str();
}

Json DumpJson(CodePage936& codePage, std::string_view file) {
    ScriptTree tree;
    const LoadView view = SimulateLoad(codePage, file, tree);
    Json nodes = Json::array();
    for (const ScriptNode* node : tree.TopLevel()) nodes.push_back(NodeJson(tree, *node));
    Json notes = Json::array();
    for (const std::string& note : StopNotes(view)) notes.push_back(note);
    return Json{{"settings", SettingsJson(view)},
                {"records", view.records.size()},
                {"placed", tree.Count()},
                {"tree", nodes},
                {"notes", notes}};
}

}  // namespace tavo::cli
