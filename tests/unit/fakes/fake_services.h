#pragma once
// Recording fakes of the clock, the event pump, message boxes and the executor.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/model/instruction.h"
#include "core/acting/instruction_executor.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/message_boxes.h"

namespace tavo::testing {

class FakeClock : public Clock {
public:
    LocalDateTime now{2026, 12, 6, 21, 15, 3};
    std::int64_t monotonicMs = 100'000;

    LocalDateTime Now() override { return now; }
    std::int64_t MonotonicMilliseconds() override { return monotonicMs; }
    void Sleep(int ms) override { monotonicMs += ms; }
    void AdvanceMs(std::int64_t ms) { monotonicMs += ms; }
};

class FakePump : public EventPump {
public:
    int calls = 0;
    // Runs on the given pump call (1-based), standing for an event that arrives then.
    std::map<int, std::function<void()>> events;

    void ProcessPendingEvents() override {
        ++calls;
        if (auto it = events.find(calls); it != events.end()) it->second();
    }
};

struct ShownMessage {
    std::string text;
    MessageButtons buttons;
    MessageIcon icon;
    bool operator==(const ShownMessage&) const = default;
};

class FakeMessages : public MessageBoxes {
public:
    std::vector<ShownMessage> shown;
    int beeps = 0;
    std::deque<MessageAnswer> answers;  // Yes/No answers in order; Ok when run out
    std::function<void()> whileShown;   // runs while a box is open, as events nested in it

    MessageAnswer Show(const std::string& text, MessageButtons buttons,
                       MessageIcon icon) override {
        shown.push_back({text, buttons, icon});
        if (whileShown) std::exchange(whileShown, nullptr)();
        if (answers.empty()) return buttons == MessageButtons::Ok ? MessageAnswer::Ok
                                                                  : MessageAnswer::No;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Beep() override { ++beeps; }
};

struct Execution {
    std::string key;
    WindowHandle served;
    WindowHandle first;
    bool operator==(const Execution&) const = default;
};

// Succeeds for every key except those listed as failing; records what ran where.
class FakeExecutor : public InstructionExecutor {
public:
    std::map<std::string, bool> outcome;  // key → result; absent = success
    std::vector<Execution> executed;
    std::function<void()> during;  // runs inside every execution

    bool ExecuteInstruction(const Instruction& in, const ExecutionTarget& target) override {
        const std::string key = KeyOf(in.NodeKey);
        executed.push_back({key, target.served, target.first});
        if (during) during();
        const auto it = outcome.find(key);
        return it == outcome.end() || it->second;
    }
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const auto& e : executed) keys.push_back(e.key);
        return keys;
    }
};

}  // namespace tavo::testing
