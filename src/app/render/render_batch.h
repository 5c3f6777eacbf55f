// skelmora --render FILE.s98 --out FILE.png [--quality low|medium|high]
// [--size WxH]: the realistic view of a design, drawn through the Vistrel
// control with the window's own Draw sequence and view, written as a PNG.
#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

namespace skelmora::app {

struct RenderBatchRequest {
  QString design;
  QString out;
  QString quality = QStringLiteral("low");
  QString size = QStringLiteral("818x602");  // the window's picture
};

// Checks the request, loads the design, renders and writes the picture.
// Returns the exit status (0 written, 1 failed, 2 a malformed request);
// every failure is explained on err.
int RunRenderBatch(const RenderBatchRequest& request, std::ostream& err);

// "WxH" with each side 1..4096; false when malformed.
bool ParseRenderSize(const QString& text, int& width, int& height);
// "low", "medium", "high" as the Quality index; -1 otherwise.
int ParseRenderQuality(const QString& text);

}  // namespace skelmora::app
