// The IGES file read back by a small parser of its own: the record layout of
// every section, the directory's pointers and counts, and the entity-128
// parameters against the working net and knots they came from.
#include "exchange/iges_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/hydro/hydro_fixtures.h"
#include "files/text_io.h"

namespace skelmora {
namespace {

struct Iges {
  std::vector<std::string> records[5];  // S G D P T, whole 80-column records
  std::vector<std::string> global;      // parameters of the global section
  std::vector<std::vector<std::string>> parameters;  // one token list per entity
};

// A fixed-width integer field, blanks around it.
int Field(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  text.remove_prefix(first);
  return ParseInt(text.substr(0, text.find(' ')));
}

int SectionIndex(char letter) { return std::string("SGDPT").find(letter); }

Iges Parse(const std::string& text) {
  Iges out;
  std::istringstream in(text);
  std::string line;
  int lastSection = 0;
  while (std::getline(in, line)) {
    EXPECT_EQ(line.size(), 80u) << line;
    if (line.size() != 80) continue;
    const int section = SectionIndex(line[72]);
    EXPECT_GE(section, lastSection) << "sections out of order: " << line;
    lastSection = section;
    out.records[section].push_back(line);
    EXPECT_EQ(Field(std::string_view(line).substr(73)), int(out.records[section].size()))
        << "sequence number: " << line;
  }
  // Free-format sections: tokens up to the delimiters, a line's text is its
  // first 72 (global) or 64 (parameter) columns.
  auto tokens = [](const std::string& data, std::vector<std::string>& list, bool& ended) {
    std::string token;
    for (size_t k = 0; k < data.size(); ++k) {
      const char c = data[k];
      if (c == ',' || c == ';') {
        list.push_back(token);
        token.clear();
        if (c == ';') ended = true;
      } else if (c == 'H' && !token.empty() && token.find_first_not_of("0123456789 ") == std::string::npos) {
        const size_t n = std::stoul(token);
        token = data.substr(k + 1, n);
        k += n;
      } else if (c != ' ') {
        token += c;
      }
    }
    EXPECT_TRUE(token.empty()) << "a value split over two lines: " << token;
  };
  bool ended = false;
  for (const std::string& record : out.records[1]) tokens(record.substr(0, 72), out.global, ended);
  EXPECT_TRUE(ended);
  for (size_t d = 0; d + 1 < out.records[2].size(); d += 2) {
    const std::string& first = out.records[2][d];
    const std::string& second = out.records[2][d + 1];
    EXPECT_EQ(Field(std::string_view(first).substr(0, 8)), 128);
    EXPECT_EQ(Field(std::string_view(second).substr(0, 8)), 128);
    const int start = Field(std::string_view(first).substr(8, 8));
    const int count = Field(std::string_view(second).substr(24, 8));
    std::vector<std::string> list;
    bool entityEnded = false;
    for (int p = start; p < start + count; ++p) {
      const std::string& record = out.records[3].at(p - 1);
      EXPECT_EQ(record[64], ' ');
      EXPECT_EQ(Field(std::string_view(record).substr(64, 8)), int(d) + 1) << "back pointer";
      EXPECT_FALSE(entityEnded);
      tokens(record.substr(0, 64), list, entityEnded);
    }
    EXPECT_TRUE(entityEnded);
    out.parameters.push_back(list);
  }
  return out;
}

void ExpectSurface(const std::vector<std::string>& p, const Surface& s, double sign) {
  const int k1 = s.knots.lastColumn, k2 = s.knots.lastRow;
  const int m1 = s.knots.degreeU, m2 = s.knots.degreeV;
  ASSERT_EQ(p.size(), size_t(10 + (k1 + m1 + 2) + (k2 + m2 + 2) + 4 * (k1 + 1) * (k2 + 1) + 4));
  EXPECT_EQ(p[0], "128");
  EXPECT_EQ(ParseInt(p[1]), k1);
  EXPECT_EQ(ParseInt(p[2]), k2);
  EXPECT_EQ(ParseInt(p[3]), m1);
  EXPECT_EQ(ParseInt(p[4]), m2);
  for (int k = 5; k < 10; ++k) EXPECT_EQ(p[k], "0");
  size_t at = 10;
  for (int k = 0; k < k1 + m1 + 2; ++k) EXPECT_EQ(ParseFloat(p[at++]), s.knots.u[k]);
  for (int k = 0; k < k2 + m2 + 2; ++k) EXPECT_EQ(ParseFloat(p[at++]), s.knots.v[k]);
  for (int j = 0; j <= k2; ++j)
    for (int i = 0; i <= k1; ++i) EXPECT_EQ(ParseFloat(p[at++]), s.working.net[i][j].w);
  for (int j = 0; j <= k2; ++j) {
    for (int i = 0; i <= k1; ++i) {
      const Vertex& v = s.working.net[i][j];
      // Float values come back exactly: more than 7 significant digits.
      EXPECT_EQ(ParseFloat(p[at++]), float(sign * v.x)) << i << "," << j;
      EXPECT_EQ(ParseFloat(p[at++]), v.y);
      EXPECT_EQ(ParseFloat(p[at++]), v.z);
    }
  }
  EXPECT_EQ(ParseReal(p[at]), 0.0);
  EXPECT_EQ(ParseReal(p[at + 1]), 1.0);
}

struct Fixture {
  test::Hull hull;
  explicit Fixture(int32_t units = kInches, double scale = 1.0) {
    test::MakeSailboat(hull, units, scale);
    HullDesign& d = hull.d();
    // A chine and an odd weight, so repeated lines and weights show.
    d.RowChineCount = 1;
    d.RowChines[0] = 2;
    d.Net[2][3].w = 1.75f;
    d.Net[1][1].x = 12.3456789f;
    hull.Rebuild();
  }
};

TEST(IgesFile, SectionsDirectoryAndTheWorkingNetWithItsChine) {
  Fixture f;
  const Surface& s = *f.hull.surface;
  ASSERT_GT(s.working.lastRow, f.hull.design.LastRow) << "the chine should repeat a row";
  IgesOptions options;
  options.fileName = "boat.igs";
  options.timeStamp = "20261210.120000";
  const Iges iges = Parse(FormatIges(f.hull.design, s, options));
  ASSERT_EQ(iges.records[4].size(), 1u);
  const std::string& t = iges.records[4][0];
  EXPECT_EQ(Field(t.substr(1, 7)), int(iges.records[0].size()));
  EXPECT_EQ(Field(t.substr(9, 7)), int(iges.records[1].size()));
  EXPECT_EQ(Field(t.substr(17, 7)), int(iges.records[2].size()));
  EXPECT_EQ(Field(t.substr(25, 7)), int(iges.records[3].size()));
  EXPECT_EQ(t[0], 'S');
  EXPECT_EQ(t[24], 'P');

  ASSERT_GE(iges.global.size(), 25u);
  EXPECT_EQ(iges.global[0], ",");
  EXPECT_EQ(iges.global[1], ";");
  EXPECT_EQ(iges.global[3], "boat.igs");
  EXPECT_EQ(iges.global[13], "1");
  EXPECT_EQ(iges.global[14], "INCH");
  EXPECT_EQ(iges.global[17], "20261210.120000");
  EXPECT_EQ(iges.global[22], "11");

  ASSERT_EQ(iges.parameters.size(), 1u);
  ExpectSurface(iges.parameters[0], s, 1.0);
  // What an importer looks for: the first parameter line starts "128,".
  EXPECT_EQ(iges.records[3][0].substr(0, 4), "128,");
}

TEST(IgesFile, MirrorIsASecondEntityAndMillimetresAreNamed) {
  Fixture f(kMillimetres, 25.4);
  IgesOptions options;
  options.mirror = true;
  const Iges iges = Parse(FormatIges(f.hull.design, *f.hull.surface, options));
  EXPECT_EQ(iges.global[13], "2");
  EXPECT_EQ(iges.global[14], "MM");
  ASSERT_EQ(iges.parameters.size(), 2u);
  EXPECT_EQ(iges.records[2].size(), 4u);
  ExpectSurface(iges.parameters[0], *f.hull.surface, 1.0);
  ExpectSurface(iges.parameters[1], *f.hull.surface, -1.0);
}

}  // namespace
}  // namespace skelmora
