#include "json_out.h"

#include "files/text_io.h"

namespace skelmora::cli {

nlohmann::json CleanJson(nlohmann::json doc) {
  if (doc.is_number_float()) return CleanNumber(doc.get<double>());
  if (doc.is_structured()) {
    for (auto& member : doc) member = CleanJson(std::move(member));
  }
  return doc;
}

std::string DumpJson(const nlohmann::json& doc) { return CleanJson(doc).dump(); }

}  // namespace skelmora::cli
