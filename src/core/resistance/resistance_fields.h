// The resistance inputs one by one, as the command line and the window
// offer them: caption, option, JSON key, unit, which methods use it and what
// values it may take.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "resistance/resistance.h"

namespace skelmora {

enum class InputSign { kPositive, kNotNegative, kAny };

struct ResistanceField {
  const char* caption;  // as the window shows it
  const char* option;   // --lwl
  const char* key;      // lwl, halfEntrance (JSON)
  const char* unit;     // SI
  double ResistanceInputs::*value;
  bool holtrop, savitsky, yacht;
  InputSign sign;
};

const std::vector<ResistanceField>& ResistanceFields();

bool UsedBy(const ResistanceField& field, ResistanceMethod method);

// Nothing when value suits the field; otherwise what is wrong, naming it by
// `name` ("--lwl must be more than 0").
std::optional<std::string> CheckFieldValue(const ResistanceField& field, double value,
                                           const std::string& name);

}  // namespace skelmora
