// The control's property page: one page titled "General" with nothing on it.
// A host that asks for the page's class gets a window it can show in its
// property sheet; the page has no members to call.
#pragma once

#include "control.h"
#include "vistrel_typelib.h"

#include <QPointer>
#include <QWidget>

namespace vistrel {

inline constexpr const char* kPropPageTitle = "General";

// What the page tells a host about itself: its class and no members.
inline constexpr hosting::TypeLibrary kPropPageTypeLibrary{
    "VistrelLib", kLibraryId, 1, 0,
    kPropPageId, "VistrelPropPage",
    hosting::Guid{}, "", hosting::Guid{}, "",
    {}, {}, "", {},
};

class CVistrelPropPage final : public hosting::Control {
public:
    explicit CVistrelPropPage(hosting::ControlSite& site);
    ~CVistrelPropPage() override;

    hosting::HResult invoke(hosting::DispId id, hosting::InvokeKind kind, std::span<hosting::Variant> args,
                            hosting::Variant* result, hosting::ExceptionInfo* error) override;
    hosting::DispId idOfName(std::string_view name) const override;
    const hosting::TypeLibrary& typeInfo() const override { return kPropPageTypeLibrary; }

    bool createWindow() override;
    void destroyWindow() override;
    void* window() override { return page_.data(); }
    void setGeometry(int x, int y, int width, int height) override;
    void advise(hosting::EventSink*) override {}
    void unadvise(hosting::EventSink*) override {}
    std::vector<uint8_t> saveData() const override { return {}; }
    void release() override;

    static int liveCount();

private:
    hosting::ControlSite& site_;
    QPointer<QWidget> page_;
};

} // namespace vistrel
