// Runs every scenario against the real program and prints one line each, then
// "N passed, M failed" (", K skipped" added when any was). Exit code 0 only when none failed.
//   e2e_driver --program <QuarelEditor.exe> --work <folder>
//              [--full-disk <folder on a full file system> | --no-full-disk <reason>]
//              [--file-ops-log <trace of the Wine server's renames> | --no-file-ops-log <reason>]
//              [--print-pdf <PDF the default queue writes> --print-requests <folder> | --no-printer <reason>]
//              [--only <part of a scenario name>]
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/scenario.h"

#include <windows.h>

namespace {

std::vector<Scenario> AllScenarios() {
    std::vector<Scenario> all;
    for (auto group : {StartupScenarios, EditMenuScenarios, DialogKeyScenarios, SaveQuestionScenarios,
                       FileRoundTripScenarios, FileFailureScenarios, SaveSafetyScenarios, OptionsScenarios,
                       TraceScenarios, RailScenarios, CalculatorSharingScenarios, CalculatorInputScenarios,
                       SetOutScenarios, PointTraceScenarios, LineScenarios, ElementTableScenarios, TrackCheckScenarios, FindReplaceScenarios,
                       GoToScenarios, PrintScenarios, PictureScenarios, EndOfFileMarkScenarios, LandXmlImportScenarios, LandXmlExportScenarios,
                       FiniteNumberScenarios, ExampleFieldBookScenarios, ReleaseSmokeScenarios})
        for (const Scenario& scenario : group()) all.push_back(scenario);
    return all;
}

enum class Outcome { Passed, Failed, Skipped };

Outcome RunOne(const DriverSettings& settings, const Scenario& scenario, int number) {
    const std::string folder = JoinPath(settings.workFolder, "s" + std::to_string(number));
    const ULONGLONG start = GetTickCount64();
    std::string message;
    Outcome outcome = Outcome::Failed;
    try {
        MakeFolder(folder);
        ScenarioContext context(settings, folder);
        try {
            scenario.run(context);
            outcome = Outcome::Passed;
            context.EndPrograms(true);
        } catch (...) {
            context.EndPrograms(false);
            throw;
        }
    } catch (const ScenarioSkipped& skipped) {
        outcome = Outcome::Skipped;
        message = skipped.what();
    } catch (const std::exception& failure) {
        outcome = Outcome::Failed;
        message = failure.what();
    }
    const char* label = outcome == Outcome::Passed ? "PASS" : outcome == Outcome::Skipped ? "SKIP" : "FAIL";
    const double seconds = static_cast<double>(GetTickCount64() - start) / 1000;
    std::printf("%s  %s (%.1f s)%s%s\n", label, scenario.name, seconds, message.empty() ? "" : ": ", message.c_str());
    std::fflush(stdout);
    return outcome;
}

}  // namespace

int main(int argc, char** argv) {
    DriverSettings settings;
    std::string only;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--program") settings.programPath = value;
        else if (option == "--work") settings.workFolder = value;
        else if (option == "--full-disk") settings.fullDiskFolder = value;
        else if (option == "--no-full-disk") settings.fullDiskSkipReason = value;
        else if (option == "--file-ops-log") settings.fileOperationsLog = value;
        else if (option == "--no-file-ops-log") settings.fileOperationsSkipReason = value;
        else if (option == "--print-pdf") settings.printPdf = value;
        else if (option == "--print-requests") settings.printRequests = value;
        else if (option == "--no-printer") settings.printerSkipReason = value;
        else if (option == "--xml-requests") settings.xmlRequests = value;
        else if (option == "--no-xmllint") settings.xmllintSkipReason = value;
        else if (option == "--only") only = value;
    }
    if (settings.programPath.empty() || settings.workFolder.empty()) {
        std::fprintf(stderr, "usage: e2e_driver --program <exe> --work <folder> [--full-disk <folder>] "
                             "[--no-full-disk <reason>] [--only <name part>]\n");
        return 2;
    }
    int passed = 0, failed = 0, skipped = 0, number = 0;
    for (const Scenario& scenario : AllScenarios()) {
        ++number;
        if (!only.empty() && std::string(scenario.name).find(only) == std::string::npos) continue;
        switch (RunOne(settings, scenario, number)) {
        case Outcome::Passed: ++passed; break;
        case Outcome::Failed: ++failed; break;
        case Outcome::Skipped: ++skipped; break;
        }
    }
    // One summary line, which the test command reads: the skips in it too.
    if (skipped)
        std::printf("%d passed, %d failed, %d skipped\n", passed, failed, skipped);
    else
        std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
