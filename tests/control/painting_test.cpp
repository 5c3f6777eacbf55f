// The painting cycle, resizing, the timer, holding the context and the
// control's own properties and stock members.
#include "host_fixture.h"

#include <GL/gl.h>

#include <QTest>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <cmath>

using namespace testhost;
using hosting::InvokeKind;
namespace hr = hosting::hr;

namespace {

constexpr uint32_t kGreen = 0x00FF00, kBlue = 0x0000FF, kBlack = 0;

// Clears to one colour, then draws a green full-window quad at depth 0.5
// so the depth buffer holds 0.5, then runs the clear under test and draws a
// blue quad at depth 0.75: it shows only where depth was cleared back to 1.
uint32_t afterClear(Hosted& h, int16_t mask)
{
    uint32_t centre = 0;
    h.draw([&] {
        h.call(ID("oglClearColor"), {1.0f, 0.0f, 0.0f, 1.0f});
        h.call(ID("oglClearDepth"), {1.0});
        h.call(ID("oglClear"), {int16_t(3)});
        h.call(ID("oglMatrixMode"), {int16_t(GL_PROJECTION)});
        h.call(ID("oglLoadIdentity"));
        h.call(ID("oglMatrixMode"), {int16_t(GL_MODELVIEW)});
        h.call(ID("oglLoadIdentity"));
        h.call(ID("oglEnable"), {int16_t(GL_DEPTH_TEST)});
        h.call(ID("oglDepthFunc"), {int16_t(GL_LESS)});
        h.call(ID("oglColor3"), {0.0f, 1.0f, 0.0f});
        h.call(ID("oglBegin"), {int16_t(GL_QUADS)});
        for (auto [x, y] : {std::pair{-1.0, -1.0}, {1.0, -1.0}, {1.0, 1.0}, {-1.0, 1.0}})
            h.call(ID("oglVertex3"), {x, y, 0.0}); // window depth 0.5
        h.call(ID("oglEnd"));

        h.call(ID("oglClearColor"), {0.0f, 0.0f, 0.0f, 1.0f});
        h.call(ID("oglClear"), {mask});

        h.call(ID("oglColor3"), {0.0f, 0.0f, 1.0f});
        h.call(ID("oglBegin"), {int16_t(GL_QUADS)});
        for (auto [x, y] : {std::pair{-0.5, -0.5}, {0.5, -0.5}, {0.5, 0.5}, {-0.5, 0.5}})
            h.call(ID("oglVertex3"), {x, y, 0.5}); // window depth 0.75
        h.call(ID("oglEnd"));
        h.call(ID("oglDisable"), {int16_t(GL_DEPTH_TEST)});
        centre = pixelAt(readPixels(200, 200), 200, 100, 100);
    });
    return centre;
}

} // namespace

TEST(Painting, ClearCodesMapToBuffers)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    // The centre pixel tells the buffers apart: green = nothing cleared,
    // black = colour only, blue = depth cleared.
    struct Case { int16_t mask; uint32_t centre; };
    const Case cases[] = {
        {3, kBlue},   // colour and depth: the blue quad passes over black
        {1, kBlack},  // colour only: the blue quad fails the depth test
        {2, kBlue},   // depth only: blue passes over the green
        {0, kGreen},  // nothing cleared
        {16, kGreen}, // not a code: nothing cleared
        {-1, kGreen},
    };
    for (const auto& c : cases) EXPECT_EQ(afterClear(h, c.mask), c.centre) << "oglClear(" << c.mask << ")";
}

TEST(Painting, RefreshRaisesDrawWithTheContextCurrent)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    int32_t inside = 0;
    h.draw([&] { inside = *h.call(ID("owglGetCurrentContext")).get<int32_t>(); });
    EXPECT_NE(inside, 0);
    // Outside Draw the context is released again.
    EXPECT_EQ(*h.call(ID("owglGetCurrentContext")).get<int32_t>(), 0);
}

