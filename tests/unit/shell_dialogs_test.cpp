// The dialog procedures over the program's real templates, run in-process under
// Windows (Wine here): the calculation frame with each calculator of the menus, and
// the Options dialog. Their reports go to a hidden edit control of the test's own.
#ifdef _WIN32

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "calculator/calculator.h"
#include "calculator/win32/calculation_dialog.h"
#include "dialogs/about_dialog.h"
#include "dialogs/options_dialog.h"
#include "menu/menu_commands.h"
#include "numeric/precision_settings.h"
#include "resource_ids.h"
#include "text/number_text.h"

namespace {
std::string Text(HWND window) {
    int length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    length =
        static_cast<int>(SendMessageA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(length);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

class ShellDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        // Styled as the program's: no word wrap (a long line stays one line).
        editor_ = CreateWindowExA(0, "edit", "", WS_POPUP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0,
                                  0, 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(editor_, nullptr);
        SendMessageA(editor_, EM_SETLIMITTEXT, 0, 0);
        TheCalculationStore.Reset();
    }
    void TearDown() override {
        if (dialog_ != nullptr) DestroyWindow(dialog_);
        DestroyWindow(editor_);
        editor_ = nullptr;
        TheCalculationStore.Reset();
        LinearDecimals = DefaultLinearDecimals;
        AngleDecimals = DefaultAngleDecimals;
    }
    // Opens a template modelessly with the given procedure; closes the one before.
    HWND Open(int templateId, DLGPROC procedure, const void* parameter = nullptr) {
        if (dialog_ != nullptr) DestroyWindow(dialog_);
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr,
                                     procedure, reinterpret_cast<LPARAM>(parameter));
        return dialog_;
    }
    void Press(int id) { SendMessageA(dialog_, WM_COMMAND, id, 0); }
    HWND Item(int id) { return GetDlgItem(dialog_, id); }

    // A calculator's dialog, opened with this test's text field.
    HWND OpenCalculator(const Calculator* calculator) {
        parameter_ = {calculator, editor_};
        return Open(calculator->templateId, CalculationDialogProc, &parameter_);
    }

    HWND dialog_ = nullptr;
    HWND editor_ = nullptr;
    CalculationDialogParameter parameter_{};
};
} // namespace

