#include <gtest/gtest.h>

#include <map>
#include <ostream>

#include "case_names.h"
#include "core/controls/skin_host.h"
#include "core/controls/skin_stored_form.h"
#include "fakes/fake_storage.h"

namespace tavo {
namespace {

using testing::FakeFiles;
using Calls = std::vector<std::string>;

class RecordingSkinLibrary : public SkinLibrary {
public:
    // Each call with its arguments; AttachEx also with the skin file's bytes at that moment.
    Calls calls;
    FakeFiles* files = nullptr;

    void Locate(const std::string& path) override { calls.push_back("Locate " + path); }
    void AttachEx(const std::string& path, const std::string& password) override {
        calls.push_back("AttachEx " + path + " '" + password + "' " + files->files[path]);
    }
    void Detach() override { calls.push_back("Detach"); }
    void SetAero(bool on) override { calls.push_back("SetAero " + std::to_string(on)); }
    void AdjustHSV(int h, int s, int b) override { calls.push_back("AdjustHSV " + Join({h, s, b})); }
    void SetMenuAlpha(int a) override { calls.push_back("SetMenuAlpha " + std::to_string(a)); }
    void AdjustAero(int a, int d, int sh, int sz, int x, int y, int r, int g, int b) override {
        calls.push_back("AdjustAero " + Join({a, d, sh, sz, x, y, r, g, b}));
    }

private:
    static std::string Join(std::initializer_list<int> values) {
        std::string s;
        for (const int v : values) {
            if (!s.empty()) s += ',';
            s += std::to_string(v);
        }
        return s;
    }
};

class FakeSkinSystem : public SkinHostSystem {
public:
    std::optional<std::string> exe = std::string("C:\\Tavo\\tavo.exe");
    std::map<std::string, std::string> named;
    std::map<int, std::string> numbered{{12, ".SHE twelve"}, {3, ".SHE three"}};
    int windows = 1;

