#include "exchange/dxf_file.h"

#include <algorithm>
#include <memory>

#include "files/text_io.h"

namespace skelmora {

namespace {

struct Layer {
  const char* name;
  int color;  // AutoCAD colour index
};

constexpr Layer kLayers[] = {
    {kDxfStationLayer, 1},          {kDxfWaterlineLayer, 5},      {kDxfButtockLayer, 3},
    {kDxfSpecialStationLayer, 6},   {kDxfSpecialWaterlineLayer, 6}, {kDxfSpecialButtockLayer, 6},
    {kDxfNetLayer, 8},              {kDxfSurfaceLayer, 7},
};

class DxfWriter {
 public:
  void Group(int code, const std::string& value) {
    out_ += std::to_string(code);
    out_ += '\n';
    out_ += value;
    out_ += '\n';
  }
  void Real(int code, double value) { Group(code, FormatFixed(value, 1, 6)); }
  // A model point as DXF X (aft), Y (half-breadth), Z (height).
  void Point(int base, double x, double y, double z) {
    Real(base, y);
    Real(base + 10, x);
    Real(base + 20, z);
  }

  void BeginPolyline(const char* layer) {
    Group(0, "POLYLINE");
    Group(8, layer);
    Group(66, "1");
    Point(10, 0.0, 0.0, 0.0);
    Group(70, "8");  // a 3D polyline
  }
  void Vertex(const char* layer, double x, double y, double z) {
    Group(0, "VERTEX");
    Group(8, layer);
    Point(10, x, y, z);
    Group(70, "32");
  }
  void EndPolyline(const char* layer) {
    Group(0, "SEQEND");
    Group(8, layer);
  }

  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

void Header(DxfWriter& w) {
  w.Group(0, "SECTION");
  w.Group(2, "HEADER");
  w.Group(9, "$ACADVER");
  w.Group(1, "AC1009");
  w.Group(0, "ENDSEC");
  w.Group(0, "SECTION");
  w.Group(2, "TABLES");
  w.Group(0, "TABLE");
  w.Group(2, "LTYPE");
  w.Group(70, "1");
  w.Group(0, "LTYPE");
  w.Group(2, "CONTINUOUS");
  w.Group(70, "0");
  w.Group(3, "Solid line");
  w.Group(72, "65");
  w.Group(73, "0");
  w.Real(40, 0.0);
  w.Group(0, "ENDTAB");
  w.Group(0, "TABLE");
  w.Group(2, "LAYER");
  w.Group(70, std::to_string(std::size(kLayers)));
  for (const Layer& layer : kLayers) {
    w.Group(0, "LAYER");
    w.Group(2, layer.name);
    w.Group(70, "0");
    w.Group(62, std::to_string(layer.color));
    w.Group(6, "CONTINUOUS");
  }
  w.Group(0, "ENDTAB");
  w.Group(0, "ENDSEC");
}

// One cut's points first..last as a polyline on each side asked for.
void CutLine(DxfWriter& w, const char* layer, const std::array<SurfacePoint, kSectionCapacity>& points,
             int first, int last, bool bothSides) {
  first = std::max(first, 0);
  last = std::min(last, kSectionCapacity - 1);
  if (last <= first) return;
  for (int sgn : {1, -1}) {
    if (sgn < 0 && !bothSides) break;
    w.BeginPolyline(layer);
    for (int k = first; k <= last; ++k) w.Vertex(layer, sgn * points[k].x, points[k].y, points[k].z);
    w.EndPolyline(layer);
  }
}

enum class Cut { kStation, kWaterline, kButtock };

void Section(DxfWriter& w, const char* layer, Cut kind, const HullDesign& design,
             const Surface& surface, CutBuffers& cuts, double c, bool bothSides) {
  switch (kind) {
    case Cut::kStation:
      CutLine(w, layer, cuts.section, 0, CutStation(design, surface, cuts, c).last, bothSides);
      return;
    case Cut::kButtock:
      CutLine(w, layer, cuts.section, 0, CutButtock(design, surface, cuts, c).last, bothSides);
      return;
    case Cut::kWaterline: {
      const CutResult cut = CutWaterline(design, surface, cuts, c);
      ForEachWaterlinePiece(cuts, cut, [&](const auto& points, int first, int last) {
        CutLine(w, layer, points, first, last, bothSides);
      });
      return;
    }
  }
}

void Placed(DxfWriter& w, const char* layer, Cut kind, const HullDesign& design,
            const Surface& surface, CutBuffers& cuts, const SectionPlacement& placement,
            bool bothSides) {
  for (int k = 1; k <= placement.count; ++k) {
    Section(w, layer, kind, design, surface, cuts, placement.At(k), bothSides);
  }
}

template <size_t N>
void Special(DxfWriter& w, const char* layer, Cut kind, const HullDesign& design,
             const Surface& surface, CutBuffers& cuts, const std::array<double, N>& list,
             int count, bool bothSides) {
  count = std::clamp(count, 0, static_cast<int>(N) - 1);
  for (int k = 1; k <= count; ++k) Section(w, layer, kind, design, surface, cuts, list[k], bothSides);
}

void Net(DxfWriter& w, const HullDesign& design, bool bothSides) {
  const int lastColumn = ClampIndex(design.LastColumn);
  const int lastRow = ClampIndex(design.LastRow);
  for (int sgn : {1, -1}) {
    if (sgn < 0 && !bothSides) break;
    for (int c = 0; c <= lastColumn; ++c) {
      for (int r = 0; r <= lastRow; ++r) {
        const Vertex& v = design.Net[c][r];
        w.Group(0, "POINT");
        w.Group(8, kDxfNetLayer);
        w.Point(10, sgn * v.x, v.y, v.z);
      }
    }
    auto line = [&](int count, auto vertexAt) {
      if (count < 1) return;
      w.BeginPolyline(kDxfNetLayer);
      for (int k = 0; k <= count; ++k) {
        const Vertex& v = vertexAt(k);
        w.Vertex(kDxfNetLayer, sgn * v.x, v.y, v.z);
      }
      w.EndPolyline(kDxfNetLayer);
    };
    for (int c = 0; c <= lastColumn; ++c) {
      line(lastRow, [&](int r) -> const Vertex& { return design.Net[c][r]; });
    }
    for (int r = 0; r <= lastRow; ++r) {
      line(lastColumn, [&](int c) -> const Vertex& { return design.Net[c][r]; });
    }
  }
}

void Faces(DxfWriter& w, const Surface& surface) {
  const int nu = std::clamp(surface.columnDivisions, 1, kGridSize - 1);
  const int nv = std::clamp(surface.rowDivisions, 1, kGridSize - 1);
  for (int sgn : {1, -1}) {
    for (int i = 0; i < nu; ++i) {
      for (int j = 0; j < nv; ++j) {
        const SurfacePoint* corners[4] = {&surface.grid[i][j], &surface.grid[i + 1][j],
                                          &surface.grid[i + 1][j + 1], &surface.grid[i][j + 1]};
        w.Group(0, "3DFACE");
        w.Group(8, kDxfSurfaceLayer);
        for (int k = 0; k < 4; ++k) w.Point(10 + k, sgn * corners[k]->x, corners[k]->y, corners[k]->z);
      }
    }
  }
}

}  // namespace

std::string FormatDxf(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                      const DxfOptions& options) {
  DxfWriter w;
  Header(w);
  w.Group(0, "SECTION");
  w.Group(2, "ENTITIES");
  const bool both = options.bothSides;
  // The placements derive counts and spacings the way the views do; a copy
  // takes them, so exporting changes nothing.
  auto placed = std::make_unique<HullDesign>(design);
  if (options.families & kDxfStations) {
    Placed(w, kDxfStationLayer, Cut::kStation, design, surface, cuts,
           StationPositions(*placed, surface, cuts), both);
  }
  if (options.families & kDxfWaterlines) {
    Placed(w, kDxfWaterlineLayer, Cut::kWaterline, design, surface, cuts,
           WaterlinePositions(*placed, surface), both);
  }
  if (options.families & kDxfButtocks) {
    Placed(w, kDxfButtockLayer, Cut::kButtock, design, surface, cuts,
           ButtockPositions(*placed, surface), both);
  }
  if (options.families & kDxfSpecial) {
    Special(w, kDxfSpecialStationLayer, Cut::kStation, design, surface, cuts,
            design.SpecialStations, design.SpecialStationCount, both);
    Special(w, kDxfSpecialWaterlineLayer, Cut::kWaterline, design, surface, cuts,
            design.SpecialWaterlines, design.SpecialWaterlineCount, both);
    Special(w, kDxfSpecialButtockLayer, Cut::kButtock, design, surface, cuts,
            design.SpecialButtocks, design.SpecialButtockCount, both);
  }
  if (options.families & kDxfNet) Net(w, design, both);
  if (options.families & kDxfSurface) Faces(w, surface);
  w.Group(0, "ENDSEC");
  w.Group(0, "EOF");
  return w.Take();
}

}  // namespace skelmora
