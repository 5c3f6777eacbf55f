// The loading condition file: written with CR LF and read back the same,
// LF alone read too, and every malformed line refused by its number with
// the condition left as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "loading/condition_file.h"

namespace skelmora {
namespace {

LoadingCondition Sample() {
  LoadingCondition c;
  c.lightship = {"LIGHTSHIP", 125000.5, 420.25, -12.5, 0.0};
  c.items.push_back({"Cargo", 30000.0, 380.0, 24.0, -3.5});
  c.items.push_back({"Crew", 900.0, 120.0, 60.0, 0.0});
  c.tanks.push_back({"Fuel", 300.0, 360.0, -40.0, 40.0, -48.0, -10.0, 0.85, 50.0});
  c.openings.push_back({"AirPipe", 55.5, 300.0, 40.25});
  c.windage.push_back({"Deckhouse", 24000.0, 96.5});
  c.bilgeKeelArea = 1500.25;
  c.sharpBilges = true;
  return c;
}

TEST(ConditionFile, WritesCrLfAndReadsBackTheSameCondition) {
  const std::string text = FormatConditionFile(Sample());
  EXPECT_EQ(text.rfind("SKELMORA LOADING CONDITION\r\nLIGHTSHIP 125000.500000 420.250000 ", 0), 0u)
      << text;
  EXPECT_NE(text.find("\r\nTANK Fuel 300.000000 360.000000 -40.000000 40.000000 -48.000000 "
                      "-10.000000 0.850000 50.000000\r\n"),
            std::string::npos);
  for (size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '\n') ASSERT_EQ(text[k - 1], '\r');
  }
  LoadingCondition read;
  std::string message;
  ASSERT_TRUE(ParseConditionFile(text, read, message)) << message;
  EXPECT_EQ(FormatConditionFile(read), text);
  ASSERT_EQ(read.items.size(), 2u);
  EXPECT_EQ(read.items[0].name, "Cargo");
  EXPECT_DOUBLE_EQ(read.items[0].tcg, -3.5);
  ASSERT_EQ(read.tanks.size(), 1u);
  EXPECT_DOUBLE_EQ(read.tanks[0].density, 0.85);
  EXPECT_NE(text.find("\r\nOPENING AirPipe 55.500000 300.000000 40.250000\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nWINDAGE Deckhouse 24000.000000 96.500000\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nBILGEKEELS 1500.250000\r\nSHARPBILGES\r\n"), std::string::npos);
  ASSERT_EQ(read.openings.size(), 1u);
  EXPECT_DOUBLE_EQ(read.openings[0].z, 40.25);
  ASSERT_EQ(read.windage.size(), 1u);
  EXPECT_DOUBLE_EQ(read.windage[0].height, 96.5);
  EXPECT_DOUBLE_EQ(read.bilgeKeelArea, 1500.25);
  EXPECT_TRUE(read.sharpBilges);

