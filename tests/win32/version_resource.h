// What an executable's version resource says, read as Explorer reads it.
#pragma once

#include <string>

namespace natalo::testing {

// A text of the version resource in US English, code page 1252 ("ProductVersion",
// "CompanyName", ...); empty when there is none.
std::string VersionValue(const std::string& path, const std::string& name);

}  // namespace natalo::testing
