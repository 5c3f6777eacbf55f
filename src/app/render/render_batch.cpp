#include "render/render_batch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QSaveFile>
#include <QWidget>
#include <QWindow>

#include "files/design_file.h"
#include "model/design_session.h"
#include "render/gl_control_data.h"
#include "render/render_draw.h"
#include "render/render_host.h"
#include "render/render_view.h"

namespace skelmora::app {

bool ParseRenderSize(const QString& text, int& width, int& height) {
  const QStringList parts = text.toLower().split(QLatin1Char('x'));
  if (parts.size() != 2) return false;
  bool okW = false, okH = false;
  width = parts[0].toInt(&okW);
  height = parts[1].toInt(&okH);
  return okW && okH && width >= 1 && height >= 1 && width <= 4096 && height <= 4096;
}

int ParseRenderQuality(const QString& text) {
  const QString q = text.toLower();
  if (q == QLatin1String("low")) return 0;
  if (q == QLatin1String("medium")) return 1;
  if (q == QLatin1String("high")) return 2;
  return -1;
}

namespace {

// Lets the control's window come up at its size, so the viewport that the
// control sets on a resize is the picture's.
void WaitForWindow(QWidget& parent, const RenderHost& host, QSize size) {
  QDeadlineTimer deadline(5000);
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const QWidget* control = host.controlWidget();
    const QWindow* window = control ? control->windowHandle() : nullptr;
    const bool placed = control && control->size() == size && parent.isVisible();
    if (placed && (!window || window->isExposed())) break;
  }
  QCoreApplication::processEvents();
}

}  // namespace

int RunRenderBatch(const RenderBatchRequest& request, std::ostream& err) {
  int width = 0, height = 0;
  const int quality = ParseRenderQuality(request.quality);
  if (request.design.isEmpty() || request.out.isEmpty()) {
    err << "usage: skelmora --render FILE.s98 --out FILE.png [--quality low|medium|high] "
           "[--size WxH]\n";
    return 2;
  }
  if (quality < 0) {
    err << "--quality takes low, medium or high, not \"" << request.quality.toStdString() << "\"\n";
    return 2;
  }
  if (!ParseRenderSize(request.size, width, height)) {
    err << "--size takes WxH with each side from 1 to 4096, not \"" << request.size.toStdString()
        << "\"\n";
    return 2;
  }

  DesignSession session;
  std::string message;
  if (!ReadDesignFile(session.design, *session.surface, request.design.toStdString(), message)) {
    err << message << '\n';
    return 1;
  }
  session.Regenerate(Change::kExtents);
  auto points = std::make_unique<RenderControlPoints>();
  BuildRenderControlPoints(*session.surface, *points);
  if (!points->valid) {
    err << "The design has no hull to render (its length is zero).\n";
    return 1;
  }
  // What the window shows when it opens, at the slider positions it starts with.
  RenderViewState view;
  ResetRenderView(view, 80, 80, 80);

  QWidget parent;
  parent.setWindowTitle(QStringLiteral("SKELMORA 98 Hull Rendering"));
  parent.setFixedSize(width, height);
  RenderHost host;
  const std::vector<uint8_t> stored(std::begin(kGlControlData), std::end(kGlControlData));
  if (host.Load(&parent, stored, ShippedControlLibraries()) != RenderHost::Status::kReady) {
    err << host.FailureMessage().toStdString() << '\n';
    return 1;
  }
  bool drawn = false;
  host.setDrawHandler([&](hosting::Dispatch& control) {
    drawn = DrawRenderedHull(control, view, quality, static_cast<double>(width) / height, *points);
  });
  host.setGeometry(0, 0, width, height);
  parent.show();
  WaitForWindow(parent, host, QSize(width, height));

  const QImage picture = host.Capture();
  if (!drawn || picture.isNull()) {
    err << "The rendering control did not draw the picture.\n";
    return 1;
  }
  // A scaled screen gives more device pixels than were asked for.
  const QImage out = picture.size() == QSize(width, height)
                         ? picture
                         : picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QSaveFile file(request.out);
  if (!file.open(QIODevice::WriteOnly) || !out.save(&file, "PNG") || !file.commit()) {
    err << "The picture could not be written to " << request.out.toStdString() << ".\n";
    return 1;
  }
  return 0;
}

}  // namespace skelmora::app
