#pragma once
// The pickers' face of the editor panel: each call is the field editor's own.
#include "core/capture/picker_panel.h"
#include "core/editor/field_editor.h"
#include "core/util/text.h"

namespace tavo {

class EditorPickerPanel final : public PickerPanel {
public:
    explicit EditorPickerPanel(FieldEditor& fields) : fields_(fields) {}

    bool RecognitionPickerSet() const override {
        return fields_.View().comm2Image == kImageRecognitionPickerSet;
    }
    void ShowRecognitionPicker(bool set) override {
        fields_.ShowPickerImages(set ? kImageRecognitionPickerSet : kImageRecognitionPicker,
                                 fields_.View().comm4Image);
    }
    void ShowClickPicker(bool set) override {
        fields_.ShowPickerImages(fields_.View().comm2Image,
                                 set ? kImageClickPickerSet : kImageClickPicker);
    }
    int Top() const override { return fields_.View().top; }
    int Height() const override { return kPictHeight; }
    void SetTop(int top) override { fields_.SetPanelTop(top); }
    bool ShowsJump(bool success) const override {
        return !IsBlank(success ? fields_.View().Text2 : fields_.View().Text3);
    }
    void ShowJumps() override { fields_.ShowJumps(); }
    void ShowSquares() override { fields_.ShowSquares(); }

private:
    FieldEditor& fields_;
};

}  // namespace tavo
