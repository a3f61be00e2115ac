// The store of persisted calculator values: its start values, and how the field
// tables of the calculators share its values and names, checked through the
// same two steps the dialogs take: reading the fields on CALC and filling them at
// the next opening.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "calculator/calculator.h"
#include "menu/menu_commands.h"
#include "numeric/precision_settings.h"
#include "resource_ids.h"

namespace {

using SV = StoredValue;

// Where a field sits: dialog template and control id.
using FieldPlace = std::pair<int, int>;

// Every persisted value and the fields that show it, in every calculator's dialog.
const std::vector<std::pair<SV, std::vector<FieldPlace>>> SharedValues = {
    {SV::PK_A,
     {{1011, 1112}, {1012, 1112}, {1013, 1122}, {1014, 1112}, {1015, 1112}, {1016, 1112}, {1017, 1112},
      {1018, 1112}, {1019, 1122}}},
    {SV::Y_A, {{1011, 1116}, {1012, 1116}, {1013, 1126}, {1017, 1116}, {1018, 1116}, {1019, 1126}}},
    {SV::X_A, {{1011, 1118}, {1012, 1118}, {1013, 1128}, {1017, 1118}, {1018, 1118}, {1019, 1128}}},
    {SV::PK_B, {{1011, 1122}, {1012, 1122}, {1014, 1122}, {1015, 1122}, {1016, 1122}, {1017, 1122}, {1018, 1122}}},
    {SV::Y_B, {{1011, 1126}, {1012, 1126}, {1017, 1126}, {1018, 1126}}},
    {SV::X_B, {{1011, 1128}, {1012, 1128}, {1017, 1128}, {1018, 1128}}},
    {SV::PK_line, {{1013, 1112}, {1019, 1112}}},
    {SV::Y_lin, {{1013, 1116}, {1019, 1116}}},
    {SV::X_lin, {{1013, 1118}, {1019, 1118}}},
    {SV::Y_ck, {{1012, 1144}, {1013, 1144}, {1018, 1144}, {1019, 1144}}},
    {SV::X_ck, {{1012, 1146}, {1013, 1146}, {1018, 1146}, {1019, 1146}}},
    {SV::R_kk, {{1012, 1148}, {1013, 1148}, {1015, 1148}, {1018, 1148}, {1019, 1148}}},
    {SV::z_trace, {{1012, 1150}, {1018, 1150}}},
    {SV::q, {{1012, 1152}, {1013, 1152}, {1018, 1152}, {1019, 1152}}},
    {SV::L_sk, {{1013, 1154}, {1019, 1154}}},
    {SV::Y_pz, {{1011, 1134}, {1012, 1134}, {1013, 1134}}},
    {SV::X_pz, {{1011, 1136}, {1012, 1136}, {1013, 1136}}},
    {SV::d_A, {{1014, 1114}, {1015, 1114}, {1016, 1114}}},
    {SV::m_A, {{1014, 1120}, {1015, 1120}, {1016, 1120}}},
    {SV::d_B, {{1014, 1124}, {1015, 1124}, {1016, 1124}}},
    {SV::m_B, {{1014, 1130}, {1015, 1130}, {1016, 1130}}},
    {SV::z_rail, {{1015, 1150}}},
    {SV::PKnsk, {{1016, 1168}}},
    {SV::C, {{1016, 1170}}},
    {SV::Pk_rp, {{1014, 1158}, {1015, 1158}, {1016, 1158}}},
    {SV::m_rp, {{1014, 1160}, {1015, 1160}, {1016, 1160}}},
    {SV::B_rl, {{1014, 1163}, {1015, 1163}, {1016, 1163}}},
    {SV::PK_so, {{1017, 1172}, {1018, 1172}, {1019, 1172}, {1020, 1172}}},
    {SV::d_so, {{1017, 1174}, {1018, 1174}, {1019, 1174}, {1020, 1174}}},
    {SV::PK_to, {{1017, 1176}, {1018, 1176}, {1019, 1176}, {1020, 1176}}},
    {SV::step, {{1017, 1178}, {1018, 1178}, {1019, 1178}, {1020, 1178}}},
};

// The dialog templates of every calculator of the menus.
std::vector<int> AllTemplates() {
    std::vector<int> templates;
    for (const MenuCommand* command : CalculatorCommands())
        templates.push_back(command->calculator->templateId);
    return templates;
}

const Calculator& CalculatorOf(int templateId) {
    const Calculator* calculator = CalculatorForTemplate(templateId);
    EXPECT_NE(calculator, nullptr) << templateId;
    return *calculator;
}

const CalculatorField* FieldAt(FieldPlace place) {
    for (const CalculatorField& field : CalculatorOf(place.first).fields)
        if (field.controlId == place.second) return &field;
    return nullptr;
}

// CALC in a dialog with the given field texts (the others "0"): the values stored.
void TypeAndCalc(CalculationStore& store, int templateId, const std::map<int, std::string>& typed) {
    StoreFieldsAndBuildInputPiece(CalculatorOf(templateId), store, [&](int controlId) {
        auto it = typed.find(controlId);
        return it == typed.end() ? std::string("0") : it->second;
    });
}

std::string OpeningText(const CalculationStore& store, FieldPlace place) {
    const CalculatorField* field = FieldAt(place);
    return field ? FieldOpeningText(*field, store) : "(no field " + std::to_string(place.second) + ")";
}

class CalculationStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { LinearDecimals = 4; }
    void TearDown() override { LinearDecimals = DefaultLinearDecimals; }
    CalculationStore store;
};

