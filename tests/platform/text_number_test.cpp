// Text and number services: cp932 byte counts, character and byte-counted
// parts and searches, number to text, text to number, whole numbers.
#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

#include "platform/fault.h"
#include "platform/text_number.h"

namespace lesson {
namespace {

// Expects fn to throw Fault with the given code.
template <class Fn>
void ExpectFault(Fn fn, int code, const std::string& what) {
  try {
    fn();
    ADD_FAILURE() << what << ": no fault";
  } catch (const Fault& f) {
    EXPECT_EQ(f.code, code) << what;
  }
  std::feclearexcept(FE_ALL_EXCEPT);
}

float Doubled(float v, int times) {
  for (int i = 0; i < times; ++i) v = v + v;
  return v;
}

// --- number to text ---

TEST(NumberToText, BlankSignNoLeadingZeroShortestDigits) {
  volatile float nine = 0.9f;
  volatile float three = 3.0f;
  struct Case {
    float v;
    const char* text;
  };
  const Case cases[] = {
      {0.5f, " .5"},
      {-0.5f, "-.5"},
      {0.0f, " 0"},
      {-0.0f, " 0"},
      {nine * nine, " .81"},
      {Doubled(6.4f, 14), " 104857.6"},
      {209715.2f, " 209715.2"},
      {1.0f / three, " .3333333"},
      {-1.0f / three, "-.3333333"},
      {2.0f / three, " .6666667"},
      {41.0f, " 41"},
      {-2.0f, "-2"},
      {100.0f, " 100"},
      {2.5f, " 2.5"},
      {-123.456f, "-123.456"},
      {3.14159265f, " 3.141593"},
      {0.1f + 0.2f, " .3"},
      {0.001f, " .001"},
      {0.0125f, " .0125"},
      {1234567.0f, " 1234567"},
      // whole numbers keep every digit, even one step from a rounder number
      {9999999.0f, " 9999999"},
      {8388609.0f, " 8388609"},
      {-9999999.0f, "-9999999"},
      // plain from 1E-07 to below 1E+07, exponent form outside
      {1e-7f, " .0000001"},
      {-2.5e-7f, "-.00000025"},
      {1e7f, " 1E+07"},
      {-1e7f, "-1E+07"},
      {12345678.0f, " 1.234568E+07"},
      {1.5e-8f, " 1.5E-08"},
      {-1.5e-8f, "-1.5E-08"},
      {1e38f, " 1E+38"},
      {FLT_MAX, " 3.402823E+38"},
      {1e-30f, " 1E-30"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Str(c.v), c.text) << "value " << c.v;
  }
}

TEST(NumberToText, ReadsBackCloseToTheNumberAcrossMagnitudes) {
  // Every text must read back within the 7 significant digits it carries:
  // catches lost or misplaced zeros and exponents.
  std::feclearexcept(FE_ALL_EXCEPT);
  for (int e = -12; e <= 12; ++e) {
    for (float m : {1.0f, 1.2345678f, 2.0f, 4.9999f, 5.5f, 9.87654f, 9.9999999f}) {
      for (float sign : {1.0f, -1.0f}) {
        const float v = sign * m * std::pow(10.0f, static_cast<float>(e));
        const std::string t = Str(v);
        ASSERT_FALSE(t.empty());
        EXPECT_EQ(t[0], sign > 0 ? ' ' : '-') << t;
        EXPECT_NE(t.substr(0, 3), " 0.") << t;
        EXPECT_NEAR(Val(t), v, std::fabs(v) * 6e-7f) << t;
      }
    }
  }
  EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID), 0);
}

TEST(NumberToText, InfinityAndNanDoNotCrash) {
  EXPECT_FALSE(Str(INFINITY).empty());
  EXPECT_FALSE(Str(-INFINITY).empty());
  EXPECT_FALSE(Str(NAN).empty());
}

// --- text to number ---

TEST(TextToNumber, LongestLeadingDecimal) {
  struct Case {
    const char* text;
    float v;
  };
  const Case cases[] = {
      {"", 0.0f},
      {"12", 12.0f},
      {"1.5", 1.5f},
      {".5", 0.5f},
      {"-3", -3.0f},
      {"-.5", -0.5f},
      {"+4", 4.0f},
      {"abc", 0.0f},
      {"3x", 3.0f},
      {"   7", 7.0f},
      {" -2", -2.0f},           // as number-to-text writes it
      {" .3333333", 0.3333333f},
      {"3/4", 3.0f},            // the number entry splits at "/" itself
      {"-", 0.0f},
      {".", 0.0f},
      {"-.", 0.0f},
      {"--3", 0.0f},
      {"3-4", 3.0f},
      {"1.2.3", 1.2f},
      {"１２", 0.0f},            // full-width digits are not a number
      {"23:59:59", 23.0f},
      // exponent form, so that number-to-text reads back
      {"1e3", 1000.0f},
      {" 1E+07", 1e7f},
      {"-1.5E-08", -1.5e-8f},
      {"2e", 2.0f},
      {"2e+", 2.0f},
      {"2ex", 2.0f},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Val(c.text), c.v) << '"' << c.text << '"';
  }
  EXPECT_FALSE(std::signbit(Val("-0")));
}

