#include "driver/tree_view.h"

#include <commctrl.h>

#include <cstring>

#include "driver/remote_buffer.h"
#include "driver/text.h"

namespace e2e {

namespace {

constexpr UINT kTimeoutMs = 2000;
constexpr size_t kTextCapacity = 260;

HTREEITEM NextItem(HWND tree, HTREEITEM from, UINT relation) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from), SMTO_ABORTIFHUNG,
                             kTimeoutMs, &result)) {
        return nullptr;
    }
    return reinterpret_cast<HTREEITEM>(result);
}

class ItemReader {
public:
    explicit ItemReader(HWND tree) : tree_(tree), buffer_(tree, kSize) {}

    std::optional<std::wstring> Text(HTREEITEM item) {
        // The record, then its text buffer, zeroed so that an item without text reads "".
        std::string raw(kSize, '\0');
        TVITEMW record{};
        record.mask = TVIF_TEXT | TVIF_HANDLE;
        record.hItem = item;
        record.pszText = reinterpret_cast<LPWSTR>(buffer_.Address() + static_cast<LPARAM>(sizeof(TVITEMW)));
        record.cchTextMax = static_cast<int>(kTextCapacity);
        std::memcpy(raw.data(), &record, sizeof record);
        DWORD_PTR ok = 0;
        if (!buffer_.Write(raw.data(), raw.size()) ||
            !SendMessageTimeoutW(tree_, TVM_GETITEMW, 0, buffer_.Address(), SMTO_ABORTIFHUNG, kTimeoutMs, &ok) || !ok ||
            !buffer_.Read(raw.data(), raw.size())) {
            return std::nullopt;
        }
        std::wstring text(kTextCapacity, L'\0');
        std::memcpy(text.data(), raw.data() + sizeof(TVITEMW), kTextCapacity * sizeof(wchar_t));
        text.resize(wcsnlen(text.c_str(), text.size()));
        return text;
    }

private:
    static constexpr size_t kSize = sizeof(TVITEMW) + kTextCapacity * sizeof(wchar_t);

    HWND tree_;
    RemoteBuffer buffer_;
};

void Collect(HWND tree, ItemReader& reader, HTREEITEM first, int depth, std::vector<TreeItem>& out, bool& failed) {
    for (HTREEITEM item = first; item && !failed; item = NextItem(tree, item, TVGN_NEXT)) {
        const auto text = reader.Text(item);
        if (!text) {
            failed = true;
            return;
        }
        out.push_back({depth, *text});
        Collect(tree, reader, NextItem(tree, item, TVGN_CHILD), depth + 1, out, failed);
    }
}

}  // namespace

std::optional<size_t> TreeItemCount(HWND tree) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(tree, TVM_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &count)) return std::nullopt;
    return static_cast<size_t>(count);
}

std::vector<TreeItem> ReadTreeItems(HWND tree) {
    ItemReader reader(tree);
    std::vector<TreeItem> items;
    bool failed = false;
    Collect(tree, reader, NextItem(tree, nullptr, TVGN_ROOT), 0, items, failed);
    if (failed) items.clear();
    return items;
}

std::vector<std::wstring> ExpandedItemTexts(HWND tree) {
    ItemReader reader(tree);
    std::vector<std::wstring> texts;
    for (HTREEITEM item = NextItem(tree, nullptr, TVGN_ROOT); item; item = NextItem(tree, item, TVGN_NEXTVISIBLE)) {
        const auto text = reader.Text(item);
        if (!text) return {};
        texts.push_back(*text);
    }
    return texts;
}

HTREEITEM FindItem(HWND tree, const std::wstring& text) {
    ItemReader reader(tree);
    std::vector<HTREEITEM> pending = {NextItem(tree, nullptr, TVGN_ROOT)};
    // Depth first: an item, its children, then its next sibling.
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        if (!item) continue;
        if (reader.Text(item) == text) return item;
        pending.push_back(NextItem(tree, item, TVGN_NEXT));
        pending.push_back(NextItem(tree, item, TVGN_CHILD));
    }
    return nullptr;
}

std::optional<POINT> LabelCentre(HWND tree, HTREEITEM item) {
    // The item goes in where the RECT comes back.
    RemoteBuffer buffer(tree, sizeof(RECT));
    RECT r{};
    std::memcpy(&r, &item, sizeof item);
    DWORD_PTR shown = 0;
    if (!item || !buffer.Write(&r, sizeof r) ||
        !SendMessageTimeoutW(tree, TVM_GETITEMRECT, TRUE, buffer.Address(), SMTO_ABORTIFHUNG, kTimeoutMs, &shown) ||
        !shown || !buffer.Read(&r, sizeof r)) {
        return std::nullopt;
    }
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(tree, &centre);
    return centre;
}

std::optional<int> ItemImage(HWND tree, HTREEITEM item) {
    RemoteBuffer buffer(tree, sizeof(TVITEMW));
    TVITEMW record{};
    record.mask = TVIF_IMAGE | TVIF_HANDLE;
    record.hItem = item;
    DWORD_PTR ok = 0;
    if (!item || !buffer.Write(&record, sizeof record) ||
        !SendMessageTimeoutW(tree, TVM_GETITEMW, 0, buffer.Address(), SMTO_ABORTIFHUNG, kTimeoutMs, &ok) || !ok ||
        !buffer.Read(&record, sizeof record)) {
        return std::nullopt;
    }
    return record.iImage;
}

std::optional<std::wstring> SelectedItemText(HWND tree) {
    HTREEITEM selected = NextItem(tree, nullptr, TVGN_CARET);
    if (!selected) return std::nullopt;
    ItemReader reader(tree);
    return reader.Text(selected);
}

std::string Describe(const std::vector<TreeItem>& items) {
    std::string out = "[";
    for (const TreeItem& item : items) {
        if (out.size() > 1) out += ", ";
        out += std::string(static_cast<size_t>(item.depth) * 2, '.') + Narrow(item.text);
    }
    return out + "]";
}

}  // namespace e2e
