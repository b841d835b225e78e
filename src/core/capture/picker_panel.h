#pragma once
// What the pickers change on the Instruction editor panel they sit on. The panel is the
// editor's; the main window's composition hands the pickers this face of it.
namespace tavo {

class PickerPanel {
public:
    // The recognition picker's image: "point set" or not.
    virtual bool RecognitionPickerSet() const = 0;
    virtual void ShowRecognitionPicker(bool set) = 0;
    // The click picker's image.
    virtual void ShowClickPicker(bool set) = 0;
    // The panel's top and height in twips; a jump pick moves it away meanwhile.
    virtual int Top() const = 0;
    virtual int Height() const = 0;
    virtual void SetTop(int top) = 0;
    // Whether the panel shows a success (or failure) jump.
    virtual bool ShowsJump(bool success) const = 0;
    // The jump boxes and the orientation squares, again from the current Instruction.
    virtual void ShowJumps() = 0;
    virtual void ShowSquares() = 0;

protected:
    ~PickerPanel() = default;
};

}  // namespace tavo
