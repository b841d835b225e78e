#include "core/model/script_tree.h"

#include <algorithm>

namespace tavo {

void ScriptTree::Clear() {
    roots_.clear();
    byKey_.clear();
    list_.clear();
    Touch();
}

ScriptNode* ScriptTree::Find(const std::string& key) const {
    const auto it = byKey_.find(key);
    return it == byKey_.end() ? nullptr : it->second;
}

std::vector<ScriptNode*>& ScriptTree::SiblingsOf(const ScriptNode* node) {
    return node->parent ? node->parent->children : roots_;
}

const std::vector<ScriptNode*>& ScriptTree::SiblingsOf(const ScriptNode* node) const {
    return node->parent ? node->parent->children : roots_;
}

ScriptNode* ScriptTree::Add(ScriptNode* anchor, Placement placement, const std::string& key,
                            const std::string& caption, int icon) {
    if (key.empty() || Find(key)) return nullptr;
    if (anchor && Find(anchor->key) != anchor) return nullptr;
    if (!anchor && placement != Placement::LastChild) return nullptr;

    auto owned = std::make_unique<ScriptNode>();
    ScriptNode* node = owned.get();
    node->key = key;
    node->caption = caption;
    node->icon = icon;

    if (placement == Placement::LastChild) {
        node->parent = anchor;
        SiblingsOf(node).push_back(node);
    } else {
        node->parent = anchor->parent;
        auto& siblings = SiblingsOf(anchor);
        auto at = std::find(siblings.begin(), siblings.end(), anchor);
        if (placement == Placement::After) ++at;
        siblings.insert(at, node);
    }
    list_.push_back(std::move(owned));
    byKey_.emplace(key, node);
    Touch();
    return node;
}

void ScriptTree::Detach(ScriptNode* node) {
    auto& siblings = SiblingsOf(node);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
}

bool ScriptTree::Remove(const std::string& key) {
    ScriptNode* node = Find(key);
    if (!node) return false;
    Detach(node);
    std::vector<ScriptNode*> doomed{node};
    for (std::size_t i = 0; i < doomed.size(); ++i)
        for (ScriptNode* child : doomed[i]->children) doomed.push_back(child);
    for (ScriptNode* gone : doomed) byKey_.erase(gone->key);
    std::erase_if(list_, [&](const std::unique_ptr<ScriptNode>& n) {
        return std::find(doomed.begin(), doomed.end(), n.get()) != doomed.end();
    });
    Touch();
    return true;
}

bool IsInSubtree(const ScriptNode* node, const ScriptNode* root) {
    for (const ScriptNode* p = node; p; p = p->parent)
        if (p == root) return true;
    return false;
}

bool ScriptTree::Reparent(const std::string& key, ScriptNode* newParent) {
    ScriptNode* node = Find(key);
    if (!node) return false;
    if (newParent && (Find(newParent->key) != newParent || IsInSubtree(newParent, node)))
        return false;
    Detach(node);
    node->parent = newParent;
    SiblingsOf(node).push_back(node);
    Touch();
    return true;
}

int ScriptTree::IndexOf(const ScriptNode* node) const {
    for (std::size_t i = 0; i < list_.size(); ++i)
        if (list_[i].get() == node) return static_cast<int>(i) + 1;
    return 0;
}

ScriptNode* ScriptTree::NodeAt(int index) const {
    if (index < 1 || index > Count()) return nullptr;
    return list_[static_cast<std::size_t>(index) - 1].get();
}

ScriptNode* FirstChild(const ScriptNode* node) {
    return node->children.empty() ? nullptr : node->children.front();
}

ScriptNode* ScriptTree::NextSibling(const ScriptNode* node) const {
    const auto& siblings = SiblingsOf(node);
    auto it = std::find(siblings.begin(), siblings.end(), node);
    if (it == siblings.end() || ++it == siblings.end()) return nullptr;
    return *it;
}

ScriptNode* ScriptTree::PreviousSibling(const ScriptNode* node) const {
    const auto& siblings = SiblingsOf(node);
    auto it = std::find(siblings.begin(), siblings.end(), node);
    if (it == siblings.end() || it == siblings.begin()) return nullptr;
    return *(it - 1);
}

std::vector<ScriptNode*> ScriptTree::PreOrder() const {
    std::vector<ScriptNode*> out;
    out.reserve(list_.size());
    std::vector<ScriptNode*> stack(roots_.rbegin(), roots_.rend());
    while (!stack.empty()) {
        ScriptNode* node = stack.back();
        stack.pop_back();
        out.push_back(node);
        stack.insert(stack.end(), node->children.rbegin(), node->children.rend());
    }
    return out;
}

TreeImage ScriptTree::Image() const {
    std::unordered_map<const ScriptNode*, int> index;
    for (std::size_t i = 0; i < list_.size(); ++i)
        index.emplace(list_[i].get(), static_cast<int>(i) + 1);
    TreeImage image;
    image.reserve(list_.size());
    for (const ScriptNode* n : PreOrder())
        image.push_back({n->key, n->caption, n->tag, n->icon,
                         n->parent ? n->parent->key : std::string(), index.at(n)});
    return image;
}

void ScriptTree::Restore(const TreeImage& image) {
    roots_.clear();
    byKey_.clear();
    list_.clear();
    list_.resize(image.size());
    // Pre-order names every parent before its children, and each child after its elder
    // siblings: appending rebuilds the shape.
    for (const NodeImage& n : image) {
        auto owned =
            std::make_unique<ScriptNode>(ScriptNode{n.key, n.caption, n.tag, n.icon, nullptr, {}});
        ScriptNode* node = owned.get();
        node->parent = Find(n.parentKey);
        SiblingsOf(node).push_back(node);
        byKey_.emplace(n.key, node);
        list_.at(static_cast<std::size_t>(n.index) - 1) = std::move(owned);
    }
    Touch();
}

}  // namespace tavo
