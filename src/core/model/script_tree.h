#pragma once
// The Script tree: an ordered tree of Instruction nodes with keyed lookup and a flat
// creation-order list (node index 1..n) that the runner and the editor address nodes by.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace tavo {

enum TreeIcon : int { kIconInstruction = 1, kIconWithChildren = 2, kIconWithJump = 12 };

struct ScriptNode {
    std::string key;
    std::string caption;
    std::string tag;  // empty for a node that was never stored
    int icon = kIconInstruction;
    ScriptNode* parent = nullptr;
    std::vector<ScriptNode*> children;
};

// A node as a snapshot of the tree holds it: its record, its parent's key (empty: the
// top level) and its place in the creation order (1..n).
struct NodeImage {
    std::string key;
    std::string caption;
    std::string tag;
    int icon = kIconInstruction;
    std::string parentKey;
    int index = 0;

    bool operator==(const NodeImage&) const = default;
};
// Every node in display pre-order.
using TreeImage = std::vector<NodeImage>;

// Where a new node goes relative to an existing one (or the top level when the anchor is null).
enum class Placement { LastChild, Before, After };

// A node's first child (nullptr for none), its number of children, and whether it lies
// in the subtree of `root` (`root` itself included).
ScriptNode* FirstChild(const ScriptNode* node);
inline int ChildCount(const ScriptNode* node) { return static_cast<int>(node->children.size()); }
bool IsInSubtree(const ScriptNode* node, const ScriptNode* root);

class ScriptTree {
public:
    ScriptTree() = default;
    ScriptTree(const ScriptTree&) = delete;
    ScriptTree& operator=(const ScriptTree&) = delete;

    int Count() const { return static_cast<int>(list_.size()); }
    bool Empty() const { return list_.empty(); }
    void Clear();

    // Null when the key is absent (the lookup "fails").
    ScriptNode* Find(const std::string& key) const;

    // Adds a node; returns null (and adds nothing) when the key is taken or blank,
    // or the anchor is not in this tree. A null anchor with LastChild means the
    // last top-level node; with Before/After the anchor is required.
    ScriptNode* Add(ScriptNode* anchor, Placement placement, const std::string& key,
                    const std::string& caption, int icon);
    ScriptNode* AddTopLevel(const std::string& key, const std::string& caption, int icon) {
        return Add(nullptr, Placement::LastChild, key, caption, icon);
    }

    // Removes the node with its whole subtree; false when the key is absent.
    bool Remove(const std::string& key);

    // Moves the node with its subtree to be the last child of newParent (the end of the
    // top level when newParent is null). Refused when newParent is the node itself or
    // lies in its subtree. The node keeps its place in the creation-order list.
    bool Reparent(const std::string& key, ScriptNode* newParent);

    // 1-based creation-order numbering; 0 / null when out of range or absent.
    int IndexOf(const ScriptNode* node) const;
    ScriptNode* NodeAt(int index) const;

    const std::vector<ScriptNode*>& TopLevel() const { return roots_; }
    ScriptNode* NextSibling(const ScriptNode* node) const;
    ScriptNode* PreviousSibling(const ScriptNode* node) const;

    // Display pre-order (the order in which the tree shows and saves its nodes).
    std::vector<ScriptNode*> PreOrder() const;

    // A copy of every node, and the tree made again from one: the same records, shape
    // and creation order.
    TreeImage Image() const;
    void Restore(const TreeImage& image);

    // Content changes go through these so that the revision follows them.
    void SetTag(ScriptNode* node, std::string tag) { node->tag = std::move(tag); Touch(); }
    void SetCaption(ScriptNode* node, std::string caption) {
        node->caption = std::move(caption);
        Touch();
    }
    void SetIcon(ScriptNode* node, int icon) { node->icon = icon; Touch(); }

    // Bumped on every structural or content change, so a view can tell when to redraw.
    std::uint64_t Revision() const { return revision_; }
    void Touch() { ++revision_; }

private:
    std::vector<ScriptNode*>& SiblingsOf(const ScriptNode* node);
    const std::vector<ScriptNode*>& SiblingsOf(const ScriptNode* node) const;
    void Detach(ScriptNode* node);

    std::vector<std::unique_ptr<ScriptNode>> list_;
    std::vector<ScriptNode*> roots_;
    std::unordered_map<std::string, ScriptNode*> byKey_;
    std::uint64_t revision_ = 0;
};

}  // namespace tavo
