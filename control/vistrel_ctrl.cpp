#include "vistrel_ctrl.h"

#include "gl_headers.h"
#include "handle_table.h"
#include "vistrel_typelib.h"
#include "vistrel_window.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QOpenGLPaintDevice>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace vistrel {

using hosting::DispId;
using hosting::HResult;
using hosting::InvokeKind;
using hosting::Variant;
namespace hr = hosting::hr;

namespace {
int gLiveControls = 0;
}

int CVistrelCtrl::liveCount() { return gLiveControls; }

CVistrelCtrl::CVistrelCtrl(hosting::ControlSite& site) : site_(site)
{
    ++gLiveControls;
    props_ = loadProperties(site_.storedData());
}

CVistrelCtrl::~CVistrelCtrl()
{
    destroyWindow();
    --gLiveControls;
}

void CVistrelCtrl::release() { delete this; }

const hosting::TypeLibrary& CVistrelCtrl::typeInfo() const { return kTypeLibrary; }

hosting::DispId CVistrelCtrl::idOfName(std::string_view name) const
{
    const hosting::MemberInfo* m = kTypeLibrary.findMember(name);
    return m ? m->id : hosting::kDispIdUnknown;
}

void CVistrelCtrl::advise(hosting::EventSink* sink)
{
    if (sink && std::find(sinks_.begin(), sinks_.end(), sink) == sinks_.end()) sinks_.push_back(sink);
}

void CVistrelCtrl::unadvise(hosting::EventSink* sink) { std::erase(sinks_, sink); }

void CVistrelCtrl::fire(DispId id, std::span<Variant> args)
{
    // A handler may unadvise while the event is delivered.
    auto sinks = sinks_;
    for (auto* sink : sinks)
        if (std::find(sinks_.begin(), sinks_.end(), sink) != sinks_.end()) sink->onEvent(id, args);
}

void CVistrelCtrl::notify(hosting::MessageKind kind, std::string_view text)
{
    const char* caption = "Vistrel";
    if (hosting::Notifier* n = site_.notifier()) {
        n->show(kind, caption, text);
        return;
    }
    const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QWidget* parent = container_.data();
    if (kind == hosting::MessageKind::About) QMessageBox::about(parent, caption, t);
    else if (kind == hosting::MessageKind::Error) QMessageBox::critical(parent, caption, t);
    else QMessageBox::information(parent, caption, t);
}

std::vector<uint8_t> CVistrelCtrl::saveData() const
{
    PersistentProperties p = props_;
    if (container_) p.extentX = container_->width(), p.extentY = container_->height();
    return saveProperties(p);
}

// --- window and context ------------------------------------------------------

bool CVistrelCtrl::createWindow()
{
    if (context_) return true;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;

    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(32); // a request; the closest format is taken
    format.setSwapBehavior(props_.doubleBuffer ? QSurfaceFormat::DoubleBuffer : QSurfaceFormat::DefaultSwapBehavior);

    auto window = std::make_unique<VistrelWindow>(*this);
    window->setFormat(format);
    window->create();
    auto context = std::make_unique<QOpenGLContext>();
    context->setFormat(window->requestedFormat());
    if (!window->handle() || !context->create() || !context->makeCurrent(window.get())) return false;
    context->doneCurrent();

    QWidget* parent = static_cast<QWidget*>(site_.parentWindow());
    window_ = window.release();
    context_ = std::move(context);
    container_ = QWidget::createWindowContainer(window_.data(), parent);
    container_->resize(std::max(props_.extentX, 1), std::max(props_.extentY, 1));
    if (parent) container_->show();
    contextHandle_ = handles().add(HandleKind::Context, context_.get());
    surfaceHandle_ = handles().add(HandleKind::Surface, window_.data());
    for (auto& slot : slots_) slot = BmpImage{};
    return true;
}

void CVistrelCtrl::destroyWindow()
{
    if (!context_) return;
    setTimerInterval(0);
    for (auto& slot : slots_) slot = BmpImage{};
    if (isCurrent()) context_->doneCurrent();
    held_ = false;
    handles().remove(HandleKind::Context, contextHandle_);
    handles().remove(HandleKind::Surface, surfaceHandle_);
    contextHandle_ = surfaceHandle_ = 0;
    selectBuffer_.clear(), selectTarget_ = {};
    feedbackBuffer_.clear(), feedbackTarget_ = {};
    context_.reset();
    delete container_.data(); // owns the window; null when the host's window took it along
    container_ = nullptr;
    window_ = nullptr;
}

void* CVistrelCtrl::window() { return container_.data(); }

void CVistrelCtrl::setGeometry(int x, int y, int width, int height)
{
    if (!container_) return;
    container_->setGeometry(x, y, std::max(width, 0), std::max(height, 0));
    props_.extentX = width, props_.extentY = height;
}

bool CVistrelCtrl::makeCurrent() { return context_ && window_ && context_->makeCurrent(window_.data()); }

void CVistrelCtrl::releaseCurrent()
{
    if (QOpenGLContext* c = QOpenGLContext::currentContext()) c->doneCurrent();
}

bool CVistrelCtrl::isCurrent() const { return context_ && QOpenGLContext::currentContext() == context_.get(); }

// --- painting, resizing, timer -------------------------------------------------

void CVistrelCtrl::paint()
{
    if (!context_ || !window_ || painting_) return; // a Draw handler calling Refresh does not recurse
    painting_ = true;
    if (!site_.userMode()) {
        paintDesignMode();
    } else if (held_ ? (isCurrent() || makeCurrent()) : makeCurrent()) {
        fire(event::draw);
        glFlush();
        if (window_->isExposed()) context_->swapBuffers(window_.data());
    }
    if (!held_) releaseCurrent();
    painting_ = false;
}