TEST(Painting, ResizeSetsTheDefaultProjectionAndRaisesOnSize)
{
    Hosted h(200, 100);
    ASSERT_TRUE(h.created);
    int32_t viewport[4] = {};
    int32_t mode[1] = {};
    double projection[16] = {};
    h.sink.handlers[vistrel::event::onSize] = [&](std::span<Variant>) {
        h.call(ID("oglGetInteger"), {int16_t(GL_VIEWPORT), Variant::byRef(viewport)});
        h.call(ID("oglGetInteger"), {int16_t(GL_MATRIX_MODE), Variant::byRef(mode)});
        h.call(ID("oglGetDouble"), {int16_t(GL_PROJECTION_MATRIX), Variant::byRef(projection)});
    };
    const int before = h.sink.count(vistrel::event::onSize);
    h.control->setGeometry(0, 0, 160, 80);
    QTRY_VERIFY(h.sink.count(vistrel::event::onSize) > before);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], 160);
    EXPECT_EQ(viewport[3], 80);
    // gluPerspective(30, 2, 1, 10): f = cot(15 degrees).
    const double f = 1.0 / std::tan(15.0 * M_PI / 180.0);
    EXPECT_NEAR(projection[0], f / 2.0, 1e-6);
    EXPECT_NEAR(projection[5], f, 1e-6);
    EXPECT_NEAR(projection[10], -11.0 / 9.0, 1e-6);
    EXPECT_NEAR(projection[14], -20.0 / 9.0, 1e-6);
    // The projection is left current for the host's OnSize.
    EXPECT_EQ(mode[0], GL_PROJECTION);

    // So a host that sets its own projection there changes that one, and
    // the model-view stays the identity.
    double modelview[16] = {};
    h.sink.handlers[vistrel::event::onSize] = [&](std::span<Variant>) {
        h.call(ID("oglLoadIdentity"));
        h.call(ID("oglOrtho"), {-2.0, 2.0, -1.0, 1.0, -1.0, 1.0});
        h.call(ID("oglGetDouble"), {int16_t(GL_PROJECTION_MATRIX), Variant::byRef(projection)});
        h.call(ID("oglGetDouble"), {int16_t(GL_MODELVIEW_MATRIX), Variant::byRef(modelview)});
    };
    const int sized = h.sink.count(vistrel::event::onSize);
    h.control->setGeometry(0, 0, 170, 85);
    QTRY_VERIFY(h.sink.count(vistrel::event::onSize) > sized);
    EXPECT_NEAR(projection[0], 0.5, 1e-9);  // glOrtho: 2 / (right - left)
    EXPECT_NEAR(projection[5], 1.0, 1e-9);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(modelview[k], k % 5 == 0 ? 1.0 : 0.0) << k;

    // A zero-size resize raises nothing and leaves the viewport.
    const int after = h.sink.count(vistrel::event::onSize);
    viewport[2] = viewport[3] = -1;
    for (auto [w, hh] : {std::pair{0, 80}, {160, 0}, {0, 0}}) {
        h.control->setGeometry(0, 0, w, hh);
        QTest::qWait(50);
    }
    EXPECT_EQ(h.sink.count(vistrel::event::onSize), after);
    h.control->setGeometry(0, 0, 160, 80);
    QTest::qWait(50);
    h.sink.handlers.clear();
    h.draw([&] { h.call(ID("oglGetInteger"), {int16_t(GL_VIEWPORT), Variant::byRef(viewport)}); });
    EXPECT_EQ(viewport[2], 160);
    EXPECT_EQ(viewport[3], 80);
}

TEST(Painting, TimerTicksRaiseTimerThenDrawAndStopOnZeroOrNegative)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    std::vector<DispId> order;
    h.sink.handlers[vistrel::event::timer] = [&](std::span<Variant>) { order.push_back(vistrel::event::timer); };
    h.sink.handlers[vistrel::event::draw] = [&](std::span<Variant>) { order.push_back(vistrel::event::draw); };
    for (int16_t stop : {int16_t(0), int16_t(-5)}) {
        order.clear();
        h.call(ID("SetTimerInterval"), {int16_t(10)});
        QTRY_VERIFY(std::count(order.begin(), order.end(), vistrel::event::timer) >= 2);
        const auto first = std::find(order.begin(), order.end(), vistrel::event::timer);
        ASSERT_NE(first + 1, order.end());
        EXPECT_EQ(*(first + 1), vistrel::event::draw); // each tick repaints at once
        h.call(ID("SetTimerInterval"), {stop});
        const int ticks = h.sink.count(vistrel::event::timer);
        QTest::qWait(80);
        EXPECT_EQ(h.sink.count(vistrel::event::timer), ticks) << "interval " << stop;
    }
}

TEST(Painting, HeldContextLetsCallsOutsideDrawReachTheControl)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    h.call(ID("owglMakeCurrent"), {true});
    h.refresh(); // a paint does not release a held context
    ASSERT_NE(*h.call(ID("owglGetCurrentContext")).get<int32_t>(), 0);
    // As from a button handler: clear to green outside Draw and read it back.
    h.call(ID("oglClearColorRGB"), {int16_t(0), int16_t(255), int16_t(0)});
    h.call(ID("oglClear"), {int16_t(1)});
    EXPECT_EQ(pixelAt(readPixels(200, 200), 200, 10, 10), kGreen);
    h.call(ID("owglMakeCurrent"), {false});
    EXPECT_EQ(*h.call(ID("owglGetCurrentContext")).get<int32_t>(), 0);
    h.refresh();
    EXPECT_EQ(*h.call(ID("owglGetCurrentContext")).get<int32_t>(), 0);
}

TEST(Painting, DesignModePaintsWithoutRaisingDraw)
{
    Hosted h(200, 120, false);
    ASSERT_TRUE(h.created);
    h.refresh();
    EXPECT_EQ(h.sink.count(vistrel::event::draw), 0);
    // As a host captures the picture: through the hWnd property.
    const WId wid = static_cast<WId>(*h.get(vistrel::stock::hWnd).get<int32_t>());
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(wid).toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, 5).rgb() & 0xFFFFFF, 0xFFFFFFu); // white fill
    for (QPoint edge : {QPoint(0, shot.height() / 2), QPoint(shot.width() - 1, shot.height() / 2),
                        QPoint(shot.width() / 3, 0), QPoint(shot.width() / 3, shot.height() - 1)})
        EXPECT_EQ(shot.pixelColor(edge).rgb() & 0xFFFFFF, 0x000000u) << edge.x() << "," << edge.y(); // black frame
}

