#include "render/render_host.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "host_loader.h"
#include "render/render_messages.h"
#include "vistrel_typelib.h"

namespace skelmora::app {

namespace {

// Libraries stay mapped for the life of the process (see ControlLibrary).
hosting::ControlLibrary& Library() {
  static hosting::ControlLibrary library;
  return library;
}

}  // namespace

std::vector<std::filesystem::path> ShippedControlLibraries() {
  const std::filesystem::path exeDir = QCoreApplication::applicationDirPath().toStdString();
  std::vector<std::filesystem::path> paths{exeDir / "libvistrel.so",
                                           exeDir / ".." / "lib" / "libvistrel.so"};
#ifdef SKELMORA_INSTALL_LIBDIR
  paths.emplace_back(std::filesystem::path(SKELMORA_INSTALL_LIBDIR) / "libvistrel.so");
#endif
#ifdef SKELMORA_VISTREL_BUILD_PATH
  paths.emplace_back(SKELMORA_VISTREL_BUILD_PATH);
#endif
  return paths;
}

RenderHost::~RenderHost() {
  if (control_) {
    control_->unadvise(this);
    control_->release();
  }
}

RenderHost::Status RenderHost::Load(QWidget* parent, std::vector<uint8_t> storedData,
                                    const std::vector<std::filesystem::path>& shipped) {
  if (control_) return Status::kReady;
  parent_ = parent;
  stored_ = std::move(storedData);
  detail_.clear();
  hosting::ensureRegistered(vistrel::kClassId, shipped);
  if (!hosting::serverPath(vistrel::kClassId)) return status_ = Status::kNotRegistered;

  hosting::ControlLibrary& library = Library();
  if (!library.isOpen()) {
    std::string error;
    if (!library.openClass(vistrel::kClassId, &error)) {
      detail_ = QString::fromStdString(error);
      return status_ = Status::kNotLoaded;
    }
  }
  hosting::ClassFactory* factory = library.classFactory(vistrel::kClassId);
  hosting::Control* control = factory ? factory->createInstance(*this) : nullptr;
  if (!control) {
    detail_ = QStringLiteral("the library has no Vistrel class");
    return status_ = Status::kNotLoaded;
  }
  if (!control->createWindow()) {
    control->release();
    return status_ = Status::kNoContext;
  }
  control->advise(this);
  control_ = control;
  return status_ = Status::kReady;
}

QString RenderHost::FailureMessage() const {
  switch (status_) {
    case Status::kReady: return {};
    case Status::kNotRegistered: return QString::fromUtf8(kControlNotRegisteredMessage);
    case Status::kNotLoaded: return QString::fromUtf8(kControlNotLoadedMessage).arg(detail_);
    case Status::kNoContext: return QString::fromUtf8(kControlNoContextMessage);
  }
  return {};
}

QWidget* RenderHost::controlWidget() const {
  return control_ ? static_cast<QWidget*>(control_->window()) : nullptr;
}

void RenderHost::setGeometry(int x, int y, int width, int height) {
  if (control_) control_->setGeometry(x, y, width, height);
}

void RenderHost::Refresh() {
  if (!control_) return;
  control_->invoke(vistrel::stock::refresh, hosting::InvokeKind::Method, {});
}

std::vector<uint8_t> RenderHost::SaveData() const {
  return control_ ? control_->saveData() : std::vector<uint8_t>{};
}

void RenderHost::onEvent(hosting::DispId id, std::span<hosting::Variant>) {
  if (id != vistrel::event::draw || !control_) return;
  if (draw_) draw_(*control_);
  if (!capturing_) return;
  // The picture is still in the buffer the control is about to show.
  QOpenGLContext* context = QOpenGLContext::currentContext();
  QSurface* surface = context ? context->surface() : nullptr;
  if (!surface || surface->surfaceClass() != QSurface::Window) return;
  const auto* window = static_cast<QWindow*>(surface);
  const QSize size = window->size() * window->devicePixelRatio();
  if (size.isEmpty()) return;
  QImage image(size, QImage::Format_RGBA8888);
  QOpenGLFunctions* gl = context->functions();
  gl->glPixelStorei(GL_PACK_ALIGNMENT, 4);
  gl->glReadPixels(0, 0, size.width(), size.height(), GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
  // GL rows run bottom up.
  captured_ = image.mirrored().convertToFormat(QImage::Format_RGB32);
}

QImage RenderHost::Capture() {
  if (!control_) return {};
  captured_ = QImage();
  capturing_ = true;
  Refresh();
  capturing_ = false;
  if (!captured_.isNull()) return std::exchange(captured_, QImage());

  hosting::Variant handle;
  control_->invoke(vistrel::stock::hWnd, hosting::InvokeKind::PropertyGet, {}, &handle);
  const int32_t* wid = handle.get<int32_t>();
  QWidget* widget = controlWidget();
  if (!wid || !*wid || !widget) return {};
  QScreen* screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
  if (!screen) return {};
  return screen->grabWindow(static_cast<WId>(static_cast<uint32_t>(*wid)), 0, 0, widget->width(),
                            widget->height())
      .toImage();
}

}  // namespace skelmora::app
