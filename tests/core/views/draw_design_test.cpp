#include "views/draw_design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "core/files/file_test_support.h"
#include "core/views/view_fixtures.h"
#include "views/projection.h"

namespace skelmora {
namespace {

using testing::ScriptedPrompter;
using testing::TempDir;
using testing::WriteFileText;
using viewtest::Boat;
using viewtest::Builder;
using viewtest::CountSquares;
using viewtest::Hull;
using viewtest::Runs;
using viewtest::TenTimes;

// -1, 0 or +1: the side of the centreline every point of a run lies on
// (0 when it touches both sides, or only the centreline).
int SideOf(const DisplayList& list, const Polyline& run) {
  bool plus = false, minus = false;
  for (LogicalPoint p : list.Points(run)) {
    plus |= p.x > 0;
    minus |= p.x < 0;
  }
  return plus == minus ? 0 : (plus ? 1 : -1);
}

TEST(BodyView, FifteenStationsSplitSevenForwardEightAft) {
  Hull hull = Boat();
  hull.d().ShowStations = true;
  ASSERT_EQ(hull.d().StationCount, 15);
  Builder b;
  b.Draw(hull, kBodyView, TenTimes());
  for (int k = 1; k <= 15; ++k) {
    SCOPED_TRACE(k);
    const auto runs = Runs(b.list, Element::kStation, k);
    // Whole: one run, though station 8 lies exactly at half the length.
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(SideOf(b.list, *runs[0]), k <= 7 ? 1 : -1);
  }
}

TEST(BodyView, WaterlineFromForeToAftIsTwoPiecesNeverCrossingTheCentreline) {
  Hull hull = Boat();
  hull.d().ShowWaterlines = true;
  Builder b;
  b.Draw(hull, kPlanView, TenTimes());
  // Waterline 5 lies at z = 0 and runs the whole length: one piece in plan.
  ASSERT_EQ(Runs(b.list, Element::kWaterline, 5).size(), 1u);

  b.Draw(hull, kBodyView, TenTimes());
  const auto runs = Runs(b.list, Element::kWaterline, 5);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(SideOf(b.list, *runs[0]) * SideOf(b.list, *runs[1]), -1);
  for (const Polyline* run : Runs(b.list, Element::kWaterline)) {
    EXPECT_NE(SideOf(b.list, *run), 0) << "waterline " << run->index << " crosses";
  }
}

TEST(PerspectiveView, EndOnAtZeroAnglesIsTheBodyViewWithBothSides) {
  Hull hull = Boat();
  hull.d().ShowStations = true;
  hull.d().PerspectiveElevation = 0;
  hull.d().PerspectiveAzimuth = 0;
  Builder body, perspective;
  body.Draw(hull, kBodyView, TenTimes());
  perspective.Draw(hull, kPerspectiveView, TenTimes());
  for (int k = 1; k <= 15; ++k) {
    SCOPED_TRACE(k);
    const auto bodyRuns = Runs(body.list, Element::kStation, k);
    const auto both = Runs(perspective.list, Element::kStation, k);
    ASSERT_EQ(bodyRuns.size(), 1u);
    ASSERT_EQ(both.size(), 2u);
    std::map<int, const Polyline*> bySide{{both[0]->side, both[0]}, {both[1]->side, both[1]}};
    ASSERT_EQ(bySide.count(1) + bySide.count(-1), 2u);
    const auto stored = perspective.list.Points(*bySide[1]);
    const auto mirror = perspective.list.Points(*bySide[-1]);
    const auto drawn = body.list.Points(*bodyRuns[0]);
    ASSERT_EQ(stored.size(), drawn.size());
    ASSERT_EQ(mirror.size(), drawn.size());
    const int bodySide = k <= 7 ? 1 : -1;
    for (size_t i = 0; i < drawn.size(); ++i) {
      EXPECT_EQ(mirror[i].x, -stored[i].x);
      EXPECT_EQ(mirror[i].y, stored[i].y);
      // F / depth differs from 1 by parts in 1e7.
      EXPECT_LE(std::abs(bodySide * stored[i].x - drawn[i].x), 1);
      EXPECT_LE(std::abs(stored[i].y - drawn[i].y), 1);
    }
  }
}

TEST(ViewProjector, PerspectiveAgreesWithProjectPerspective) {
  Hull hull = Boat();
  hull.d().PerspectiveElevation = -30;
  hull.d().PerspectiveAzimuth = 25;
  const ViewProjector projector(hull.d(), hull.s(), kPerspectiveView, 7.0);
  for (int sgn : {1, -1}) {
    const ProjectedPoint want =
        ProjectPerspective(hull.d(), hull.s().extents.hullLength, 6.5, 80.25, -3.0, sgn);
    double h, v;
    projector.ViewCoordinates(6.5, 80.25, -3.0, sgn, h, v);
    EXPECT_EQ(h, want.X);
    EXPECT_EQ(v, want.Y);
  }
}

TEST(DrawDesign, CoordinatesBeyondTheLimitAreDrawnAt30000) {
  Hull hull = Boat();
  hull.d().ShowVertexNet = true;
  hull.d().ShowStations = true;
  ViewMapping huge = TenTimes();
  huge.scale = 1e5;
  for (ViewId view : {kBodyView, kPlanView, kPerspectiveView}) {
    SCOPED_TRACE(view);
    Builder b;
    b.Draw(hull, view, huge);
    ASSERT_FALSE(b.list.points().empty());
    int atLimit = 0;
    for (LogicalPoint p : b.list.points()) {
      ASSERT_LE(std::abs(p.x), 30000);
      ASSERT_LE(std::abs(p.y), 30000);
      atLimit += std::abs(p.x) == 30000 || std::abs(p.y) == 30000;
    }
    EXPECT_GT(atLimit, 0);
  }
}

TEST(DrawNet, ColumnsThenRowsThenSquaresWithLabels) {
  Hull hull = Boat();  // 9 columns, 5 rows
  hull.d().ShowVertexNet = true;
  Builder b;
  b.options.vertexLabels = true;
  b.Draw(hull, kPlanView, TenTimes());
  EXPECT_EQ(Runs(b.list, Element::kNetColumn).size(), 9u);
  EXPECT_EQ(Runs(b.list, Element::kNetRow).size(), 5u);
  EXPECT_EQ(CountSquares(b.list, Element::kVertexSquare), 45);
  // In order: every column line before any row line before any square.
  int stage = 0;
  for (const DisplayList::Item& item : b.list.items()) {
    int at = 2;
    if (item.kind == DisplayList::Kind::kPolyline) {
      at = b.list.polylines()[item.index].element == Element::kNetColumn ? 0 : 1;
    }
    EXPECT_GE(at, stage);
    stage = at;
  }
  // Vertex 3,2: its square and label.
  const Vertex& v = hull.d().Net[3][2];
  const LogicalPoint centre{RoundClamped(10.0 * v.y), RoundClamped(10.0 * v.x)};
  const auto square = std::find_if(b.list.squares().begin(), b.list.squares().end(),
                                   [](const Square& s) { return s.index == 3 * kNetSize + 2; });
  ASSERT_NE(square, b.list.squares().end());
  EXPECT_EQ(square->centre, centre);
  EXPECT_EQ(square->halfSize, 7);
  EXPECT_FALSE(square->filled);
  const auto label = std::find_if(b.list.labels().begin(), b.list.labels().end(),
                                  [](const Label& l) { return l.text == "3,2"; });
  ASSERT_NE(label, b.list.labels().end());
  EXPECT_EQ(label->anchor, (LogicalPoint{centre.x + 7, centre.y + 7}));
  EXPECT_EQ(b.list.labels().size(), 45u);
}

TEST(DrawNet, SwitchesAndSingleLineRestriction) {
  struct Case {
    const char* name;
    bool columns, rows;
    SingleLine single;
    size_t columnRuns, rowRuns;
    int squares;
  } cases[] = {
      {"all", true, true, {}, 9, 5, 45},
      {"rows off", true, false, {}, 9, 0, 45},
      {"columns off", false, true, {}, 0, 5, 45},
      {"single column 3", true, true, {SingleLine::Kind::kColumn, 3}, 1, 0, 5},
      {"single row 2", true, true, {SingleLine::Kind::kRow, 2}, 0, 1, 9},
      {"single row past the last", true, true, {SingleLine::Kind::kRow, 40}, 0, 1, 9},
  };
  Hull hull = Boat();
  hull.d().ShowVertexNet = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Builder b;
    b.options.netColumnLines = c.columns;
    b.options.netRowLines = c.rows;
    b.options.singleLine = c.single;
    b.Draw(hull, kProfileView, TenTimes());
    EXPECT_EQ(Runs(b.list, Element::kNetColumn).size(), c.columnRuns);
    EXPECT_EQ(Runs(b.list, Element::kNetRow).size(), c.rowRuns);
    EXPECT_EQ(CountSquares(b.list, Element::kVertexSquare), c.squares);
  }
  Builder b;
  b.options.singleLine = {SingleLine::Kind::kRow, 40};
  b.Draw(hull, kProfileView, TenTimes());
  EXPECT_EQ(Runs(b.list, Element::kNetRow, 4).size(), 1u);  // limited to the last row
}

TEST(DrawNet, BodyViewBreaksRowsAtHalfLengthAndSquaresMirrorAft) {
  Hull hull = Boat();
  hull.d().ShowVertexNet = true;
  Builder b;
  b.Draw(hull, kBodyView, TenTimes());
  for (int r = 1; r <= 4; ++r) {
    const auto runs = Runs(b.list, Element::kNetRow, r);
    ASSERT_EQ(runs.size(), 2u) << r;
    EXPECT_EQ(SideOf(b.list, *runs[0]), 1);   // columns 0..4, y <= 50
    EXPECT_EQ(SideOf(b.list, *runs[1]), -1);  // columns 5..8
  }
  // Squares at least 3 in the body view, whatever the width.
  ViewMapping narrow = TenTimes();
  narrow.clientWidth = 100;
  b.Draw(hull, kBodyView, narrow);
  EXPECT_EQ(b.list.squares().front().halfSize, 3);
}

TEST(DrawNet, HighlightIsDrawnAfterTheSquaresUnlessAPickIsPending) {
  Hull hull = Boat();
  hull.d().ShowVertexNet = true;
  hull.d().HighlightRows = true;
  hull.d().HighlightIndex = 2;
  Builder b;
  b.Draw(hull, kPlanView, TenTimes());
  const auto runs = Runs(b.list, Element::kHighlight);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0]->index, 2);
  EXPECT_EQ(runs[0]->color, hull.d().HighlightColor);
  EXPECT_EQ(runs[0]->count, 9u);
  EXPECT_EQ(b.list.items().back().kind, DisplayList::Kind::kPolyline);

  hull.d().HighlightPending = true;
  b.Draw(hull, kPlanView, TenTimes());
  EXPECT_TRUE(Runs(b.list, Element::kHighlight).empty());
}

