// A control as its host sees it: created by a class factory inside a site
// that the host provides, called by dispatch id, raising events to a sink.
#pragma once

#include "dispatch.h"
#include "guid.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace hosting {

enum class MessageKind : uint8_t { Error, Information, About };

// Where a control's message boxes go. A host that injects one decides how
// (or whether) the text is shown; without one the control shows its own box.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void show(MessageKind kind, std::string_view caption, std::string_view text) = 0;
};

class ControlSite {
public:
    virtual ~ControlSite() = default;
    // The window the control's window becomes a child of. For a Qt host this
    // is a QWidget*; the interface keeps it opaque.
    virtual void* parentWindow() = 0;
    // The ambient user mode: false while the host is being designed.
    virtual bool userMode() const { return true; }
    // The control data the host stored for this instance (empty: defaults).
    virtual std::vector<uint8_t> storedData() const { return {}; }
    // The control's persistent properties changed.
    virtual void setModified() {}
    virtual Notifier* notifier() { return nullptr; }
};

class Control : public Dispatch {
public:
    // Creates the control's window in the site's parent window. False when the
    // window cannot be created (for a GL control: no pixel format or context).
    virtual bool createWindow() = 0;
    virtual void destroyWindow() = 0;
    // The control's window, opaque like ControlSite::parentWindow (a QWidget* for Qt).
    virtual void* window() = 0;
    virtual void setGeometry(int x, int y, int width, int height) = 0;
    virtual void advise(EventSink* sink) = 0;
    virtual void unadvise(EventSink* sink) = 0;
    // The data the host stores and later hands back through storedData().
    virtual std::vector<uint8_t> saveData() const = 0;
    // Destroys the window (if any) and the control.
    virtual void release() = 0;
};

class ClassFactory {
public:
    virtual ~ClassFactory() = default;
    // The site must outlive the control. Null when the control cannot be made.
    virtual Control* createInstance(ControlSite& site) = 0;
};

// The in-process server's entry points, exported with C linkage by a control library.
namespace entry {
inline constexpr const char* registerServer = "DllRegisterServer";
inline constexpr const char* unregisterServer = "DllUnregisterServer";
inline constexpr const char* getClassObject = "DllGetClassObject";
inline constexpr const char* canUnloadNow = "DllCanUnloadNow";
inline constexpr const char* getTypeLibrary = "DllGetTypeLibrary";

using RegisterServerFn = HResult (*)();
using GetClassObjectFn = HResult (*)(const Guid* classId, ClassFactory** factory);
using CanUnloadNowFn = HResult (*)();
using GetTypeLibraryFn = const TypeLibrary* (*)();
} // namespace entry

} // namespace hosting
