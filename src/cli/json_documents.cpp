#include "json_documents.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "hydro/result_fields.h"
#include "resistance/resistance_fields.h"
#include "stability/stability_data.h"

namespace skelmora::cli {

using nlohmann::json;

namespace {

json Nullable(bool valid, double value) { return valid ? json(value) : json(nullptr); }

json ResistanceRowJson(ResistanceMethod method, const ResistanceRow& r) {
  json row{{"speed", r.speed},
           {"froude", r.froude},
           {"friction", Nullable(r.valid, r.friction)},
           {"wave", Nullable(r.valid, r.wave)},
           {"total", Nullable(r.valid, r.total)},
           {"effectivePower", Nullable(r.valid, r.effectivePower)}};
  if (method == ResistanceMethod::kHoltrop) {
    row["formFactor"] = Nullable(r.valid, r.formFactor);
    row["appendage"] = Nullable(r.valid, r.appendage);
    row["bulb"] = Nullable(r.valid, r.bulb);
    row["transom"] = Nullable(r.valid, r.transom);
    row["correlation"] = Nullable(r.valid, r.correlation);
  } else if (method == ResistanceMethod::kSavitsky) {
    row["trim"] = Nullable(r.valid, r.trim);
    row["wettedLength"] = Nullable(r.valid, r.wettedLength);
  }
  return row;
}

json OptionalNumber(const std::optional<double>& value) {
  return value ? json(*value) : json(nullptr);
}

}  // namespace

json HydrostaticsJson(const HydrostaticResults& r, int32_t units) {
  json doc;
  json names;
  for (const ResultField& field : HydrostaticFields(r, units)) {
    doc[field.name] = field.value;
    names[field.name] = field.unit;
  }
  doc["units"] = std::move(names);
  return doc;
}

json ResistanceJson(const ResistanceRun& run) {
  json inputs, units{{"speed", "kn"},   {"froude", ""},       {"friction", "kN"},
                     {"wave", "kN"},    {"total", "kN"},      {"effectivePower", "kW"}};
  for (const ResistanceField& f : ResistanceFields()) {
    if (!UsedBy(f, run.method)) continue;
    inputs[f.key] = run.inputs.*(f.value);
    units[f.key] = f.unit;
  }
  inputs["water"] = run.inputs.water == Water::kSalt ? "salt" : "fresh";
  if (run.method == ResistanceMethod::kHoltrop) {
    for (const char* kn : {"appendage", "bulb", "transom", "correlation"}) units[kn] = "kN";
    units["formFactor"] = "";
  } else if (run.method == ResistanceMethod::kSavitsky) {
    units["trim"] = "deg";
    units["wettedLength"] = "m";
  }
  json rows = json::array();
  for (const ResistanceRow& r : run.rows) rows.push_back(ResistanceRowJson(run.method, r));
  json derived;
  if (run.method != ResistanceMethod::kSavitsky) {
    derived = {{"cp", PrismaticOf(run.inputs)}, {"cb", BlockOf(run.inputs)}};
  } else {
    derived = {{"beamLoading", run.inputs.displacement * 1000.0 /
                                   (PropertiesOf(run.inputs.water).density *
                                    std::pow(run.inputs.chineBeam, 3))}};
  }
  return json{{"method", MethodName(run.method)},
              {"inputs", std::move(inputs)},
              {"derived", std::move(derived)},
              {"warnings", run.warnings},
              {"units", std::move(units)},
              {"rows", std::move(rows)}};
}

// A value, or a dash where the method gave none.

json StabilityJson(const StabilityRun& run, int32_t units, const std::vector<Criterion>& criteria) {
  const double cl = FactorsFor(units).length;
  json rows = json::array();
  for (size_t p = 0; p < run.rows.size(); ++p) {
    json row = json::object();
    for (const auto& [name, value] : StabilityRowValues(run, p, units)) row[name] = value;
    row["found"] = run.rows[p].found;
    if (run.rows[p].found) {
      std::string unit;
      TableDisplacement(run.rows[p].volume, units, &unit);
      row["dispUnit"] = unit;
    }
    rows.push_back(std::move(row));
  }
  json list = json::array();
  for (const Criterion& c : criteria) {
    list.push_back({{"name", c.name},
                    {"value", OptionalNumber(c.value)},
                    {"required", c.required},
                    {"unit", c.unit},
                    {"pass", c.pass},
                    {"note", c.value ? json(nullptr) : json(c.note)}});
  }
  json notFound = json::array();
  for (const double heel : run.NotFound()) notFound.push_back(heel);
  return json{{"rows", std::move(rows)},
              {"notFound", std::move(notFound)},
              {"maxPositiveStability", OptionalNumber(run.maxPositiveStability)},
              {"lcgHullAlone", run.lcgHullAlone * cl},
              {"lcgOverall", run.lcgOverall * cl},
              {"units", FactorsFor(units).metric ? "metric" : "english"},
              {"passes", run.totalPasses},
              {"criteria", std::move(list)}};
}

}  // namespace skelmora::cli
