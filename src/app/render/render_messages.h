// What the realistic hull window tells the user when it cannot show the hull.
#pragma once

namespace skelmora::app {

inline constexpr const char* kControlNotRegisteredMessage =
    "The realistic view needs the Vistrel rendering control, which is not registered. "
    "Build it (the vistrel target) and register it with \"vistrel-register PATH/libvistrel.so\", "
    "then open the view again.";
inline constexpr const char* kControlNotLoadedMessage =
    "The Vistrel rendering control could not be loaded (%1). Build it again, or register a "
    "working copy with \"vistrel-register PATH/libvistrel.so\", then open the view again.";
inline constexpr const char* kControlNoContextMessage =
    "The Vistrel rendering control could not create an OpenGL context on this display. Run the "
    "program on a display with OpenGL (Mesa's libGL and libGLU; scripts/install-deps.sh "
    "installs them), then open the view again.";
inline constexpr const char* kBitmapNotWrittenMessage = "The bitmap file %1 could not be written.";
inline constexpr const char* kNothingCapturedMessage = "The rendered picture could not be captured.";

}  // namespace skelmora::app
