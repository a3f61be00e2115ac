// A scenario: one thing a user does with the program, from its start to its end.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "driver/program.h"

struct DriverSettings {
    std::string programPath;         // QuarelEditor.exe, as a Windows path
    std::string workFolder;          // a fresh folder under which each scenario gets its own
    std::string fullDiskFolder;      // a folder on a small full file system, or ""
    std::string fullDiskSkipReason;  // why there is none
    // A trace of the Wine server's renames and deletes (strace), as a Windows path, or "".
    std::string fileOperationsLog;
    std::string fileOperationsSkipReason;  // why there is none
    // The PDF the default print queue writes, and the folder where the host reads it
    // back (print_checker.sh), as Windows paths; or "" and why there is no printer.
    std::string printPdf;
    std::string printRequests;
    std::string printerSkipReason;
    // The folder where the host validates written LandXML files with xmllint
    // (xml_checker.sh), as a Windows path; or "" and why there is none.
    std::string xmlRequests;
    std::string xmllintSkipReason;
};

class ScenarioContext {
public:
    ScenarioContext(const DriverSettings& settings, std::string folder)
        : settings_(settings), folder_(std::move(folder)) {}

    const DriverSettings& Settings() const { return settings_; }
    // The scenario's own folder, empty at its start; the program's current directory.
    const std::string& Folder() const { return folder_; }
    std::string PathOf(const std::string& name) const;
    // Starts the program; the runner ends it after the scenario (as a user when the
    // scenario passed, by TerminateProcess when it failed).
    Program& Start();
    // Starts the program with another current directory.
    Program& StartIn(const std::string& folder);
    void EndPrograms(bool passed);

private:
    const DriverSettings& settings_;
    std::string folder_;
    std::vector<std::unique_ptr<Program>> programs_;
};

struct Scenario {
    const char* name;
    void (*run)(ScenarioContext& context);
};

// The scenarios, by subject.
std::vector<Scenario> StartupScenarios();
std::vector<Scenario> EditMenuScenarios();
std::vector<Scenario> DialogKeyScenarios();
std::vector<Scenario> SaveQuestionScenarios();
std::vector<Scenario> FileRoundTripScenarios();
std::vector<Scenario> FileFailureScenarios();
std::vector<Scenario> SaveSafetyScenarios();
std::vector<Scenario> OptionsScenarios();
std::vector<Scenario> TraceScenarios();
std::vector<Scenario> RailScenarios();
std::vector<Scenario> CalculatorSharingScenarios();
std::vector<Scenario> CalculatorInputScenarios();
std::vector<Scenario> SetOutScenarios();
std::vector<Scenario> PointTraceScenarios();
std::vector<Scenario> LineScenarios();
std::vector<Scenario> ElementTableScenarios();
std::vector<Scenario> TrackCheckScenarios();
std::vector<Scenario> ReleaseSmokeScenarios();
std::vector<Scenario> FindReplaceScenarios();
std::vector<Scenario> GoToScenarios();
std::vector<Scenario> PrintScenarios();
std::vector<Scenario> PictureScenarios();
std::vector<Scenario> EndOfFileMarkScenarios();
std::vector<Scenario> LandXmlImportScenarios();
std::vector<Scenario> LandXmlExportScenarios();
std::vector<Scenario> FiniteNumberScenarios();
std::vector<Scenario> ExampleFieldBookScenarios();
