// CVistrelCtrl: the rendering control. It owns a GL window and context inside
// the host's parent window, paints by raising Draw with its context current,
// and answers the members of _DVistrel by dispatch id.
#pragma once

#include "arguments.h"
#include "bmp_image.h"
#include "control.h"
#include "property_data.h"
#include "vistrel_window.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <string_view>
#include <vector>

class QOpenGLContext;
class QTimer;

namespace vistrel {

struct GlyphMetrics {
    float blackBoxX = 0, blackBoxY = 0, originX = 0, originY = 0, cellIncX = 0, cellIncY = 0;
};

inline constexpr int kTextureSlots = 26;
inline constexpr int kTimerEventId = 200;
inline constexpr size_t kControlPoints1 = 1024;   // 256 points x 4 values
inline constexpr size_t kControlPoints2 = 262144; // 256 x 256 points x 4 values

class CVistrelCtrl final : public hosting::Control {
public:
    explicit CVistrelCtrl(hosting::ControlSite& site);
    ~CVistrelCtrl() override;

    hosting::HResult invoke(hosting::DispId id, hosting::InvokeKind kind, std::span<hosting::Variant> args,
                            hosting::Variant* result, hosting::ExceptionInfo* error) override;
    hosting::DispId idOfName(std::string_view name) const override;
    const hosting::TypeLibrary& typeInfo() const override;

    bool createWindow() override;
    void destroyWindow() override;
    void* window() override;
    void setGeometry(int x, int y, int width, int height) override;
    void advise(hosting::EventSink* sink) override;
    void unadvise(hosting::EventSink* sink) override;
    std::vector<uint8_t> saveData() const override;
    void release() override;

    // Called by the control's window.
    void paint();
    void resized(int width, int height);
    void fire(hosting::DispId id, std::span<hosting::Variant> args = {});

    static int liveCount();

private:
    using HResult = hosting::HResult;
    using Variant = hosting::Variant;

    HResult getProperty(hosting::DispId id, Variant* result);
    HResult putProperty(hosting::DispId id, std::span<Variant> args);
    HResult callMethod(hosting::DispId id, const Args& a, Variant* result, hosting::ExceptionInfo* error);

    // The members, by group; each answers kNotMine for ids it does not own.
    HResult glMethod(hosting::DispId id, const Args& a, Variant* result);
    HResult glQueryMethod(hosting::DispId id, const Args& a, Variant* result);
    HResult gluMethod(hosting::DispId id, const Args& a, Variant* result);
    HResult auxMethod(hosting::DispId id, const Args& a, Variant* result, hosting::ExceptionInfo* error);

    void paintDesignMode();
    bool makeCurrent();
    static void releaseCurrent();
    bool isCurrent() const;
    void notify(hosting::MessageKind kind, std::string_view text);
    void setTimerInterval(int interval);

    // Textures, control points, fonts, solids.
    int slotIndex(const Arg& a) const;
    HResult loadImage(const std::string& path, int slot, hosting::ExceptionInfo* error);
    void texImage(bool twoD, const Args& a);
    void loadColorMaps(const BmpImage& image);
    void applyColorMaps();
    void setControlPoint1(int i, int j, float value);
    void setControlPoint2(int i, int j, int k, float value);
    bool useFontBitmaps(int first, int count, int listBase);
    bool useFontOutlines(int first, int count, int listBase, float deviation, float extrusion, int format);
    void addSwapHintRect(int x, int y, int width, int height);
    bool drawSolid(hosting::DispId id, const Args& a);

    void setSelectBuffer(const Arg& size, const Arg& buffer);
    void setFeedbackBuffer(const Arg& size, const Arg& type, const Arg& buffer);
    int renderMode(int mode);

    hosting::ControlSite& site_;
    std::vector<hosting::EventSink*> sinks_;
    PersistentProperties props_;

    // Guarded: a host may delete its parent window, and with it these, first.
    QPointer<QWidget> container_;
    QPointer<VistrelWindow> window_;
    std::unique_ptr<QOpenGLContext> context_;
    int32_t contextHandle_ = 0;
    int32_t surfaceHandle_ = 0;
    bool held_ = false;
    bool painting_ = false;

    std::unique_ptr<QTimer> timer_;
    int timerId_ = 0; // kTimerEventId while a timer runs

    std::array<BmpImage, kTextureSlots> slots_{};
    std::array<float, 256> mapRed_{}, mapGreen_{}, mapBlue_{};

    std::vector<float> points1_ = std::vector<float>(kControlPoints1);
    int points1Count_ = 0, points1Values_ = 0;
    std::vector<float> points2_ = std::vector<float>(kControlPoints2);
    int points2First_ = 0, points2Second_ = 0, points2Values_ = 0;

    std::array<GlyphMetrics, 256> metrics_{};

    // GL writes selection and feedback results into these; they are copied to
    // the host's array when the render mode is left.
    std::vector<uint32_t> selectBuffer_;
    hosting::ArrayRef<int32_t> selectTarget_;
    std::vector<float> feedbackBuffer_;
    hosting::ArrayRef<float> feedbackTarget_;
};

// Answered by a member group for an id that belongs to another group.
inline constexpr hosting::HResult kNotMine = static_cast<hosting::HResult>(0x7FFF0001);

} // namespace vistrel
