// Messages that more than one file command shows, in one place.
#pragma once

#include <string>
#include <string_view>

namespace skelmora {

// A file whose type is neither the design file nor the older hull file.
inline constexpr const char* kNotHullFileMessage = "This file type is NOT a SKELMORA hull file";

// Any file that could not be written.
inline std::string CannotSaveMessage(std::string_view path) {
  return "Cannot save the file: " + std::string(path);
}

}  // namespace skelmora
