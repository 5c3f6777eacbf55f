// Messages that more than one file command shows, in one place.
#pragma once

#include <string>
#include <string_view>

namespace skelmora {

// A file whose type is neither the design file nor the older hull file, or
// whose contents are not a design at all.
inline constexpr const char* kNotHullFileMessage = "This file type is NOT a SKELMORA hull file";

// The first line of a design file (and of a version 6 older file).
inline constexpr std::string_view kDesignFileMarker = "111234";

// The save flow's questions.
inline constexpr const char* kSaveToDiskQuestion = "Save Design to Disk?";
inline constexpr const char* kOlderFormatQuestion =
    "File is Older Skelmora 5/6 type. Save it as SKELMORA V7 Version?";

// Any file that could not be written.
inline std::string CannotSaveMessage(std::string_view path) {
  return "Cannot save the file: " + std::string(path);
}

}  // namespace skelmora
