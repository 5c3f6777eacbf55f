#include "shapes/deck.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/net_edit.h"

namespace skelmora {
namespace {

// (lastColumn + 1) x (lastRow + 1) vertices, the sheer at x = 10 + column.
std::unique_ptr<HullDesign> Net(int lastColumn, int lastRow) {
  auto d = std::make_unique<HullDesign>();
  d->LastColumn = lastColumn;
  d->LastRow = lastRow;
  d->StationTension = d->WaterlineTension = 3;
  for (int c = 0; c <= lastColumn; ++c) {
    for (int r = 0; r <= lastRow; ++r) {
      d->Net[c][r] = Vertex{float((10 + c) * r) / lastRow, float(12 * c), float(r - lastRow + 5),
                            1.0f};
    }
  }
  return d;
}

// Answers the chine question and the camber box from queues and keeps what
// was asked and shown.
class ScriptedPrompter : public Prompter {
 public:
  std::deque<bool> yes;
  std::deque<std::optional<std::string>> texts;  // nullopt: Cancel
  std::vector<std::string> asked, errors;

  bool AskYesNo(const std::string& text) override {
    asked.push_back(text);
    const bool answer = !yes.empty() && yes.front();
    if (!yes.empty()) yes.pop_front();
    return answer;
  }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void ShowInformation(const std::string&) override {}
  std::optional<std::string> AskText(const std::string& caption, const std::string&,
                                     const std::string&) override {
    asked.push_back(caption);
    if (texts.empty()) return std::nullopt;
    const std::optional<std::string> text = texts.front();
    texts.pop_front();
    return text;
  }
};

TEST(Deck, FileName) {
  const std::pair<const char*, const char*> cases[] = {
      {"/d/hull.s98", "/d/hullwdeck.s98"},
      {"/d.x/hull.s98", "/d.x/hullwdeck.s98"},
      {"/d/hull.v2.s98", "/d/hulls98wdeck.s98"},
      {"/d/hull", "/d/hullwdeck.s98"},
  };
  for (const auto& [hull, deck] : cases) EXPECT_EQ(DeckFileName(hull), deck) << hull;
}

TEST(Deck, RowCount) {
  EXPECT_EQ(DeckRowCount(*Net(3, 12)), 12);  // room for as many again
  EXPECT_EQ(DeckRowCount(*Net(3, 30)), 20);
  EXPECT_EQ(DeckRowCount(*Net(3, 50)), 0);
}

// The questions in order; a camber that is not a number is asked again.
TEST(Deck, AsksTheChineAndTheCamber) {
  auto d = Net(2, 30);
  ScriptedPrompter prompter;
  prompter.yes = {false};
  prompter.texts = {std::string("none"), std::string(" 3 ")};
  ASSERT_TRUE(AddDeck(*d, prompter));
  EXPECT_EQ(prompter.asked, (std::vector<std::string>{kDeckChineQuestion, "Set Deck Camber",
                                                      "Set Deck Camber"}));
  EXPECT_EQ(d->LastRow, 50);
  EXPECT_FLOAT_EQ(d->Net[0][50].z, d->Net[0][30].z + 3.0f);
  EXPECT_EQ(d->Net[2][40].w, 1.0f);

  auto chined = Net(2, 8);
  ScriptedPrompter yes;
  yes.yes = {true};
  yes.texts = {std::string("2")};
  ASSERT_TRUE(AddDeck(*chined, yes));
  EXPECT_EQ(chined->RowChineCount, 1);
  EXPECT_EQ(chined->LastRow, 16);
  EXPECT_EQ(WorkingLastRow(*chined), 18);
}

TEST(Deck, RefusalsLeaveTheDesignAsItWas) {
  struct Case {
    int lastRow, chines;
    bool chine, cancelCamber, message;
  };
  const Case cases[] = {
      {1, 0, false, false, true},  // two rows
      {47, 2, true, false, true},  // the chine leaves no room
      {10, 0, true, true, false},  // camber cancelled
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lastRow);
    auto d = Net(2, c.lastRow);
    d->StationTension = 2;
    for (int k = 0; k < c.chines; ++k) d->RowChines[d->RowChineCount++] = 1 + k;
    const HullDesign before = *d;
    ScriptedPrompter prompter;
    prompter.yes = {c.chine};
    if (c.cancelCamber) prompter.texts = {std::nullopt};
    EXPECT_FALSE(AddDeck(*d, prompter));
    EXPECT_EQ(prompter.errors.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(prompter.errors[0], kTooFewDeckVertices);
    }
    EXPECT_EQ(d->LastRow, before.LastRow);
    EXPECT_EQ(d->RowChineCount, before.RowChineCount);
    EXPECT_EQ(WorkingLastRow(*d), WorkingLastRow(before));
  }
}

// A full chine list is not offered the joint's chine.
TEST(Deck, AFullChineListIsNotAsked) {
  auto d = Net(2, 20);
  d->StationTension = 1;
  d->RowChineCount = kMaxChines;
  for (int k = 0; k < kMaxChines; ++k) d->RowChines[k] = 1 + k;
  ScriptedPrompter prompter;
  prompter.texts = {std::string("1")};
  ASSERT_TRUE(AddDeck(*d, prompter));
  EXPECT_EQ(prompter.asked, std::vector<std::string>{"Set Deck Camber"});
  EXPECT_EQ(d->RowChineCount, kMaxChines);
}

TEST(Deck, ThirtyRowsWithoutChinesGetTwentyAndTheCamberAtTheCentreline) {
  auto d = Net(2, 30);
  ASSERT_FALSE(AddDeck(*d, 3.0, false).has_value());
  EXPECT_EQ(d->LastRow, 50);
  EXPECT_EQ(WorkingLastRow(*d), 50);
  const Vertex sheer = d->Net[0][30];
  ASSERT_EQ(sheer.x, 10.0f);
  EXPECT_EQ(d->Net[0][50].x, 0.0f);
  EXPECT_FLOAT_EQ(d->Net[0][50].z, sheer.z + 3.0f);
  EXPECT_FLOAT_EQ(d->Net[0][31].x, 9.5f);
  EXPECT_NEAR(d->Net[0][31].z, sheer.z + 3.0 - 3.0 * 0.95 * 0.95, 1e-5);
}

// A camber the single-precision net cannot hold is refused with nothing
// changed (1e308 used to be written as infinities, that is as 0); a large
// one that fits keeps the centreline crown above the sheer instead of
// cancelling to 0 there.
TEST(Deck, ACamberTheNetCannotHoldIsRefused) {
  for (const double camber : {1e308, -1e308, 3.5e38}) {
    auto d = Net(2, 8);
    EXPECT_EQ(AddDeck(*d, camber, true), std::string(kNetOverflowMessage)) << camber;
    EXPECT_EQ(d->LastRow, 8);
    EXPECT_EQ(d->RowChineCount, 0);
  }
  auto d = Net(2, 8);
  d->Net[1][8].x = 0.0f;  // a sheer on the centreline gets no camber
  ASSERT_FALSE(AddDeck(*d, 3e38, false).has_value());
  EXPECT_FLOAT_EQ(d->Net[0][16].z, 3e38f);
  for (int r = 9; r <= 16; ++r) EXPECT_EQ(d->Net[1][r].z, d->Net[1][8].z) << r;
  // The program's box asks again after the refusal.
  auto asked = Net(2, 8);
  ScriptedPrompter prompter;
  prompter.texts = {std::string("1e308"), std::string("2")};
  ASSERT_TRUE(AddDeck(*asked, prompter));
  EXPECT_EQ(prompter.errors, std::vector<std::string>{kNetOverflowMessage});
  EXPECT_FLOAT_EQ(asked->Net[0][16].z, asked->Net[0][8].z + 2.0f);
}

TEST(Deck, TheJointChineAndTheRefusal) {
  auto d = Net(2, 8);
  ASSERT_FALSE(AddDeck(*d, 2.0, true).has_value());
  EXPECT_EQ(d->RowChineCount, 1);
  EXPECT_EQ(d->RowChines[0], 8);
  EXPECT_EQ(d->LastRow, 16);
  EXPECT_EQ(WorkingLastRow(*d), 18);

  // 48 rows and the joint's chine leave one row: refused, chine taken back.
  auto full = Net(2, 48);
  full->StationTension = 2;
  EXPECT_EQ(AddDeck(*full, 3.0, true), std::string(kTooFewDeckVertices));
  EXPECT_EQ(full->RowChineCount, 0);
  EXPECT_EQ(full->LastRow, 48);
  EXPECT_EQ(WorkingLastRow(*full), 48);
}

}  // namespace
}  // namespace skelmora