TEST_F(CalculationStoreTest, StartValues) {
    for (int i = 0; i < static_cast<int>(SV::Count); ++i) {
        const SV v = static_cast<SV>(i);
        EXPECT_EQ(store[v], v == SV::B_rl ? 0.76 : 0.0) << i;
    }
    EXPECT_EQ(store.Name(StoredName::PZ), "");
    EXPECT_EQ(store.Name(StoredName::Rp), "");

    store[SV::B_rl] = 1;
    store[SV::PK_A] = 5;
    store.Name(StoredName::Rp) = "R1";
    store.Reset();
    EXPECT_EQ(store[SV::B_rl], 0.76);
    EXPECT_EQ(store[SV::PK_A], 0.0);
    EXPECT_EQ(store.Name(StoredName::Rp), "");
}

// At the first opening every numeric field reads "0.0000", B_rl "0.7600", names empty,
// check boxes unchecked ("0").
TEST_F(CalculationStoreTest, FirstOpeningOfEveryDialog) {
    for (int templateId : AllTemplates()) {
        const Calculator& calculator = CalculatorOf(templateId);
        for (const CalculatorField& field : calculator.fields) {
            const char* expected = field.isName                    ? ""
                                   : field.isCheck                 ? "0"
                                   : field.controlId == IDC_B_RL ? "0.7600"
                                                                   : "0.0000";
            EXPECT_EQ(FieldOpeningText(field, store), expected) << templateId << " field " << field.controlId;
        }
    }
}

// Each numeric field of the calculators' tables edits the one value the sharing table gives
// it, and no field is left out of that table.
TEST_F(CalculationStoreTest, FieldTablesBindTheSharedValues) {
    std::map<FieldPlace, SV> expected;
    for (const auto& [value, places] : SharedValues)
        for (FieldPlace place : places)
            expected[place] = value;
    int numericFields = 0;
    for (int templateId : AllTemplates())
        for (const CalculatorField& field : CalculatorOf(templateId).fields) {
            if (field.isName || field.isCheck) continue;
            ++numericFields;
            auto it = expected.find({templateId, field.controlId});
            ASSERT_NE(it, expected.end()) << templateId << " field " << field.controlId;
            EXPECT_EQ(field.value, it->second) << templateId << " field " << field.controlId;
        }
    EXPECT_EQ(numericFields, static_cast<int>(expected.size()));
}

// A value typed in any dialog is what every dialog that shows it opens with.
TEST_F(CalculationStoreTest, ValueTypedInOneDialogOpensInTheOthers) {
    for (const auto& [value, places] : SharedValues)
        for (FieldPlace typedAt : places) {
            store.Reset();
            TypeAndCalc(store, typedAt.first, {{typedAt.second, "  -1234.56789e0"}});
            for (FieldPlace shownAt : places)
                EXPECT_EQ(OpeningText(store, shownAt), "-1234.5679")
                    << "typed in " << typedAt.first << "/" << typedAt.second << ", shown in " << shownAt.first
                    << "/" << shownAt.second;
        }
}

// The straight trace's PK_A is the first picket of every dialog; in the spiral trace
// it is the "PK_nkk" field of the second row, whose first row is its own PK_line.
TEST_F(CalculationStoreTest, FirstPicketOfTheStraightTraceEverywhere) {
    TypeAndCalc(store, IDD_TRACE_STRAIGHT, {{IDC_PK_FIRST, "1500.25"}});
    for (FieldPlace place : {FieldPlace{1012, 1112}, FieldPlace{1013, 1122}, FieldPlace{1014, 1112},
                             FieldPlace{1015, 1112}, FieldPlace{1016, 1112}})
        EXPECT_EQ(OpeningText(store, place), "1500.2500") << place.first;
    EXPECT_EQ(OpeningText(store, {1013, 1112}), "0.0000");
}