// The rank of each element in the drawing order of the sections mode.
int Rank(Element e) {
  static const Element kOrder[] = {
      Element::kNetColumn,      Element::kNetRow,          Element::kVertexSquare,
      Element::kHighlight,      Element::kStation,         Element::kSpecialStation,
      Element::kWaterline,      Element::kSpecialWaterline, Element::kButtock,
      Element::kSpecialButtock, Element::kReferenceHull,   Element::kKeelRudder,
      Element::kEdgeLine,       Element::kMarker,          Element::kChineLine};
  return static_cast<int>(std::find(std::begin(kOrder), std::end(kOrder), e) - std::begin(kOrder));
}

TEST(DrawDesign, EveryElementInItsOrderAndColour) {
  TempDir dir;
  Hull hull = Boat();
  HullDesign& d = hull.d();
  d.ColumnChineCount = 1;
  d.ColumnChines[0] = 4;
  hull.Rebuild();
  d.ShowVertexNet = d.ShowStations = d.ShowWaterlines = d.ShowButtocks = true;
  d.HighlightColumns = true;
  d.HighlightIndex = 1;
  d.SpecialStationsOn = d.SpecialWaterlinesOn = d.SpecialButtocksOn = true;
  d.SpecialStationCount = d.SpecialWaterlineCount = d.SpecialButtockCount = 1;
  d.SpecialStations[1] = 33;
  d.SpecialWaterlines[1] = 1.5;
  d.SpecialButtocks[1] = 2.5;
  d.RefHullShown = d.RefHullLoaded = d.KeelRudderShown = true;
  d.MarkersShown = true;
  d.MarkerFileName = dir.File("m.mkr");
  WriteFileText(d.MarkerFileName, "0 0\r\n1 2 3\r\n");
  Builder b;
  b.attached.referenceHull = {{false, 1, 10, 0}, {true, 2, 10, 1}};
  b.attached.keelRudderParts = {{{false, 0, 40, -5}, {true, 0, 60, -8}}};
  b.Draw(hull, kPlanView, TenTimes());

  int last = -1;
  std::map<Element, Rgb> colours;
  for (const DisplayList::Item& item : b.list.items()) {
    Element e;
    Rgb colour;
    if (item.kind == DisplayList::Kind::kPolyline) {
      e = b.list.polylines()[item.index].element;
      colour = b.list.polylines()[item.index].color;
    } else {
      ASSERT_EQ(item.kind, DisplayList::Kind::kSquare);
      e = b.list.squares()[item.index].element;
      colour = b.list.squares()[item.index].color;
    }
    ASSERT_GE(Rank(e), last) << "element " << static_cast<int>(e);
    last = Rank(e);
    colours[e] = colour;
  }
  const std::map<Element, Rgb> want{
      {Element::kNetColumn, d.NetColor},          {Element::kNetRow, d.NetColor},
      {Element::kVertexSquare, d.NetColor},       {Element::kHighlight, d.HighlightColor},
      {Element::kStation, d.StationColor},        {Element::kSpecialStation, d.SpecialLineColor},
      {Element::kWaterline, d.WaterlineColor},    {Element::kSpecialWaterline, d.SpecialLineColor},
      {Element::kButtock, d.ButtockColor},        {Element::kSpecialButtock, d.SpecialLineColor},
      {Element::kReferenceHull, d.RefHullColor},  {Element::kKeelRudder, d.RefHullColor},
      {Element::kEdgeLine, d.EdgeColor},          {Element::kMarker, d.MarkerColor},
      {Element::kChineLine, d.ChineColor}};
  EXPECT_EQ(colours, want);
  EXPECT_TRUE(b.list.messages().empty());
}

