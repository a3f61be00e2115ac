// Runs a calculator the way its dialog does on CALC: the typed field texts are
// stored and echoed into the input piece, then the compute function gives the
// result fields and the result pieces. The report is everything appended to the
// editor, the pieces in order: nothing when a field holds no finite number.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>

#include "calculator/calculator.h"
#include "numeric/precision_settings.h"

struct CalculatorRun {
    std::string report;
    std::map<int, std::string> resultFields;
};

// Fields missing from typed read as "0", as a field left at its opening text stores 0.
inline CalculatorRun RunCalculator(const Calculator& calculator, CalculationStore& store,
                                   const std::map<int, std::string>& typed) {
    CalculatorRun run;
    RefusedField refused;
    run.report = StoreFieldsAndBuildInputPiece(
        calculator, store,
        [&](int controlId) {
            auto it = typed.find(controlId);
            return it == typed.end() ? std::string("0") : it->second;
        },
        &refused);
    if (refused.controlId != 0) return run; // the dialog computes nothing either
    CalculationOutput out = calculator.compute(store);
    for (const std::string& piece : out.resultPieces)
        run.report += piece;
    for (const auto& [id, text] : out.resultFields)
        run.resultFields[id] = text;
    return run;
}

// A calculator test: four linear and two angle decimals, as after start-up, and a
// store of its own.
class CalculatorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        LinearDecimals = DefaultLinearDecimals;
        AngleDecimals = DefaultAngleDecimals;
    }
    void TearDown() override {
        LinearDecimals = DefaultLinearDecimals;
        AngleDecimals = DefaultAngleDecimals;
    }
    // One CALC with typed[i] typed into the field ids[i].
    template <typename Ids, typename Texts>
    CalculatorRun RunTyped(const Calculator& calculator, const Ids& ids, const Texts& typed) {
        std::map<int, std::string> fields;
        for (std::size_t i = 0; i < typed.size(); ++i)
            fields[ids[i]] = typed[i];
        return RunCalculator(calculator, store, fields);
    }
    CalculationStore store;
};