TEST(TextToNumber, OutOfRangeNeverFaultsNorLeavesFlags) {
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_EQ(Val("1e60"), FLT_MAX);
  EXPECT_EQ(Val("-1e60"), -FLT_MAX);
  EXPECT_EQ(Val("999999999999999999999999999999999999999999999"), FLT_MAX);
  EXPECT_EQ(Val("1e-60"), 0.0f);
  EXPECT_EQ(Val("1e99999999999999999999"), FLT_MAX);
  EXPECT_EQ(Val("0.00000000000000000000000000000000000000000000000000001e60"), 1e7f);
  EXPECT_FALSE(std::signbit(Val("-1e-60")));
  EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID), 0);
  EXPECT_NO_THROW(CheckFpFaults());
}

// --- whole numbers ---

TEST(WholeNumbers, NearestTiesToEvenAndFloor) {
  struct Case {
    float v, whole, floor;
  };
  const Case cases[] = {
      {2.5f, 2.0f, 2.0f},   {3.5f, 4.0f, 3.0f},     {-2.5f, -2.0f, -3.0f},
      {2.7f, 3.0f, 2.0f},   {-2.3f, -2.0f, -3.0f},  {-2.0f, -2.0f, -2.0f},
      {1.4999f, 1.0f, 1.0f}, {0.0f, 0.0f, 0.0f},    {-2147483648.0f, -2147483648.0f, -2147483648.0f},
      {2147483520.0f, 2147483520.0f, 2147483520.0f},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToWhole(c.v), c.whole) << c.v;
    EXPECT_EQ(IntPart(c.v), c.floor) << c.v;
  }
  EXPECT_FALSE(std::signbit(ToWhole(-0.4f)));
}

TEST(WholeNumbers, OutOfRangeIsOverflowFault) {
  for (float v : {2147483648.0f, -2147483904.0f, 1e20f, INFINITY, -INFINITY, NAN}) {
    std::feclearexcept(FE_ALL_EXCEPT);
    ExpectFault([v] { ToWhole(v); }, kFaultOverflow, "ToWhole(" + std::to_string(v) + ")");
  }
}