TEST(DrawDesign, MissingAttachedDrawingsAreReportedInTheView) {
  Hull hull = Boat();
  hull.d().RefHullShown = true;
  hull.d().KeelRudderShown = true;
  Builder b;
  b.Draw(hull, kBodyView, TenTimes());
  ASSERT_EQ(b.list.messages().size(), 2u);
  EXPECT_EQ(b.list.messages()[0].text, "No Reference Hull In Memory");
  EXPECT_EQ(b.list.messages()[1].text, "No Keel or Rudder is in Memory");

  // Loaded: pen flags start new lines.
  hull.d().RefHullLoaded = true;
  hull.d().KeelRudderShown = false;
  b.attached.referenceHull = {{false, 1, 10, 0}, {true, 2, 10, 1}, {true, 3, 10, 2},
                              {false, 1, 20, 0}, {true, 2, 20, 1}};
  b.Draw(hull, kPlanView, TenTimes());
  EXPECT_TRUE(b.list.messages().empty());
  const auto runs = Runs(b.list, Element::kReferenceHull);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0]->count, 3u);
  EXPECT_EQ(b.list.Points(*runs[1])[0], (LogicalPoint{200, 10}));
}

TEST(DrawDesign, MarkersAreCrossesReadAtEveryDrawing) {
  TempDir dir;
  Hull hull = Boat();
  hull.d().MarkersShown = true;
  hull.d().MarkerFileName = dir.File("m.mkr");
  WriteFileText(hull.d().MarkerFileName, "0 1\r\n1 2 3\r\n4 80 6\r\n");
  ScriptedPrompter prompter;
  Builder b;
  b.Draw(hull, kBodyView, TenTimes(), &prompter);
  const auto runs = Runs(b.list, Element::kMarker);
  ASSERT_EQ(runs.size(), 4u);
  // (1, 2, 3) is forward: centre (10, 30). (4, 80, 6) is aft: (-40, 60).
  auto segment = [&](int k) {
    const auto p = b.list.Points(*runs[k]);
    return std::pair{p[0], p[1]};
  };
  EXPECT_EQ(segment(0), (std::pair{LogicalPoint{5, 25}, LogicalPoint{15, 35}}));
  EXPECT_EQ(segment(1), (std::pair{LogicalPoint{5, 35}, LogicalPoint{15, 25}}));
  EXPECT_EQ(segment(2), (std::pair{LogicalPoint{-45, 55}, LogicalPoint{-35, 65}}));

  // Edited outside: the next drawing shows the change.
  WriteFileText(hull.d().MarkerFileName, "0 0\r\n1 2 3\r\n");
  b.Draw(hull, kBodyView, TenTimes(), &prompter);
  EXPECT_EQ(Runs(b.list, Element::kMarker).size(), 2u);

  // A bad count is reported and switches the markers off.
  WriteFileText(hull.d().MarkerFileName, "51 3\r\n1 2 3\r\n");
  b.Draw(hull, kBodyView, TenTimes(), &prompter);
  EXPECT_TRUE(Runs(b.list, Element::kMarker).empty());
  EXPECT_FALSE(hull.d().MarkersShown);
  ASSERT_EQ(prompter.errors.size(), 1u);
  EXPECT_EQ(prompter.errors[0], kMarkerCountMessage);
}

