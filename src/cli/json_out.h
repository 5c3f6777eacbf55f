// The one way skelmora-cli writes a JSON document.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace skelmora::cli {

// doc as one line. Every real goes through the core's CleanNumber first, so
// no NaN (JSON null), infinity or -0.0 reaches a script.
std::string DumpJson(const nlohmann::json& doc);

// The same cleaning, for callers that format the members themselves.
nlohmann::json CleanJson(nlohmann::json doc);

}  // namespace skelmora::cli