void CVistrelCtrl::paintDesignMode()
{
    if (!makeCurrent()) return;
    const qreal ratio = window_->devicePixelRatio();
    QOpenGLPaintDevice device(window_->size() * ratio);
    {
        QPainter p(&device);
        const QRect r(QPoint(0, 0), window_->size() * ratio);
        // A one-pixel black frame around white, filled so no pen rounding moves it.
        p.fillRect(r, Qt::black);
        p.fillRect(r.adjusted(1, 1, -1, -1), Qt::white);
        p.setPen(Qt::black);
        const QString lines[] = {QStringLiteral("Vistrel Control"), QStringLiteral("OpenGL rendering"),
                                 QStringLiteral("version 1.0.2.2")};
        const QFontMetrics fm = p.fontMetrics();
        for (int k = 0; k < 3; ++k) {
            const int baseline = r.center().y() + (k - 1) * 20;
            p.drawText(r.center().x() - fm.horizontalAdvance(lines[k]) / 2, baseline, lines[k]);
        }
    }
    glFlush();
    if (window_->isExposed()) context_->swapBuffers(window_.data());
}

void CVistrelCtrl::resized(int width, int height)
{
    // A native window is never smaller than 1 x 1; the host's extent says whether it is empty.
    if (width < 1 || height < 1 || !context_ || !container_ || container_->width() < 1 || container_->height() < 1)
        return;
    const bool wasCurrent = isCurrent();
    if (!makeCurrent()) return;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, static_cast<double>(width) / height, 1.0, 10.0);
    // The projection stays the current matrix, so a host's OnSize that sets
    // its own projection changes that one and not the model-view.
    glViewport(0, 0, width, height);
    fire(event::onSize);
    if (!held_ && !wasCurrent) releaseCurrent();
}

void CVistrelCtrl::setTimerInterval(int interval)
{
    if (timerId_) {
        timer_->stop();
        timerId_ = 0;
    }
    if (interval <= 0) return;
    if (!timer_) {
        timer_ = std::make_unique<QTimer>();
        QObject::connect(timer_.get(), &QTimer::timeout, [this] {
            fire(event::timer);
            paint();
        });
    }
    timer_->start(interval);
    timerId_ = kTimerEventId;
}

// --- properties and dispatch ---------------------------------------------------

HResult CVistrelCtrl::getProperty(DispId id, Variant* result)
{
    Variant value;
    switch (id) {
    case 1: value = props_.texture; break;
    case 2: value = props_.doubleBuffer; break;
    case stock::font: value = props_.font; break;
    case stock::hWnd: value = static_cast<int32_t>(window_ ? window_->winId() : 0); break;
    default: return hr::memberNotFound;
    }
    if (result) *result = std::move(value);
    return hr::ok;
}

HResult CVistrelCtrl::putProperty(DispId id, std::span<Variant> args)
{
    if (args.size() != 1) return hr::badParamCount;
    Arg a;
    switch (id) {
    case 1: // the stored picture is read-only through the interface
        return hr::ok;
    case 2:
        if (HResult h = coerceArgument(hosting::ArgKind::Bool, args[0], a); h != hr::ok) return h;
        props_.doubleBuffer = a.i != 0; // the pixel format of a later window
        site_.setModified();
        return hr::ok;
    case stock::font:
        if (const auto* f = args[0].get<hosting::FontDesc>()) {
            props_.font = *f;
            site_.setModified();
            return hr::ok;
        }
        return hr::typeMismatch;
    default:
        return hr::memberNotFound; // hWnd is read-only
    }
}

HResult CVistrelCtrl::invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant* result,
                             hosting::ExceptionInfo* error)
{
    try {
        const hosting::MemberInfo* m = id >= 1 && id <= 200 ? &kMembers[id - 1] : kTypeLibrary.findMember(id);
        if (!m) return hr::memberNotFound;
        if (m->kind != hosting::MemberKind::Method) {
            if (kind == InvokeKind::PropertyGet) return args.empty() ? getProperty(id, result) : hr::badParamCount;
            if (kind == InvokeKind::PropertyPut) return putProperty(id, args);
            return hr::memberNotFound;
        }
        if (kind == InvokeKind::PropertyPut) return hr::memberNotFound;
        Args a;
        if (HResult h = coerceArguments(*m, args, a); h != hr::ok) return h;
        return callMethod(id, a, result, error);
    } catch (...) {
        // Nothing may unwind into the host.
        return hr::fail;
    }
}

HResult CVistrelCtrl::callMethod(DispId id, const Args& a, Variant* result, hosting::ExceptionInfo* error)
{
    switch (id) {
    case stock::refresh:
        paint();
        return hr::ok;
    case stock::doClick:
        fire(event::click);
        return hr::ok;
    case stock::aboutBox:
        notify(hosting::MessageKind::About, "Vistrel Control, version 1.0.2.2");
        return hr::ok;
    default: break;
    }
    Variant discard;
    Variant* out = result ? result : &discard;
    if (HResult h = glMethod(id, a, out); h != kNotMine) return h;
    if (HResult h = glQueryMethod(id, a, out); h != kNotMine) return h;
    if (HResult h = gluMethod(id, a, out); h != kNotMine) return h;
    if (HResult h = auxMethod(id, a, out, error); h != kNotMine) return h;
    return hr::memberNotFound;
}

} // namespace vistrel