// A numeric field is a number when its text, white space around it aside, is wholly
// one as the standard conversion reads it; any other text stops CALC before anything
// (a name included) is stored, and names the first such field. A number is echoed as
// typed and reopens as the number.
TEST_F(CalculationStoreTest, FieldsThatHoldNoNumberStopCalcBeforeAnythingIsStored) {
    struct Case {
        const char* typed;
        bool isNumber;
        double stored;
    } cases[] = {
        {"2,5", false, 0},      {"abc", false, 0},     {"", false, 0},       {" \t ", false, 0},
        {"12.5abc", false, 0},  {"1 000", false, 0},   {"--1", false, 0},    {"1e", false, 0},
        {" 12.5 ", true, 12.5}, {"1e3", true, 1000},   {"-.5", true, -0.5},  {"\t+7\r\n", true, 7},
        {"0x10", true, 16},     {"-inf", false, 0},    {"nan", false, 0},    {"1e400", false, 0},
        {"1e-400", true, 0},
    };
    const Calculator& straight = CalculatorOf(IDD_TRACE_STRAIGHT);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.typed + "\"");
        store.Reset();
        store[SV::PK_A] = 7;
        RefusedField refused{99, "left over"};
        const std::string piece = StoreFieldsAndBuildInputPiece(
            straight, store,
            [&](int controlId) {
                return std::string(controlId == IDC_Y_FIRST ? c.typed : controlId == IDC_PZ_NAME ? "P9" : "1");
            },
            &refused);
        if (c.isNumber) {
            EXPECT_EQ(refused.controlId, 0);
            EXPECT_EQ(store[SV::Y_A], c.stored);
            EXPECT_EQ(store[SV::PK_A], 1);
            EXPECT_EQ(store.Name(StoredName::PZ), "P9");
            EXPECT_NE(piece.find(std::string("\r\nPK0=1   Y0=") + c.typed + "   X0=1\r\n"), std::string::npos);
        } else {
            EXPECT_EQ(refused.controlId, IDC_Y_FIRST);
            EXPECT_EQ(refused.text, c.typed);
            EXPECT_EQ(piece, "");
            EXPECT_EQ(store[SV::PK_A], 7);
            EXPECT_EQ(store[SV::Y_A], 0);
            EXPECT_EQ(store.Name(StoredName::PZ), "");
        }
    }
    // The first field in template order that holds no number is the one named.
    RefusedField refused;
    StoreFieldsAndBuildInputPiece(
        straight, store, [](int controlId) { return std::string(controlId >= IDC_PK_SECOND ? "x" : "1"); },
        &refused);
    EXPECT_EQ(refused.controlId, IDC_PK_SECOND);
}

TEST(RefusedFieldMessage, NamesTheFieldAndItsText) {
    struct Case {
        const char *name, *text, *message;
    } cases[] = {
        {"d_so", "2,5",
         "The field \"d_so\" holds \"2,5\", which is not a number. Write numbers with a decimal point, as 2.5."},
        {"Y_pz", "abc", "The field \"Y_pz\" holds \"abc\", which is not a number."},
        {"Y_pz", "12,", "The field \"Y_pz\" holds \"12,\", which is not a number."}, // no digit after the comma
        {"PK_so", "", "The field \"PK_so\" holds \"\", which is not a number."},
        {"X_A", "12345678901234567890123456789012345678901",
         "The field \"X_A\" holds \"1234567890123456789012345678901234567890...\", which is not a number."},
        {"d_so", " inf", "The field \"d_so\" holds \" inf\", which is not a finite number."},
        {"d_so", "1e400", "The field \"d_so\" holds \"1e400\", which is not a finite number."},
        {"Y_pz", "\x01" "5\r\n", "The field \"Y_pz\" holds \"?5??\", which is not a number."},
    };
    for (const Case& c : cases) EXPECT_EQ(RefusedFieldMessage(c.name, c.text), c.message);
}

// The PZ name is one text for the three trace dialogs, the Rp name one for the three
// rail dialogs; each is kept exactly as typed and the two never mix.
TEST_F(CalculationStoreTest, PointNames) {
    struct Case {
        int typedIn, nameField;
        std::initializer_list<int> shownIn;
        StoredName name;
    } cases[] = {
        {IDD_TRACE_STRAIGHT, IDC_PZ_NAME, {1011, 1012, 1013}, StoredName::PZ},
        {IDD_TRACE_CIRCULAR, IDC_PZ_NAME, {1011, 1012, 1013}, StoredName::PZ},
        {IDD_TRACE_SPIRAL, IDC_PZ_NAME, {1011, 1012, 1013}, StoredName::PZ},
        {IDD_RAIL_STRAIGHT, IDC_RP_NAME, {1014, 1015, 1016}, StoredName::Rp},
        {IDD_RAIL_CIRCULAR, IDC_RP_NAME, {1014, 1015, 1016}, StoredName::Rp},
        {IDD_RAIL_SPIRAL, IDC_RP_NAME, {1014, 1015, 1016}, StoredName::Rp},
    };
    const std::string name = "  Pt 7, km 12+300\t";
    for (const Case& c : cases) {
        store.Reset();
        TypeAndCalc(store, c.typedIn, {{c.nameField, name}});
        EXPECT_EQ(store.Name(c.name), name) << c.typedIn;
        EXPECT_EQ(store.Name(c.name == StoredName::PZ ? StoredName::Rp : StoredName::PZ), "") << c.typedIn;
        for (int shownIn : c.shownIn)
            EXPECT_EQ(OpeningText(store, {shownIn, c.nameField}), name) << shownIn;
    }
}

} // namespace
