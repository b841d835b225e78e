#pragma once
// The skinning library's six operations. Paths are UTF-8; the library gets them as
// code-page-936 text. Results are not looked at: a library that is missing or will not
// load leaves the windows unskinned and every call does nothing.
#include <optional>
#include <string>

namespace tavo {

class SkinLibrary {
public:
    virtual ~SkinLibrary() = default;
    // The library file the calls go to, told before them: loaded from there only, never
    // found by its name elsewhere.
    virtual void Locate(const std::string& libraryPath) = 0;
    virtual void AttachEx(const std::string& skinPath, const std::string& password) = 0;
    virtual void Detach() = 0;
    virtual void SetAero(bool on) = 0;
    virtual void AdjustHSV(int hue, int saturation, int brightness) = 0;
    virtual void SetMenuAlpha(int alpha) = 0;
    virtual void AdjustAero(int alpha, int shadowDarkness, int shadowSharpness, int shadowSize, int x, int y,
                            int red, int green, int blue) = 0;
};

// What the skin host needs of the program around it.
class SkinHostSystem {
public:
    virtual ~SkinHostSystem() = default;
    // The full name (UTF-8, from the system's wide name, any length) of the executable
    // of the process owning the host's window: "" when the system gives an empty one,
    // nothing when the lookup fails on the way.
    virtual std::optional<std::string> ExecutableName() = 0;
    // The bytes of a resource of type "CUSTOM"; nothing when it is missing.
    virtual std::optional<std::string> Resource(const std::string& name) = 0;
    virtual std::optional<std::string> Resource(int number) = 0;
    // How many windows of the program are open (the host's own included).
    virtual int OpenWindowCount() = 0;
};

}  // namespace tavo
