#pragma once
// The editor's three parts wired to the model's rooms, counting fakes of the run buttons
// and the state reset, and fakes of the platform, apart from the main window's core.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/editor/field_editor.h"
#include "core/editor/tree_editor.h"
#include "core/editor/tree_pointer.h"
#include "core/model/settings_panel.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_services.h"
#include "fakes/fake_storage.h"
#include "script_builder.h"

namespace tavo::testing {

// The run buttons' refreshes and the state resets, counted.
class CountingRoom : public RunButtons, public StateResetListener {
public:
    int refreshes = 0;
    int resets = 0;
    void RefreshRunButtons() override { ++refreshes; }
    void ApplyWindowCount() override { ++refreshes; }
    void ResetRoomState() override { ++resets; }
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

    // Captions of new Instructions start with the keyword "abc".
    EditorTest() {
        settings.AddResetListener(room);
        settings.SetBox(SettingsBox::Name_txt, "abc");
        room.resets = 0;
        script.SetModified(false);
    }

    ScriptState script;
    WorkingState state;
    CommandState commands;
    Journal journal;
    FakeRegistry registry;
    FakeMessages messages;
    FakeClock clock;
    SettingsPanel settings{{state, script, commands, journal, registry, messages, clock}, {}, "C:\\Tavo"};
    CountingRoom room;
    FocusRequest focus;
    std::unique_ptr<CodePage936> codePage = MakeCodePage936();
    FakeKeyboard keyboard;
    KeySender keys{keyboard, *codePage};
    FieldEditor fields{script, commands, focus, room, messages, *codePage, keys};
    TreeEditor editor{{script, settings, commands, focus, room, messages}, fields};
    TreePointer pointer{script, room, messages, *codePage, fields, editor};
};

}  // namespace tavo::testing
