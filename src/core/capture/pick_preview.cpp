#include "core/capture/pick_preview.h"

namespace tavo {
namespace {

std::string PointText(ClientPoint p) { return std::to_string(p.x) + ", " + std::to_string(p.y); }

const char* ReasonText(PickRefusal refusal) {
    switch (refusal) {
        case PickRefusal::NoTarget: return "没有找到目标窗口";
        case PickRefusal::Outside: return "不在目标窗口内";
        case PickRefusal::OnReferencePoint: return "在基准点上";
        case PickRefusal::FlatPicture: return "图形对比度不足";
        case PickRefusal::None: break;
    }
    return "";
}

}  // namespace

std::string PreviewText(const PickPreview& p) {
    if (p.refusal == PickRefusal::NoTarget || p.refusal == PickRefusal::Outside)
        return ReasonText(p.refusal);
    std::string text = "坐标: " + PointText(p.stored);
    if (p.refusal == PickRefusal::OnReferencePoint) return text + "\n" + ReasonText(p.refusal);
    if (p.recognition)
        text += p.refusal == PickRefusal::FlatPicture ? "\n图形对比度不足" : "\n图形可用";
    return text;
}

std::string RefusalLogText(PickRefusal refusal) {
    switch (refusal) {
        case PickRefusal::NoTarget: return "  没有找到目标窗口，未取点。";
        case PickRefusal::Outside: return "  取点不在目标窗口内，未取点。";
        case PickRefusal::OnReferencePoint: return kPickOnReferencePoint;
        case PickRefusal::FlatPicture: return "  图形对比度不足，未取图，请换一个点。";
        case PickRefusal::None: break;
    }
    return {};
}

}  // namespace tavo