TEST(DrawDesign, ChineLinesFollowTheChinedRowAndDegreeOneColumns) {
  // Row 2 of 0..4 chined at degree 3: the surface passes through the row,
  // whose vertices all have z = 5 (rows at z = 20 t^2).
  Hull hull = nets::MakeHull(6, 4, 3, 3, [](double s, double t) {
    return nets::V(5 * std::sin(nets::kPi * s), 100 * s, 20 * t * t);
  });
  hull.d().RowChineCount = 1;
  hull.d().RowChines[0] = 2;
  hull.Rebuild();
  hull.d().ShowStations = true;
  Builder b;
  b.Draw(hull, kProfileView, TenTimes());
  auto runs = Runs(b.list, Element::kChineLine);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0]->count, 71u);  // ChineLinePoints + 1
  for (LogicalPoint p : b.list.Points(*runs[0])) EXPECT_EQ(p.y, 50);

  // Degree 1 along the columns: every interior column is a crease, drawn at
  // its own y; degree 1 along the rows likewise.
  Hull flat = nets::MakeGridHull(4, 2, [](int a, int b) { return nets::V(b, 10 * a, b); });
  flat.d().ShowButtocks = true;
  b.Draw(flat, kPlanView, TenTimes());
  runs = Runs(b.list, Element::kChineLine);
  ASSERT_EQ(runs.size(), 4u);  // columns 1..3, row 1
  for (int c = 1; c <= 3; ++c) {
    for (LogicalPoint p : b.list.Points(*runs[c - 1])) EXPECT_EQ(p.x, 100 * c);
  }
  for (LogicalPoint p : b.list.Points(*runs[3])) EXPECT_EQ(p.y, 10);
}