  // LF alone, blank lines and no LIGHTSHIP line.
  std::string lf = "SKELMORA LOADING CONDITION\n\nITEM A 1 2 3 4\n";
  ASSERT_TRUE(ParseConditionFile(lf, read, message)) << message;
  EXPECT_EQ(read.lightship.weight, 0.0);
  ASSERT_EQ(read.items.size(), 1u);
  EXPECT_DOUBLE_EQ(read.items[0].tcg, 4.0);
}

TEST(ConditionFile, MalformedLinesAreRefusedByLineAndChangeNothing) {
  struct Case {
    const char* text;
    const char* says;
  };
  const std::string head = "SKELMORA LOADING CONDITION\nLIGHTSHIP 10 1 2 0\n";
  const Case cases[] = {
      {"NOT THE MARKER\nLIGHTSHIP 10 1 2 0\n", "Line 1: not a loading condition file"},
      {"", "Line 1: not a loading condition file"},
      {"HATCH Hatch 1 2 3\n", "Line 3: unknown keyword 'HATCH'"},
      {"OPENING Vent 1 2\n", "Line 3: the z is missing"},
      {"OPENING Vent 1 2 x\n", "Line 3: the z 'x' is not a number"},
      {"WINDAGE House -5 3\n", "Line 3: the area is negative"},
      {"WINDAGE House 5 3 1\n", "Line 3: more fields than the line takes"},
      {"BILGEKEELS -1\n", "Line 3: the area is negative"},
      {"BILGEKEELS\n", "Line 3: the area is missing"},
      {"BILGEKEELS 2\nBILGEKEELS 2\n", "Line 4: a second BILGEKEELS line"},
      {"SHARPBILGES 1\n", "Line 3: more fields than the line takes"},
      {"SHARPBILGES\nSHARPBILGES\n", "Line 4: a second SHARPBILGES line"},
      {"ITEM Cargo 10 1 2\n", "Line 3: the tcg is missing"},
      {"ITEM Cargo 10 1 2 3 4\n", "Line 3: more fields than the line takes"},
      {"ITEM Cargo 10 1,5 2 3\n", "Line 3: the lcg '1,5' is not a number"},
      {"ITEM Cargo -10 1 2 3\n", "Line 3: the weight is negative"},
      {"ITEM\n", "Line 3: the name is missing"},
      {"LIGHTSHIP 1 1 1 1\n", "Line 3: a second LIGHTSHIP line"},
      {"TANK T 10 20 -1 1 -2 0 -1 50\n", "Line 3: the density is negative"},
      {"TANK T 10 20 -1 1 -2 0 1 100.5\n", "Line 3: the fill is outside 0 to 100 percent"},
      {"TANK T 10 20 -1 1 -2 0 1 -1\n", "Line 3: the fill is outside 0 to 100 percent"},
      {"TANK T 20 10 -1 1 -2 0 1 50\n", "Line 3: the box has no length"},
      {"TANK T 10 20 1 1 -2 0 1 50\n", "Line 3: the box has no breadth"},
      {"TANK T 10 20 -1 1 0 0 1 50\n", "Line 3: the box has no height"},
      {"TANK T 10 20 -1 1 -2 0 1\n", "Line 3: the fill is missing"},
      {"ITEM A 1 nan 0 0\n", "Line 3: the lcg 'nan' is not a number"},
      {"ITEM A 1e300 0 0 0\n", "Line 3: a value is not a number of at most 1e12"},
  };
  for (const Case& c : cases) {
    const std::string text =
        std::string(c.text).rfind("NOT", 0) == 0 || std::string(c.text).empty() ? c.text
                                                                                 : head + c.text;
    LoadingCondition condition = Sample();
    const std::string before = FormatConditionFile(condition);
    std::string message;
    EXPECT_FALSE(ParseConditionFile(text, condition, message)) << c.text;
    EXPECT_EQ(message.rfind(c.says, 0), 0u) << message;
    EXPECT_EQ(FormatConditionFile(condition), before) << c.text;
  }
}

TEST(ConditionFile, SavesThroughTheAtomicSaveAndRefusesBadNames) {
  const auto dir = std::filesystem::temp_directory_path() / "skelmora_condition_file_test";
  std::filesystem::create_directories(dir);
  const auto path = dir / "cond.lcd";
  std::string message;
  ASSERT_TRUE(WriteConditionFile(path, Sample(), message)) << message;
  LoadingCondition read;
  ASSERT_TRUE(ReadConditionFile(path, read, message)) << message;
  EXPECT_EQ(FormatConditionFile(read), FormatConditionFile(Sample()));

  LoadingCondition bad = Sample();
  bad.items[1].name = "Two words";
  EXPECT_FALSE(WriteConditionFile(path, bad, message));
  EXPECT_NE(message.find("one word"), std::string::npos) << message;
  ASSERT_TRUE(ReadConditionFile(path, read, message));  // the file as it was
  EXPECT_EQ(read.items[1].name, "Crew");
  EXPECT_FALSE(ReadConditionFile(dir / "missing.lcd", read, message));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace skelmora
