#pragma once
// In-memory registry, files and file dialogs that record what was asked of them.
#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace tavo::testing {

class FakeRegistry : public Registry {
public:
    std::map<std::string, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;

    std::optional<std::string> Read(const std::string& name) override {
        const auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    bool Write(const std::string& name, const std::string& text) override {
        writes.emplace_back(name, text);
        values[name] = text;
        return true;
    }
};

class FakeFiles : public Files {
public:
    std::map<std::string, std::string> files;  // path → bytes
    std::set<std::string> readOnly;            // paths whose replacement fails
    std::vector<std::string> log;              // "copy a → b", "delete p", "replace p"

    ReadResult ReadAll(const std::string& path) override {
        if (!path.empty() && path.back() == '\\') return {ReadStatus::Failed, {}};
        const auto it = files.find(path);
        if (it == files.end()) return {ReadStatus::Missing, {}};
        return {ReadStatus::Ok, it->second};
    }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    bool ReplaceFile(const std::string& path, const std::string& bytes) override {
        log.push_back("replace " + path);
        if (readOnly.count(path)) return false;
        files[path] = bytes;
        return true;
    }
    bool CopyFile(const std::string& from, const std::string& to) override {
        log.push_back("copy " + from + " -> " + to);
        if (!files.count(from)) return false;
        files[to] = files[from];
        return true;
    }
    bool DeleteFile(const std::string& path) override {
        log.push_back("delete " + path);
        return files.erase(path) != 0;
    }
    std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern) override {
        std::string ext = pattern.substr(pattern.find('.'));
        std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
        std::vector<std::string> names;
        for (const auto& [path, bytes] : files) {
            if (path.rfind(folder, 0) != 0) continue;
            std::string name = path.substr(folder.size());
            std::string lower = name;
            std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
            if (name.find('\\') == std::string::npos && lower.size() >= ext.size() &&
                lower.compare(lower.size() - ext.size(), ext.size(), ext) == 0)
                names.push_back(name);
        }
        return names;
    }
};

class FakeDialogs : public FileDialogs {
public:
    struct Answer {
        std::optional<std::string> path;
        std::int64_t takesMs = 1000;  // how long the user looked at the dialog
    };
    std::vector<FileDialogRequest> requests;
    std::deque<Answer> answers;  // nullopt (cancel) when run out
    std::int64_t* clockMs = nullptr;

    std::optional<std::string> Show(const FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) return std::nullopt;
        const Answer a = answers.front();
        answers.pop_front();
        if (clockMs) *clockMs += a.takesMs;
        return a.path;
    }
};

}  // namespace tavo::testing
