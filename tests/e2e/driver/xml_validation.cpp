#include "driver/xml_validation.h"

#include <windows.h>

#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/scenario.h"
#include "driver/waiting.h"

void CheckValidLandXml(const DriverSettings& settings, const std::string& path) {
    if (settings.xmlRequests.empty()) throw ScenarioSkipped("no xmllint: " + settings.xmllintSkipReason);
    const std::string answer = JoinPath(settings.xmlRequests, "validated");
    const std::string request = JoinPath(settings.xmlRequests, "validate.txt");
    DeleteFileA(answer.c_str());
    // Put in place whole, so that the host never reads half a path.
    WriteFileBytes(request + ".tmp", path);
    Check(MoveFileExA((request + ".tmp").c_str(), request.c_str(), MOVEFILE_REPLACE_EXISTING) != 0,
          "the request to validate " + path);
    std::string status;
    WaitFor([&] { return TryReadFileBytes(answer, status) && !status.empty(); }, "xmllint to validate " + path);
    const std::string said = ReadFileBytes(JoinPath(settings.xmlRequests, "xmllint.txt"));
    Check(status[0] == '0', path + " valid against LandXML-1.2.xsd; xmllint said: " + Visible(said, 600));
}
