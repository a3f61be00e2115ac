// A written XML file validated against the LandXML schema by the host's xmllint
// (xml_checker.sh serves the requests), which a Windows program under Wine cannot
// start itself.
#pragma once

#include <string>

struct DriverSettings;

// Skips the scenario when the host has no xmllint; otherwise fails it, quoting
// xmllint, when the file at `path` (a Windows path) is not valid.
void CheckValidLandXml(const DriverSettings& settings, const std::string& path);