TEST(DrawDesign, EdgeLinesOnlyWithSectionsAndSurfaceLinesInBSplineMode) {
  Hull hull = Boat();
  Builder b;
  b.Draw(hull, kPlanView, TenTimes());
  EXPECT_TRUE(b.list.polylines().empty());

  hull.d().ShowButtocks = true;
  b.Draw(hull, kPlanView, TenTimes());
  const auto edges = Runs(b.list, Element::kEdgeLine);
  ASSERT_EQ(edges.size(), 2u);
  EXPECT_EQ(edges[0]->count, 71u);
  for (LogicalPoint p : b.list.Points(*edges[0])) EXPECT_EQ(p.y, 0);  // keel, x = 0

  hull.d().ShowSurface = true;
  hull.d().ShowStations = true;
  b.Draw(hull, kPlanView, TenTimes());
  EXPECT_EQ(Runs(b.list, Element::kSurfaceLineU).size(), 51u);
  EXPECT_EQ(Runs(b.list, Element::kSurfaceLineV).size(), 51u);
  EXPECT_TRUE(Runs(b.list, Element::kStation).empty());
  EXPECT_TRUE(Runs(b.list, Element::kEdgeLine).empty());
}

TEST(BuildView, AxesThenDesignOnlyForAnOpenView) {
  Hull hull = Boat();
  hull.d().ShowStations = true;
  ViewState state;
  state.view = kProfileView;
  state.clientWidth = 600;
  state.clientHeight = 400;
  ViewOptions options;
  DrawInputs inputs;
  inputs.options = &options;
  auto scratch = std::make_unique<DrawScratch>();
  DisplayList list;

  hull.d().ProfileViewOpen = false;
  BuildView(hull.d(), hull.s(), state, inputs, *scratch, list);
  EXPECT_TRUE(list.items().empty());

  hull.d().ProfileViewOpen = true;
  const ViewMapping& m = BuildView(hull.d(), hull.s(), state, inputs, *scratch, list);
  const auto axes = Runs(list, Element::kAxis);
  ASSERT_EQ(axes.size(), 2u);
  EXPECT_EQ(list.polylines()[0].element, Element::kAxis);
  EXPECT_EQ(list.Points(*axes[0])[0], (LogicalPoint{-1200, 0}));
  EXPECT_EQ(list.Points(*axes[1])[1], (LogicalPoint{0, 800}));
  EXPECT_EQ(Runs(list, Element::kStation).size(), 15u);
  EXPECT_EQ(m.clientWidth, 600);

  // Rebuilding reuses the buffers: same storage, no growth.
  BuildView(hull.d(), hull.s(), state, inputs, *scratch, list);
  const LogicalPoint* storage = list.points().data();
  const size_t capacity = list.points().capacity();
  BuildView(hull.d(), hull.s(), state, inputs, *scratch, list);
  EXPECT_EQ(list.points().data(), storage);
  EXPECT_EQ(list.points().capacity(), capacity);
}

