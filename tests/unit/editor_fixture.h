#pragma once
// The editor's three parts wired to a recording host and the fakes, apart from the main
// controller.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/editor/field_editor.h"
#include "core/editor/tree_editor.h"
#include "core/editor/tree_pointer.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_services.h"
#include "script_builder.h"

namespace tavo::testing {

class FakeEditorHost : public EditorHost {
public:
    explicit FakeEditorHost(ScriptState& script) : script_(script) {}
    std::string keyword = "abc";
    WindowHandle first = 7;
    int resets = 0;
    int initializes = 0;
    std::vector<FocusTarget> focus;

    void ResetState() override {
        ++resets;
        script_.Tree().Clear();
        script_.ReleaseCurrentNode();
    }
    void RefreshRunButtons() override {}
    void InitializeInstruction() override { ++initializes; }
    void EnableInstructionButtons() override {}
    std::string KeywordText() const override { return keyword; }
    void Focus(FocusTarget target) override { focus.push_back(target); }
    WindowHandle FirstWindow() const override { return first; }

private:
    ScriptState& script_;
};

class EditorTest : public ::testing::Test {
protected:
    void Build(const std::vector<NodePlan>& plans, const std::string& current = "L1") {
        BuildScript(script, plans);
        script.SelectInstruction(script.Tree().Find(current));
        script.SetModified(false);
    }
    std::string CurrentKey() const {
        const ScriptNode* n = script.CurrentNode();
        return n ? n->key : "";
    }
    // The tree as "key:icon" in display order, children in brackets.
    std::string Shape() const { return Shape(script.Tree().TopLevel()); }
    static std::string Shape(const std::vector<ScriptNode*>& nodes) {
        std::string s;
        for (const ScriptNode* n : nodes) {
            if (!s.empty()) s.append(" ");
            s.append(n->key).append(":").append(std::to_string(n->icon));
            if (!n->children.empty()) s.append("[").append(Shape(n->children)).append("]");
        }
        return s;
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages.shown) texts.push_back(m.text);
        return texts;
    }

    ScriptState script;
    FakeEditorHost host{script};
    FakeMessages messages;
    std::unique_ptr<CodePage936> codePage = MakeCodePage936();
    FakeKeyboard keyboard;
    KeySender keys{keyboard, *codePage};
    FieldEditor fields{script, host, messages, *codePage, keys};
    TreeEditor editor{script, host, messages, fields};
    TreePointer pointer{script, host, messages, fields, editor};
};

}  // namespace tavo::testing
