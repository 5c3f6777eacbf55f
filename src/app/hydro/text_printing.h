// Plain text on a printer: fixed-pitch lines top to bottom, a new page when
// one is full, as a line printer would put them.
#pragma once

#include <string>

class QPrinter;

namespace skelmora::app {

// Each '\n' ends a line. False when the printer could not be opened or a
// page could not be started; the printer is closed in every case.
bool PrintTextLines(QPrinter& printer, const std::string& text);

}  // namespace skelmora::app