TEST(DisplayList, LonePointsAreDroppedAndBreaksStartNewRuns) {
  DisplayList list;
  list.BeginRun(1, Element::kStation);
  list.Add({0, 0});
  list.Break();
  list.Add({1, 1});
  list.Add({2, 2});
  list.Break();
  list.Add({3, 3});
  list.EndRun();
  ASSERT_EQ(list.polylines().size(), 1u);
  EXPECT_EQ(list.polylines()[0].count, 2u);
  EXPECT_EQ(list.Points(list.polylines()[0])[0], (LogicalPoint{1, 1}));
  EXPECT_EQ(list.points().size(), 2u);
}

TEST(SelectionMark, FilledSquareAroundTheSelectedVertexOnly) {
  Hull hull = Boat();
  Builder b;
  hull.d().PickedColumn = -1;
  AddSelectionMark(hull.d(), hull.s(), kPlanView, TenTimes(), b.list);
  EXPECT_TRUE(b.list.squares().empty());
  hull.d().PickedColumn = 6;  // aft
  hull.d().PickedRow = 4;
  AddSelectionMark(hull.d(), hull.s(), kBodyView, TenTimes(), b.list);
  ASSERT_EQ(b.list.squares().size(), 1u);
  const Square& s = b.list.squares()[0];
  EXPECT_TRUE(s.filled);
  EXPECT_EQ(s.color, 0x000080);
  EXPECT_EQ(s.halfSize, 7);
  const Vertex& v = hull.d().Net[6][4];
  EXPECT_EQ(s.centre, (LogicalPoint{RoundClamped(-10.0 * v.x), 50}));
}

}  // namespace
}  // namespace skelmora
