// Argument handling shared by the commands of skelmora-cli.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace skelmora::cli {

struct Args {
  std::vector<std::string> positional;
  bool json = false;
  std::optional<int> columnDivisions;
  std::optional<int> rowDivisions;
  std::optional<int> stations;         // --stations N
  std::optional<double> displacement;  // --displacement W
  std::optional<std::string> out;      // --out PATH
  std::optional<std::string> view;     // --view body|plan|profile
  std::optional<int> shlVersion;       // --shl-version 5|6
  std::optional<bool> igesTranspose;   // --iges-transpose yes|no
  std::optional<bool> igesInches;      // --iges-units in|mm
  std::optional<char> units;           // --units F|M
  std::vector<std::string> given;      // the options as named, in order
};

// Parses the options after the command name. On error returns false with a
// message for standard error.
bool ParseArgs(int argc, char** argv, int first, Args& args, std::string& message);

// The first option in args that allowed does not name, or nothing.
std::optional<std::string> UnexpectedOption(const Args& args,
                                            const std::vector<std::string>& allowed);

// A whole token as a number, or nothing.
std::optional<double> ParseDouble(const std::string& text);
std::optional<int> ParseInt(const std::string& text);

// FROM:TO:STEP as its three numbers, or nothing.
std::optional<std::array<double, 3>> ParseRange(const std::string& text);

}  // namespace skelmora::cli
