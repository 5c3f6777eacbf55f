// Loading condition files (".lcd"): a marker line, then one item per line,
// a keyword and blank-separated fields, numbers with a point. Written with
// CR LF; LF alone is read too.
//
//   SKELMORA LOADING CONDITION
//   LIGHTSHIP weight lcg vcg tcg
//   ITEM name weight lcg vcg tcg
//   TANK name yFore yAft xMin xMax zMin zMax density fill
//   OPENING name x y z
//   WINDAGE name area height
//   BILGEKEELS area          (at most one; none: no bilge keels)
//   SHARPBILGES              (at most one; a hard-chined hull)
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "loading/loading_condition.h"

namespace skelmora {

inline constexpr const char* kConditionFileMarker = "SKELMORA LOADING CONDITION";
// More lines than any condition a designer keeps; a larger file is refused.
inline constexpr int kMaxConditionLines = 100000;

std::string FormatConditionFile(const LoadingCondition& condition);

// The text into condition. Refused, with a message naming the line and
// condition left as it was, for a first line that is not the marker, an
// unknown keyword, a field missing, extra or not a number, a second
// LIGHTSHIP, BILGEKEELS or SHARPBILGES line, or a value the Check functions
// of loading_condition.h refuse. Empty
// lines are skipped; a file without a LIGHTSHIP line has none (weight 0).
bool ParseConditionFile(std::string_view text, LoadingCondition& condition, std::string& message);

bool ReadConditionFile(const std::filesystem::path& path, LoadingCondition& condition,
                       std::string& message);
// Refuses (false, message, file untouched) a condition CheckCondition
// refuses; otherwise saved through the atomic save.
bool WriteConditionFile(const std::filesystem::path& path, const LoadingCondition& condition,
                        std::string& message);

}  // namespace skelmora