// Every field of a calculator's table is an edit control of its template and shows
// the stored value when the dialog opens: a table and a template that disagree
// would store 0 for a field the user typed.
TEST_F(ShellDialogs, EveryTableFieldIsAnEditOfItsTemplateAndOpensWithItsValue) {
    TheCalculationStore[StoredValue::PK_A] = 12.5;
    TheCalculationStore.Name(StoredName::PZ) = "P 7";
    for (const MenuCommand* command : CalculatorCommands()) {
        const Calculator* calculator = command->calculator;
        SCOPED_TRACE(calculator->templateId);
        ASSERT_NE(OpenCalculator(calculator), nullptr);
        EXPECT_FALSE(calculator->fields.empty());
        for (const CalculatorField& field : calculator->fields) {
            SCOPED_TRACE(field.controlId);
            HWND control = Item(field.controlId);
            ASSERT_NE(control, nullptr);
            if (field.isCheck) { // a check box, checked as its stored value says
                EXPECT_STREQ(ClassOf(control).c_str(), "Button");
                EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
                EXPECT_EQ(SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0",
                          FieldOpeningText(field, TheCalculationStore));
                continue;
            }
            EXPECT_STREQ(ClassOf(control).c_str(), "Edit");
            EXPECT_EQ(Text(control), FieldOpeningText(field, TheCalculationStore));
        }
        // CALC and Close are plain push buttons: no default button in the way.
        EXPECT_EQ(GetWindowLongA(Item(IDOK), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_EQ(GetWindowLongA(Item(IDCANCEL), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    }
}

// CALC reads each field from its own control, stores it, echoes the text as typed
// (however long) and appends the report at the end of the editor's text.
TEST_F(ShellDialogs, CalcStoresEveryFieldAndAppendsTheReport) {
    // 10,001 digits that read as a finite number (7 followed by 10,000 zeros would
    // overflow, and a field that holds no finite number stops CALC with a box).
    const std::string longText = "7." + std::string(10000, '0');
    for (const MenuCommand* command : CalculatorCommands()) {
        // A dialog that needs a line read first opens only once there is one; the
        // report of the set-out on the line is checked by its own tests.
        if (command->needs != nullptr) continue;
        const Calculator* calculator = command->calculator;
        SCOPED_TRACE(calculator->templateId);
        ASSERT_NE(OpenCalculator(calculator), nullptr);
        SetWindowTextA(editor_, "field book\r\n");
        // A distinct number in each field (the first one 10,001 digits long), a
        // name with blanks kept as typed.
        int n = 0;
        for (const CalculatorField& field : calculator->fields) {
            std::string text = field.isName ? " Pt 1 " : n == 0 ? longText : std::to_string(n + 1) + ".5 ";
            SetWindowTextA(Item(field.controlId), text.c_str());
            ++n;
        }
        Press(IDOK);

        std::string report = Text(editor_);
        EXPECT_EQ(report.rfind(std::string("field book\r\n\r\n") + calculator->reportTitle + "\r\n", 0), 0u);
        EXPECT_NE(report.find(longText), std::string::npos);
        n = 0;
        for (const CalculatorField& field : calculator->fields) {
            SCOPED_TRACE(field.controlId);
            if (field.isName) {
                EXPECT_EQ(TheCalculationStore.Name(field.name), " Pt 1 ");
            } else if (n == 0) {
                EXPECT_EQ(TheCalculationStore[field.value], ParseNumber(longText.c_str()));
            } else {
                EXPECT_EQ(TheCalculationStore[field.value], n + 1.5);
            }
            EXPECT_NE(report.find(std::string(field.reportLabel) + Text(Item(field.controlId))),
                      std::string::npos);
            ++n;
        }
        EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
    }
}

TEST_F(ShellDialogs, OptionsAppliesClampsAndShowsTheSettingsInForce) {
    ASSERT_NE(Open(IDD_OPTIONS, OptionsDialogProc, editor_), nullptr);
    EXPECT_EQ(Text(Item(IDC_LINEARS)), " 4");
    EXPECT_EQ(Text(Item(IDC_ANGLES)), " 2");
    // Enter goes to Close, the default button: it closes without applying.
    EXPECT_EQ(LOWORD(SendMessageA(dialog_, DM_GETDEFID, 0, 0)), IDCANCEL);

    SetWindowTextA(editor_, "text");
    SetWindowTextA(Item(IDC_LINEARS), "9");
    SetWindowTextA(Item(IDC_ANGLES), "-1");
    Press(IDOK);
    EXPECT_EQ(LinearDecimals, 7);
    EXPECT_EQ(AngleDecimals, 0);
    EXPECT_EQ(Text(Item(IDC_LINEARS)), " 7");
    EXPECT_EQ(Text(Item(IDC_ANGLES)), " 0");
    EXPECT_EQ(Text(editor_), "text\r\n! Len Frac Linear = 7\r\n\r\n! Len Frac Angles = 0\r\n");

    // Nothing to clamp: nothing appended.
    Press(IDOK);
    EXPECT_EQ(Text(editor_), "text\r\n! Len Frac Linear = 7\r\n\r\n! Len Frac Angles = 0\r\n");
}

// About closes on OK and Enter only: it has no Cancel for Esc to reach.
TEST_F(ShellDialogs, AboutHasOkAsDefaultAndNoCancel) {
    ASSERT_NE(Open(IDD_ABOUT, AboutDialogProc), nullptr);
    EXPECT_EQ(LOWORD(SendMessageA(dialog_, DM_GETDEFID, 0, 0)), IDOK);
    EXPECT_EQ(Item(IDCANCEL), nullptr);
    EXPECT_NE(Text(Item(IDC_ABOUT_SUBTITLE)), "");
}

#endif
