// The table machinery on a small record of its own, apart from any format.
#include "files/layout_table.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/files/file_test_support.h"

namespace skelmora {
namespace {

using skelmora::testing::JoinCrLf;

struct Record {
  int32_t count = 0;
  std::array<double, 8> values{};  // 1-based, as the design's lists
  bool extra = false;
  int32_t extraValue = 0;
  std::array<float, 2> weights{};
  std::array<int32_t, 2> marks{};
  std::string name;
  int32_t tail = 0;
};

bool CountFits(const Record& r, const std::string& subject, std::string& message) {
  if (r.count >= 0 && r.count <= 7) return true;
  message = subject + " counts " + std::to_string(r.count);
  return false;
}

layout::Table<Record> MakeTable() {
  using R = Record;
  layout::Table<R> table;
  table.lines = {
      layout::Keyword<R>("TOY"),
      layout::Fields<R>(
          {layout::Value<&R::count>().WrittenWithin(0, 7), layout::Value<&R::extra>()})
          .Then(CountFits),
      layout::Packed<R>([](const R& r) { return std::clamp(r.count, 0, 7); }, 3,
                        layout::RealItem<&R::values, 1>(6, 2)),
      layout::Fields<R>({layout::Value<&R::extraValue>()}).When([](const R& r) { return r.extra; }),
      layout::Each<R>([](const R&) { return 2; },
                      {layout::RealItem<&R::weights>(5, 1).OneIfNotPositive(),
                       layout::Item<&R::marks>()}),
      layout::Text<R>([](const R& r) { return r.name; },
                      [](R& r, std::string_view text) { r.name.assign(text); }),
  };
  table.trailer = {layout::Fields<R>({layout::Value<&R::tail>()})};
  return table;
}

std::string Write(const Record& r) {
  LineWriter out;
  layout::WriteTable(MakeTable(), r, out);
  return out.Take();
}

layout::ReadStatus Read(const std::string& text, Record& r, bool strict,
                        std::string* message = nullptr) {
  LineReader reader(text);
  layout::ReadOptions options;
  options.strict = strict;
  options.subject = "The toy";
  std::string ignored;
  return layout::ReadTable(MakeTable(), r, reader, options, message ? *message : ignored);
}

TEST(LayoutTable, OneTableWritesAndReadsEveryKindOfLine) {
  Record r;
  r.count = 7;
  for (int i = 1; i <= 7; ++i) r.values[i] = i * 1.5;
  r.extra = true;
  r.extraValue = -4;
  r.weights = {-2.0f, 2.5f};
  r.marks = {0, 3};
  r.name = "a name with blanks";
  r.tail = 9;
  const std::string text = JoinCrLf({"TOY", "7 1", "  1.50   3.00   4.50", "  6.00   7.50   9.00",
                                     " 10.50", "-4", "  1.0 0", "  2.5 3", "a name with blanks",
                                     "9"});
  EXPECT_EQ(Write(r), text);
  EXPECT_EQ(r.weights[0], -2.0f);  // written as 1, left alone

  Record back;
  ASSERT_EQ(Read(text, back, true), layout::ReadStatus::kOk);
  EXPECT_EQ(Write(back), text);
  EXPECT_EQ(back.values[7], 10.5);
  EXPECT_EQ(back.weights[0], 1.0f);

  // An optional line that is not there, a count of 0 (no value lines), and
  // a count outside its range written clamped.
  Record small;
  EXPECT_EQ(Write(small), JoinCrLf({"TOY", "0 0", "  1.0 0", "  1.0 0", "", "0"}));
  small.count = 12;
  EXPECT_EQ(Write(small).substr(0, 10), "TOY\r\n7 0\r\n");
}

TEST(LayoutTable, LenientAndStrictReading) {
  const std::string whole = JoinCrLf({"TOY", "2 0", "1 2", "  1.0 0", "  1.0 0", "n", "3"});
  struct Case {
    const char* what;
    std::string text;
    layout::ReadStatus lenient;
    layout::ReadStatus strict;
  };
  using S = layout::ReadStatus;
  const Case cases[] = {
      {"whole", whole, S::kOk, S::kOk},
      {"value missing", JoinCrLf({"TOY", "2 0", "1", "  1.0 0", "  1.0 0", "n", "3"}), S::kOk,
       S::kDamaged},
      {"value extra", JoinCrLf({"TOY", "2 0 5", "1 2", "  1.0 0", "  1.0 0", "n", "3"}), S::kOk,
       S::kDamaged},
      {"not a number", JoinCrLf({"TOY", "2 0", "1 x", "  1.0 0", "  1.0 0", "n", "3"}), S::kOk,
       S::kDamaged},
      {"keyword", JoinCrLf({"TOX", "2 0", "1 2", "  1.0 0", "  1.0 0", "n", "3"}), S::kOk,
       S::kDamaged},
      {"no trailer", JoinCrLf({"TOY", "2 0", "1 2", "  1.0 0", "  1.0 0", "n"}), S::kOk,
       S::kEndsEarly},
      {"trailer twice", whole + JoinCrLf({"", "5"}), S::kOk, S::kOk},
      {"ends early", JoinCrLf({"TOY", "2 0", "1 2"}), S::kEndsEarly, S::kEndsEarly},
      {"count refused", JoinCrLf({"TOY", "8 0", "1 2"}), S::kRefused, S::kRefused},
  };
  for (const Case& c : cases) {
    Record lenient;
    Record strict;
    std::string message;
    EXPECT_EQ(Read(c.text, lenient, false, &message), c.lenient) << c.what;
    EXPECT_EQ(Read(c.text, strict, true), c.strict) << c.what;
    if (c.lenient == S::kRefused) {
      EXPECT_EQ(message, "The toy counts 8");
    }
  }

  // Lenient: a missing value reads as 0, the last trailer wins.
  Record r;
  ASSERT_EQ(Read(JoinCrLf({"TOY", "2 0", "1", "  1.0 0", "  1.0 0", "n", "3", "", "5"}), r, false),
            S::kOk);
  EXPECT_EQ(r.values[1], 1.0);
  EXPECT_EQ(r.values[2], 0.0);
  EXPECT_EQ(r.tail, 5);
}

}  // namespace
}  // namespace skelmora
