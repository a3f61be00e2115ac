#include "driver/disk_files.h"
#include "driver/scenario.h"

std::string ScenarioContext::PathOf(const std::string& name) const {
    return JoinPath(folder_, name);
}

Program& ScenarioContext::Start() {
    return StartIn(folder_);
}

Program& ScenarioContext::StartIn(const std::string& folder) {
    programs_.push_back(std::make_unique<Program>(settings_.programPath, folder));
    return *programs_.back();
}

void ScenarioContext::EndPrograms(bool passed) {
    for (auto& program : programs_) {
        if (passed) program->EndAsUser();
        else program->Kill();
    }
    programs_.clear();
}
