#include "cli_args.h"

#include <algorithm>
#include <cctype>

#include "files/text_io.h"

namespace skelmora::cli {

std::optional<double> ParseDouble(const std::string& text) { return TryParseReal(text); }

std::optional<int> ParseInt(const std::string& text) { return TryParseInt(text); }

std::optional<std::array<double, 3>> ParseRange(const std::string& text) {
  std::array<double, 3> parts{};
  std::size_t start = 0;
  for (std::size_t k = 0; k < parts.size(); ++k) {
    const std::size_t colon = text.find(':', start);
    if ((colon == std::string::npos) != (k + 1 == parts.size())) return std::nullopt;
    const auto value = ParseDouble(text.substr(start, colon - start));
    if (!value) return std::nullopt;
    parts[k] = *value;
    start = colon + 1;
  }
  return parts;
}

std::optional<std::string> UnexpectedOption(const Args& args,
                                            const std::vector<std::string>& allowed) {
  for (const std::string& option : args.given) {
    if (std::find(allowed.begin(), allowed.end(), option) == allowed.end()) return option;
  }
  return std::nullopt;
}

bool ParseArgs(int argc, char** argv, int first, Args& args, std::string& message) {
  for (int k = first; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg.size() > 2 && arg.rfind("--", 0) == 0) args.given.push_back(arg);
    if (arg == "--json") {
      args.json = true;
    } else if (arg == "--divisions") {
      if (k + 2 >= argc) {
        message = "--divisions needs two numbers: NU NV";
        return false;
      }
      const auto nu = ParseInt(argv[k + 1]);
      const auto nv = ParseInt(argv[k + 2]);
      if (!nu || !nv || *nu < 1 || *nu > 200 || *nv < 1 || *nv > 200) {
        message = "Divisions must be whole numbers from 1 to 200: " + std::string(argv[k + 1]) +
                  " " + argv[k + 2];
        return false;
      }
      args.columnDivisions = nu;
      args.rowDivisions = nv;
      k += 2;
    } else if (arg == "--shl-version") {
      const auto version = k + 1 < argc ? ParseInt(argv[k + 1]) : std::nullopt;
      if (!version || (*version != 5 && *version != 6)) {
        message = "--shl-version needs 5 or 6";
        return false;
      }
      args.shlVersion = version;
      ++k;
    } else if (arg == "--units") {
      const std::string value = k + 1 < argc ? argv[k + 1] : "";
      if (value != "F" && value != "f" && value != "M" && value != "m") {
        message = "--units needs F (feet) or M (metres)";
        return false;
      }
      args.units = static_cast<char>(std::toupper(static_cast<unsigned char>(value[0])));
      ++k;
    } else if (arg == "--iges-transpose" || arg == "--iges-units") {
      const std::string value = k + 1 < argc ? argv[k + 1] : "";
      const bool transpose = arg == "--iges-transpose";
      const char* yes = transpose ? "yes" : "in";
      const char* no = transpose ? "no" : "mm";
      if (value != yes && value != no) {
        message = arg + " needs " + yes + " or " + no;
        return false;
      }
      (transpose ? args.igesTranspose : args.igesInches) = value == yes;
      ++k;
    } else if (arg == "--stations" || arg == "--displacement" || arg == "--out" ||
               arg == "--view") {
      if (k + 1 >= argc) {
        message = arg + " needs a value";
        return false;
      }
      const std::string value = argv[++k];
      if (arg == "--out") {
        args.out = value;
      } else if (arg == "--view") {
        if (value != "body" && value != "plan" && value != "profile") {
          message = "The view must be body, plan or profile: " + value;
          return false;
        }
        args.view = value;
      } else if (arg == "--stations") {
        const auto stations = ParseInt(value);
        if (!stations || *stations < 1 || *stations > 100) {
          message = "Stations must be a whole number from 1 to 100: " + value;
          return false;
        }
        args.stations = stations;
      } else {
        args.displacement = ParseDouble(value);
        if (!args.displacement) {
          message = "The displacement is not a number: " + value;
          return false;
        }
      }
    } else if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
      message = "Unknown option: " + arg;
      return false;
    } else {
      args.positional.push_back(arg);
    }
  }
  return true;
}

}  // namespace skelmora::cli