TEST(WholeNumbers, ModSignOfDividendAndZeroDivisor) {
  struct Case {
    float a, b, r;
  };
  const Case cases[] = {
      {7, 3, 1}, {-7, 3, -1}, {7, -3, 1}, {-7, -3, -1}, {6, 3, 0}, {7.6f, 3, 2}, {7, 2.5f, 1},
      {-2147483648.0f, -1, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(Mod(c.a, c.b), c.r) << c.a << " MOD " << c.b;
  ExpectFault([] { Mod(5, 0); }, kFaultDivByZero, "5 MOD 0");
  ExpectFault([] { Mod(5, 0.4f); }, kFaultDivByZero, "5 MOD 0.4");
}

// --- characters and cp932 bytes ---

TEST(Characters, Cp932ByteCounts) {
  struct Case {
    const char* ch;
    int bytes;
  };
  const Case cases[] = {
      {"a", 1}, {" ", 1},  {"~", 1},  {"ﾀ", 1},  {"ﾝ", 1},  {"｡", 1},  {"ﾟ", 1},   // U+FF61, U+FF9F
      {"｠", 2}, {"￠", 2},  {"①", 2}, {"㎝", 2}, {"あ", 2}, {"　", 2}, {"ｙ", 2}, {"χ", 2},
      {"é", 2}, {"𝑥", 2}, {"", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CharBytes(c.ch), c.bytes) << c.ch;
    EXPECT_EQ(LenB(c.ch), c.bytes) << c.ch;
    EXPECT_EQ(IsHalfWidth(c.ch), c.bytes == 1) << c.ch;
  }
  EXPECT_EQ(LenB("y=ax^2 のグラフ①"), 7 + 2 * 5);
  EXPECT_EQ(Len("y=ax^2 のグラフ①"), 12);
}

TEST(Characters, SplitsUtf8AndKeepsBrokenBytes) {
  EXPECT_EQ(Chars("aあﾀ①"), (std::vector<std::string>{"a", "あ", "ﾀ", "①"}));
  EXPECT_TRUE(Chars("").empty());
  EXPECT_EQ(Len(""), 0);
  // A broken sequence splits into single bytes instead of swallowing the
  // characters after it.
  EXPECT_EQ(Chars("\xff" "a"), (std::vector<std::string>{"\xff", "a"}));
  EXPECT_EQ(Chars("\xe3\x81" "b"), (std::vector<std::string>{"\xe3", "\x81", "b"}));
  EXPECT_EQ(Len("\xe3\x81"), 2);
}

// "aあﾀ①b": characters 1..5; cp932 bytes a=1, あ=2-3, ﾀ=4, ①=5-6, b=7.
const std::string kMixed = "aあﾀ①b";

TEST(Characters, PartsCountedInCharacters) {
  struct Case {
    std::string got, want;
  };
  const Case cases[] = {
      {Left(kMixed, 2), "aあ"},   {Left(kMixed, 0), ""},       {Left(kMixed, 9), kMixed},
      {Left(kMixed, -1), ""},     {Left("", 1), ""},           {Left(kMixed, 1.6f), "aあ"},
      {Right(kMixed, 2), "①b"},  {Right(kMixed, 9), kMixed},  {Right(kMixed, 0), ""},
      {Mid(kMixed, 2, 2), "あﾀ"}, {Mid(kMixed, 4), "①b"},     {Mid(kMixed, 5, 3), "b"},
      {Mid(kMixed, 6, 1), ""},    {Mid(kMixed, 2.5f, 1), "あ"}, {Mid(kMixed, 3, 0), ""},
      {Mid(kMixed, 0, 1), "a"},   {Mid("", 1, 1), ""},         {Mid(kMixed, 1, -1), kMixed},
      // the clock text as start-up reads it
      {Left("23:59:59", 2), "23"}, {Mid("23:59:59", 4, 2), "59"}, {Right("23:59:59", 2), "59"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(Characters, SearchCountedInCharacters) {
  struct Case {
    int got, want;
  };
  const Case cases[] = {
      {Instr(1, kMixed, "ﾀ"), 3},  {Instr(1, kMixed, "①b"), 4}, {Instr(4, kMixed, "ﾀ"), 0},
      {Instr(1, kMixed, "z"), 0},   {Instr(2, "abab", "ab"), 3},  {Instr(1, "abab", "ab"), 1},
      {Instr(1, kMixed, ""), 1},    {Instr(1, "", ""), 0},        {Instr(1, "", "a"), 0},
      {Instr(6, kMixed, "b"), 0},   {Instr(0, kMixed, "a"), 1},
      {Instr(1, "12/34", "/"), 3},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(Characters, PartsCountedInBytesLeaveCutCharactersOut) {
  struct Case {
    std::string got, want;
  };
  const Case cases[] = {
      {LeftB(kMixed, 1), "a"},     {LeftB(kMixed, 2), "a"},       {LeftB(kMixed, 3), "aあ"},
      {LeftB(kMixed, 4), "aあﾀ"},  {LeftB(kMixed, 99), kMixed},   {LeftB(kMixed, 0), ""},
      {LeftB(kMixed, -1), ""},
      {RightB(kMixed, 1), "b"},    {RightB(kMixed, 2), "b"},      {RightB(kMixed, 3), "①b"},
      {RightB(kMixed, 5), "ﾀ①b"}, {RightB(kMixed, 6), "あﾀ①b"}, {RightB(kMixed, 99), kMixed},
      {MidB(kMixed, 2, 2), "あ"},  {MidB(kMixed, 3, 2), "ﾀ"},     {MidB(kMixed, 4), "ﾀ①b"},
      {MidB(kMixed, 5, 1), ""},    {MidB(kMixed, 6, 2), "b"},     {MidB(kMixed, 8, 1), ""},
      {MidB(kMixed, 2, 5), "あﾀ①"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
  EXPECT_EQ(MidB("", 1, 1), "");
}

TEST(Characters, SearchCountedInBytes) {
  const std::string henk = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
  struct Case {
    int got, want;
  };
  const Case cases[] = {
      {InstrB(1, kMixed, "ﾀ"), 4}, {InstrB(1, kMixed, "①"), 5}, {InstrB(1, kMixed, "b"), 7},
      {InstrB(5, kMixed, "ﾀ"), 0}, {InstrB(3, kMixed, "ﾀ"), 4},   {InstrB(1, kMixed, "z"), 0},
      {InstrB(1, kMixed, ""), 1},  {InstrB(8, kMixed, ""), 0},
      // conversion-table lookups of one key
      {InstrB(1, henk, "-"), 16},   {InstrB(1, henk, "."), 19},     {InstrB(1, henk, "/"), 14},
      {InstrB(1, henk, "0"), 2},    {InstrB(1, henk, "9"), 11},     {InstrB(1, henk, "ﾀ"), 17},
      {InstrB(1, henk, ":"), 60},   {InstrB(1, henk, "あ"), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
  EXPECT_EQ(LenB(henk), 60);
}

TEST(Characters, StripBlanksKeepsFullWidthSpaces) {
  EXPECT_EQ(StripBlanks(" 41"), "41");
  EXPECT_EQ(StripBlanks(" 1 2　3 "), "12　3");
  EXPECT_EQ(StripBlanks(""), "");
  EXPECT_EQ(StripBlanks("　"), "　");
}

}  // namespace
}  // namespace lesson
