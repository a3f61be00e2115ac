// What Windows reads from the program files themselves, checked in both built
// programs (the x86_64 one the tests run and the i686 release program): the manifest
// that keeps saves out of the VirtualStore and declares DPI awareness, and the version
// resource, whose version must be the one the About dialog shows.
#ifdef _WIN32

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "resource_ids.h"

namespace {

// A built program opened as data: its resources can be read whatever its bitness.
class ProgramFile {
public:
    explicit ProgramFile(std::string path) : path_(std::move(path)) {
        module_ = LoadLibraryExA(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~ProgramFile() {
        if (module_) FreeLibrary(module_);
    }
    ProgramFile(const ProgramFile&) = delete;
    ProgramFile& operator=(const ProgramFile&) = delete;

    bool Opened() const { return module_ != nullptr; }
    HMODULE Module() const { return module_; }
    const std::string& Path() const { return path_; }

    // The raw bytes of one resource, empty when it is missing.
    std::string Resource(LPCSTR type, int id) const {
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), type);
        if (!found) return {};
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return bytes ? std::string(bytes, SizeofResource(module_, found)) : std::string();
    }

private:
    std::string path_;
    HMODULE module_ = nullptr;
};

// The text of one control in a DIALOG template (not DIALOGEX): the header, menu,
// class, caption and font, then each item aligned to four bytes with its class,
// title and extra data. "" when the control or its text is missing.
std::string DialogItemText(const std::string& dialogTemplate, int controlId) {
    std::vector<WORD> words((dialogTemplate.size() + 1) / 2);
    dialogTemplate.copy(reinterpret_cast<char*>(words.data()), dialogTemplate.size());
    size_t at = 0;  // in words
    auto skipNameOrOrdinal = [&] {
        if (words.at(at) == 0xFFFF) at += 2;
        else while (words.at(at++) != 0) {}
    };
    auto readString = [&] {
        std::string text;
        while (WORD ch = words.at(at++)) text += static_cast<char>(ch);  // the ids are ASCII
        return text;
    };
    const DWORD style = words.at(0) | static_cast<DWORD>(words.at(1)) << 16;
    const int items = words.at(4);
    at = 9;
    skipNameOrOrdinal();  // menu
    skipNameOrOrdinal();  // class
    readString();         // caption
    if (style & DS_SETFONT) {
        ++at;  // point size
        readString();
    }
    for (int item = 0; item < items; ++item) {
        at += at % 2;
        const int id = words.at(at + 8);
        at += 9;
        skipNameOrOrdinal();  // class
        std::string title = words.at(at) == 0xFFFF ? (at += 2, std::string()) : readString();
        at += 1 + (words.at(at) + 1) / 2;  // extra data: its byte count, then the bytes
        if (id == controlId) return title;
    }
    return {};
}

// One value of the version resource's string table for U.S. English, code page 1252.
std::string VersionString(const std::vector<char>& info, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return {};
    return value;
}

std::string WindowsPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path.front() == '\\' ? "Z:" + path : path;  // Wine's Z: drive is the host's root
}

const std::array<const char*, 2> kBuilds = {"win64", "win32"};

class ProgramResources : public testing::TestWithParam<const char*> {
protected:
    ProgramFile program{WindowsPath(std::string(QUAREL_BUILD_ROOT) + "/" + GetParam() + "/QuarelEditor.exe")};
    void SetUp() override { ASSERT_TRUE(program.Opened()) << "cannot read " << program.Path(); }
};

TEST_P(ProgramResources, ManifestRunsAsInvokerDpiAwareWithClassicControls) {
    const std::string manifest = program.Resource(RT_MANIFEST, 1);
    ASSERT_FALSE(manifest.empty()) << "no manifest (type 24, id 1)";
    for (const char* needed : {
             R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)",
             R"(<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>)",
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
         })
        EXPECT_NE(manifest.find(needed), std::string::npos) << "the manifest lacks " << needed;
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos) << "the dialogs must keep the classic look";
}

TEST_P(ProgramResources, VersionResourceCarriesTheAboutDialogsVersion) {
    const std::string aboutLine = DialogItemText(program.Resource(RT_DIALOG, IDD_ABOUT), IDC_ABOUT_VERSION);
    unsigned part[4] = {};
    char end = 0;
    ASSERT_EQ(std::sscanf(aboutLine.c_str(), "Version %u.%u.%u.%u%c", &part[0], &part[1], &part[2], &part[3], &end), 4)
        << "About shows \"" << aboutLine << "\"";
    const std::string aboutVersion = aboutLine.substr(8);

    std::vector<char> info(GetFileVersionInfoSizeA(program.Path().c_str(), nullptr));
    ASSERT_FALSE(info.empty()) << "no version resource";
    ASSERT_TRUE(GetFileVersionInfoA(program.Path().c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed);
    const DWORD high = MAKELONG(part[1], part[0]), low = MAKELONG(part[3], part[2]);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
    EXPECT_EQ(VersionString(info, "FileVersion"), aboutVersion);
    EXPECT_EQ(VersionString(info, "ProductVersion"), aboutVersion);
    EXPECT_EQ(VersionString(info, "OriginalFilename"), "QuarelEditor.exe");
    EXPECT_EQ(VersionString(info, "ProductName"), "Quarel Editor");
    for (const char* name : {"CompanyName", "FileDescription"})
        EXPECT_FALSE(VersionString(info, name).empty()) << "no " << name;
}

// Each menu item with a key shows it right-aligned after a tab, as Windows menus do.
TEST_P(ProgramResources, MenuItemsShowTheirKeysAfterATab) {
    const struct {
        int command;
        const char* text;
    } items[] = {
        {CMD_FILE_NEW, "&New\tCtrl+N"},          {CMD_FILE_OPEN, "&Open\tCtrl+O"},
        {CMD_FILE_SAVE, "&Save\tCtrl+S"},        {CMD_FILE_PRINT, "&Print\tCtrl+P"},
        {CMD_EDIT_UNDO, "&Undo\tCtrl+Z"},        {CMD_EDIT_SELECT_ALL, "&Select All\tCtrl+A"},
        {CMD_EDIT_FIND_NEXT, "Find &Next\tF3"},  {CMD_EDIT_GO_TO, "&Go To...\tCtrl+G"},
        {CMD_SETTINGS_FONT, "&Font..."},
    };
    HMENU menu = LoadMenuA(program.Module(), MAKEINTRESOURCEA(IDM_MAIN_MENU));
    ASSERT_NE(menu, nullptr);
    for (const auto& item : items) {
        char text[64] = {};
        GetMenuStringA(menu, item.command, text, sizeof text, MF_BYCOMMAND);
        EXPECT_STREQ(text, item.text);
    }
    DestroyMenu(menu);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, ProgramResources, testing::ValuesIn(kBuilds),
                         [](const testing::TestParamInfo<const char*>& build) { return std::string(build.param); });

}  // namespace

#endif