    std::optional<std::string> ExecutableName() override { return exe; }
    std::optional<std::string> Resource(const std::string& name) override {
        const auto it = named.find(name);
        return it == named.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<std::string> Resource(int number) override {
        const auto it = numbered.find(number);
        return it == numbered.end() ? std::nullopt : std::optional(it->second);
    }
    int OpenWindowCount() override { return windows; }
};

// A library image of 300 distinct-ish bytes and the resource the build makes of it.
std::string Library() {
    std::string bytes;
    for (int i = 0; i < 300; ++i) bytes.push_back(static_cast<char>(i * 7 + 1));
    return bytes;
}

class SkinHostTest : public ::testing::Test {
protected:
    SkinHostTest() {
        library.files = &files;
        system.named["FILE"] = *SkinStoredFromLibrary(Library());
    }
    FakeFiles files;
    RecordingSkinLibrary library;
    FakeSkinSystem system;
    SkinHost host{library, system, files};
};

TEST_F(SkinHostTest, MainWindowLoadWritesTheLibraryAttachesTwelveAndForwardsMenuAndWindowAlpha) {
    host.Load(MainWindowSkin());
    EXPECT_EQ(library.calls, (Calls{"Locate C:\\Tavo\\Skin.tg", "AttachEx C:\\Tavo\\SkinH~ '' .SHE twelve",
                                    "SetMenuAlpha 230", "AdjustAero 254,0,0,0,0,0,0,0,0"}));
    EXPECT_EQ(files.files, (std::map<std::string, std::string>{{"C:\\Tavo\\Skin.tg", Library()}}));
    EXPECT_EQ(files.log, (Calls{"replace C:\\Tavo\\Skin.tg", "replace C:\\Tavo\\SkinH~", "delete C:\\Tavo\\SkinH~"}));
    EXPECT_EQ(host.Directory(), "C:\\Tavo\\");
}

TEST_F(SkinHostTest, LoadedHueAndShadowReachTheLibraryOnlyWithTheirGroupsNextForwarding) {
    SkinProperties saved = MainWindowSkin();
    saved.hue = 40;
    saved.shadowR = 9;
    saved.shadowSize = 30;  // clamped to 18
    saved.brightness = -5;
    host.Load(saved);
    EXPECT_EQ(library.calls, (Calls{"Locate C:\\Tavo\\Skin.tg", "AttachEx C:\\Tavo\\SkinH~ '' .SHE twelve",
                                    "SetMenuAlpha 230", "AdjustHSV 40,0,-5", "AdjustAero 254,0,0,18,0,0,9,0,0"}));
}

TEST_F(SkinHostTest, ALibraryAlreadyThereIsNotWrittenAgain) {
    files.files["C:\\Tavo\\Skin.tg"] = "older";
    host.SetSkin(3);
    EXPECT_EQ(files.files["C:\\Tavo\\Skin.tg"], "older");
    EXPECT_EQ(library.calls, (Calls{"Locate C:\\Tavo\\Skin.tg", "AttachEx C:\\Tavo\\SkinH~ '' .SHE three"}));
}

TEST_F(SkinHostTest, FailedStepsDoNotStopTheAttach) {
    system.named.clear();  // no library resource
    system.exe.reset();    // the lookup failed: the current folder
    files.readOnly.insert("SkinH~");
    host.SetSkin(7);  // no such skin resource
    EXPECT_EQ(files.files.count("Skin.tg"), 0u);
    EXPECT_EQ(library.calls, (Calls{"Locate Skin.tg", "AttachEx SkinH~ '' "}));
}

struct ClampCase {
    const char* name;
    SkinSetting setting;
    int value;
    Calls expected;
};

void PrintTo(const ClampCase& c, std::ostream* os) { *os << c.name; }

class SkinSettingTest : public SkinHostTest, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(SkinSettingTest, ClampsAndForwardsTheWholeGroup) {
    host.SetSkin(12);
    library.calls.clear();
    host.Set(GetParam().setting, GetParam().value);
    EXPECT_EQ(library.calls, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkinSettingTest,
    ::testing::Values(
        ClampCase{"ShadowSizeAtMost18", SkinSetting::ShadowSize, 25, {"AdjustAero 0,0,0,18,0,0,0,0,0"}},
        ClampCase{"ShadowSizeAtLeast0", SkinSetting::ShadowSize, -3, {"AdjustAero 0,0,0,0,0,0,0,0,0"}},
        ClampCase{"SharpnessAtMost12", SkinSetting::ShadowSharpness, 13, {"AdjustAero 0,0,12,0,0,0,0,0,0"}},
        ClampCase{"DarknessAtMost255", SkinSetting::ShadowDarkness, 300, {"AdjustAero 0,255,0,0,0,0,0,0,0"}},
        ClampCase{"ShadowRedForwarded", SkinSetting::ShadowR, 7, {"AdjustAero 0,0,0,0,0,0,7,0,0"}},
        ClampCase{"ShadowGreenForwarded", SkinSetting::ShadowG, 8, {"AdjustAero 0,0,0,0,0,0,0,8,0"}},
        ClampCase{"ShadowBlueAtMost255", SkinSetting::ShadowB, 256, {"AdjustAero 0,0,0,0,0,0,0,0,255"}},
        ClampCase{"AlphaAtLeast0", SkinSetting::Alpha, -1, {"AdjustAero 0,0,0,0,0,0,0,0,0"}},
        ClampCase{"HueAtMost180", SkinSetting::Hue, 200, {"AdjustHSV 180,0,0"}},
        ClampCase{"SaturationAtLeastMinus100", SkinSetting::Saturation, -150, {"AdjustHSV 0,-100,0"}},
        ClampCase{"BrightnessAtMost100", SkinSetting::Brightness, 101, {"AdjustHSV 0,0,100"}},
        ClampCase{"MenuAlphaAtMost255", SkinSetting::MenuAlpha, 300, {"SetMenuAlpha 255"}},
        // Unchanged values forward nothing, except the shadow colour's.
        ClampCase{"UnchangedMenuAlphaForwardsNothing", SkinSetting::MenuAlpha, 255, {}},
        ClampCase{"UnchangedHueForwardsNothing", SkinSetting::Hue, 0, {}},
        ClampCase{"UnchangedShadowColourIsForwarded", SkinSetting::ShadowG, 0, {"AdjustAero 0,0,0,0,0,0,0,0,0"}}),
    case_names::ByName{});

TEST_F(SkinHostTest, WithoutASkinEverySettingDetaches) {
    host.SetSkin(0);
    host.SetAero(true);
    host.Set(SkinSetting::Hue, 10);
    host.CloseSk();
    EXPECT_EQ(library.calls, (Calls{"Locate C:\\Tavo\\Skin.tg", "Detach", "Detach", "Detach", "Detach"}));
    EXPECT_EQ(host.Properties().hue, 10);
    EXPECT_TRUE(host.Properties().aero);
}

TEST_F(SkinHostTest, DestructionDetachesOnlyForTheLastWindow) {
    system.windows = 2;
    host.Destroyed();
    EXPECT_TRUE(library.calls.empty());
    system.windows = 1;
    host.Destroyed();
    EXPECT_EQ(library.calls, (Calls{"Detach"}));
}

// Whatever the folder's name holds and however long it is, the library is written where
// it is then loaded from.
TEST_F(SkinHostTest, TheLibraryIsWrittenAndLoadedInTheExecutablesOwnFolder) {
    const std::string folders[] = {"C:\\Tools\\Café 한글\\", "D:\\" + std::string(300, 'a') + "\\"};
    for (const std::string& folder : folders) {
        system.exe = folder + "tavo.exe";
        files.files.clear();
        library.calls.clear();
        host.SetSkin(0);
        EXPECT_EQ(files.files.count(folder + "Skin.tg"), 1u) << folder;
        EXPECT_EQ(library.calls, (Calls{"Locate " + folder + "Skin.tg", "Detach"}));
    }
}

TEST(SkinDirectory, FolderOfTheExecutableName) {
    EXPECT_EQ(SkinDirectoryOf(std::string("C:\\A\\B\\tavo.exe")), "C:\\A\\B\\");
    EXPECT_EQ(SkinDirectoryOf(std::string("")), "");  // "SYSTEM"
    EXPECT_EQ(SkinDirectoryOf(std::nullopt), "");      // "ERROR"
}

TEST(SkinStoredForm, TheFileIsTheRotatedResourceAndTheBuildsFormItsInverse) {
    std::string resource(1000, '\0');
    for (std::size_t i = 0; i < resource.size(); ++i) resource[i] = static_cast<char>(i % 251);
    const std::string file = *SkinLibraryFromStored(resource);
    ASSERT_EQ(file.size(), 999u);
    EXPECT_EQ(file.substr(0, 256), resource.substr(743, 256));
    EXPECT_EQ(file.substr(256), resource.substr(0, 743));
    const std::string stored = *SkinStoredFromLibrary(file);
    EXPECT_EQ(stored.substr(0, 999), resource.substr(0, 999));
    EXPECT_EQ(SkinLibraryFromStored(stored), file);
    EXPECT_EQ(SkinLibraryFromStored(std::string(256, 'x')), std::nullopt);
    EXPECT_EQ(SkinStoredFromLibrary(std::string(255, 'x')), std::nullopt);
}

}  // namespace
}  // namespace tavo
