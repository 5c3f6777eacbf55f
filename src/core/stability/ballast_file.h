// Ballast data files (".bdt"): the weights table as text, one block of lines
// per column (name, weight, beam, aft bow, height).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "stability/ballast.h"

namespace skelmora {

inline constexpr const char* kBallastFileMarker = "-NBAL-";
// A file without the marker line holds a table of this many rows.
inline constexpr int kBallastDefaultFileRows = 10;

// "-NBAL-", the row count (headings included), then each column's cells of
// rows 1.. and one empty line. CR LF line ends.
std::string FormatBallastFile(const BallastTable& table);

// A file's text into table. A row count that is not a whole number from 2 to
// kBallastMaxRows is refused with a message and the table is left as it was.
// Lines the file lacks read as empty cells.
bool ParseBallastFile(std::string_view text, BallastTable& table, std::string& message);

bool ReadBallastFile(const std::filesystem::path& path, BallastTable& table, std::string& message);
bool WriteBallastFile(const std::filesystem::path& path, const BallastTable& table,
                      std::string& message);

}  // namespace skelmora