TEST(Properties, DoubleBufferFontAndTexturePersistInTheStoredData)
{
    std::vector<uint8_t> saved;
    {
        Hosted h;
        ASSERT_TRUE(h.created);
        EXPECT_EQ(*h.get(2).get<bool>(), true); // DoubleBuffer defaults to TRUE
        std::vector<Variant> off{false};
        EXPECT_EQ(h.control->invoke(2, InvokeKind::PropertyPut, off, nullptr, nullptr), hr::ok);
        EXPECT_EQ(h.site.modified, 1);
        hosting::FontDesc font;
        font.family = "DejaVu Serif";
        font.pointSize = 14;
        font.weight = 700;
        std::vector<Variant> f{font};
        EXPECT_EQ(h.control->invoke(vistrel::stock::font, InvokeKind::PropertyPut, f, nullptr, nullptr), hr::ok);
        // Texture and hWnd cannot be changed through the interface.
        std::vector<Variant> pic{hosting::Picture{{1, 2, 3}}};
        EXPECT_EQ(h.control->invoke(1, InvokeKind::PropertyPut, pic, nullptr, nullptr), hr::ok);
        EXPECT_TRUE(h.get(1).get<hosting::Picture>()->bytes.empty());
        std::vector<Variant> wnd{int32_t(5)};
        EXPECT_EQ(h.control->invoke(vistrel::stock::hWnd, InvokeKind::PropertyPut, wnd, nullptr, nullptr),
                  hr::memberNotFound);
        EXPECT_EQ(*h.get(vistrel::stock::hWnd).get<int32_t>(),
                  static_cast<int32_t>(h.glWindow()->winId()));
        EXPECT_NE(*h.get(vistrel::stock::hWnd).get<int32_t>(), 0);
        saved = h.control->saveData();
    }
    Hosted again(200, 200, true, saved);
    ASSERT_TRUE(again.created);
    EXPECT_EQ(*again.get(2).get<bool>(), false);
    EXPECT_EQ(again.get(vistrel::stock::font).get<hosting::FontDesc>()->family, "DejaVu Serif");
    EXPECT_EQ(again.get(vistrel::stock::font).get<hosting::FontDesc>()->weight, 700);

    // Stored data from elsewhere, cut short or garbled, falls back to the defaults.
    for (size_t cut : {size_t(0), size_t(3), size_t(9), saved.size() / 2}) {
        Hosted broken(50, 50, true, std::vector<uint8_t>(saved.begin(), saved.begin() + static_cast<long>(cut)));
        ASSERT_TRUE(broken.created);
        EXPECT_TRUE(broken.get(2).get<bool>() != nullptr);
    }
}

TEST(Properties, StockMembersAndMouseEvents)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    h.call(vistrel::stock::doClick);
    EXPECT_EQ(h.sink.count(vistrel::event::click), 1);
    h.call(vistrel::stock::aboutBox);
    ASSERT_EQ(h.site.messages.size(), 1u);
    EXPECT_EQ(h.site.messages[0].kind, hosting::MessageKind::About);
    EXPECT_NE(h.site.messages[0].text.find("1.0.2.2"), std::string::npos);

    int16_t button = 0;
    int32_t x = -1, y = -1;
    h.sink.handlers[vistrel::event::mouseDown] = [&](std::span<Variant> args) {
        button = *args[0].get<int16_t>();
        x = *args[2].get<int32_t>();
        y = *args[3].get<int32_t>();
    };
    QWindow* w = h.glWindow();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
    EXPECT_EQ(button, 1);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 40);
    EXPECT_EQ(h.sink.count(vistrel::event::mouseUp), 1);
    EXPECT_EQ(h.sink.count(vistrel::event::click), 2);

    int16_t key = 0;
    h.sink.handlers[vistrel::event::keyDown] = [&](std::span<Variant> args) {
        key = args[0].get<hosting::ArrayRef<int16_t>>()->data[0];
    };
    QTest::keyClick(w, Qt::Key_Left);
    EXPECT_EQ(key, 0x25);
}

TEST(Painting, TheHostMayDeleteItsWindowBeforeReleasingTheControl)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    h.call(ID("owglMakeCurrent"), {true});
    const int draws = h.sink.count(vistrel::event::draw);
    h.parent.reset(); // takes the control's window along
    EXPECT_EQ(*h.get(vistrel::stock::hWnd).get<int32_t>(), 0);
    EXPECT_EQ(*h.call(ID("owglGetCurrentContext")).get<int32_t>(), 0);
    h.refresh(); // nothing to paint, nothing to crash on
    h.call(ID("oglClear"), {int16_t(3)});
    EXPECT_EQ(h.sink.count(vistrel::event::draw), draws);
}
