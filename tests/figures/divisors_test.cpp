#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/figures/figure_probe.h"

namespace lesson {
namespace {

TEST(ListDivisorPairs, DivisorsAndPartners) {
  struct Case {
    float dy;
    std::vector<float> divisors;
    float kosuu, dyAfter;
  };
  const Case cases[] = {
      {12, {1, 2, 3, 4, 6, 12}, 3, 12},
      {-12, {1, 2, 3, 4, 6, 12}, 3, 12},
      {36, {1, 2, 3, 4, 6, 9, 12, 18, 36}, 4.5f, 36},
      {0, {1}, 0.5f, 0},
      {1, {1}, 0.5f, 1},
      {7.5f, {}, 0, 7.5f},  // not whole: no divisor
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dy);
    FigureBench b;
    auto& f = b.f;
    f.DY = c.dy;
    f.ListDivisorPairs();
    EXPECT_EQ(f.DY, c.dyAfter);
    ASSERT_EQ(f.P, static_cast<float>(c.divisors.size()));
    for (size_t i = 0; i < c.divisors.size(); ++i) {
      const float k = static_cast<float>(i + 1);
      EXPECT_EQ(f.Xa(k), c.divisors[i]);
      EXPECT_EQ(f.Ya(k), f.DY / c.divisors[i]);
    }
    EXPECT_EQ(f.KOSUU, c.kosuu);
  }
}

// 2520 has 48 divisors; the list keeps the first 40, the room of X() and Y().
TEST(ListDivisorPairs, MoreDivisorsThanTheListHolds) {
  FigureBench b;
  auto& f = b.f;
  f.DY = 2520;
  f.ListDivisorPairs();
  EXPECT_EQ(f.P, 40);
  EXPECT_EQ(f.KOSUU, 20);
  EXPECT_EQ(f.Xa(40), 280);  // the 40th divisor of 2520
  EXPECT_EQ(f.Ya(40), 9);
  EXPECT_EQ(f.II, 2521);
}

// A number beyond 2^24 cannot be counted up to in single precision; the
// loop ends where its counter stops growing.
TEST(ListDivisorPairs, HugeNumberEnds) {
  FigureBench b;
  auto& f = b.f;
  f.DY = 33554432;  // 2^25
  f.ListDivisorPairs();
  EXPECT_EQ(f.II, 16777216);
  EXPECT_EQ(f.Xa(1), 1);
}

TEST(FactorizePrimes, PrimesExponentsAndCofactor) {
  struct Case {
    float sosu;
    std::vector<std::pair<float, float>> primes;
    float cofactor, sosuAfter;
  };
  const Case cases[] = {
      {360, {{2, 3}, {3, 2}, {5, 1}}, 1, 360},
      {-360, {{2, 3}, {3, 2}, {5, 1}}, 1, 360},
      {58, {{2, 1}}, 29, 58},  // 29 is not tried
      {23, {{23, 1}}, 1, 23},
      {1, {}, 1, 1},
      {31, {}, 31, 31},
      {0, {}, 0, 0},  // no prime divides 0 here, and the loop ends
      {0.3f, {}, 0.3f, 0.3f},  // whole value 0 as well
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sosu);
    FigureBench b;
    auto& f = b.f;
    f.G(9, 1) = 99;  // cleared first
    f.SOSU = c.sosu;
    f.FactorizePrimes();
    ASSERT_EQ(f.Q, static_cast<float>(c.primes.size()));
    for (size_t i = 0; i < c.primes.size(); ++i) {
      const float k = static_cast<float>(i + 1);
      EXPECT_EQ(f.G(k, 1), c.primes[i].first);
      EXPECT_EQ(f.G(k, 2), c.primes[i].second);
    }
    EXPECT_EQ(f.G(9, 1), 0);
    EXPECT_EQ(f.G(10, 1), c.cofactor);
    EXPECT_EQ(f.G(10, 2), 1);
    EXPECT_EQ(f.SOSU, c.sosuAfter);
    EXPECT_EQ(f.SOSU1, c.sosuAfter);
    EXPECT_EQ(f.P, 10);
    EXPECT_EQ(f.Ra(10), 29);
  }
}

struct Drawn {
  std::string text;
  float x, y;
};

// The math texts of the ladder, each as one string with its place.
std::vector<Drawn> LadderTexts(const FigureBench& b) {
  std::vector<Drawn> out;
  float nextX = -1e9f, lastY = -1e9f;
  for (const RecordedOp& op : b.Ops("text")) {
    // Glyphs of one text follow at 27 a character on one line.
    if (!out.empty() && op.y == lastY && op.x > nextX && op.x <= nextX + 28) {
      out.back().text += op.text;
    } else {
      out.push_back({op.text, op.x, op.y});
    }
    nextX = op.x;
    lastY = op.y;
  }
  return out;
}

TEST(DrawLadderDivision, TwelveStepByStep) {
  FigureBench b(3);
  auto& f = b.f;
  f.SOSU = 12;
  f.FactorizePrimes();
  f.XTAKE = 100, f.YTAKE = 50, f.NASI = 0;
  f.DrawLadderDivision();
  const auto lines = b.Ops("line");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].x1, 130);
  EXPECT_EQ(lines[0].x2, 220);
  EXPECT_EQ(lines[0].y1, 96);
  EXPECT_EQ(lines[1].y1, 160);
  EXPECT_EQ(lines[0].pen, 3);
  // "2)" and " 12" on the first line; " 6" 64 lower, twice (the quotient,
  // then the next dividend) with "2)" beside it; " 3" at the bottom, 128
  // below the first line. The numbers keep their leading blank, one
  // advance of 27 before the digits.
  const std::vector<Drawn> want = {{"2)", 100, 50},  {"12", 157, 50}, {"6", 187, 114},
                                   {"2)", 100, 114}, {"6", 187, 114}, {"3", 187, 178}};
  const auto t = LadderTexts(b);
  ASSERT_EQ(t.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(t[i].text, want[i].text);
    EXPECT_EQ(t[i].x, want[i].x);
    EXPECT_EQ(t[i].y, want[i].y);
  }
  EXPECT_EQ(f.YTAKE, 178);
  EXPECT_EQ(f.NASI, 0);
  EXPECT_EQ(f.TA, 3);
  EXPECT_EQ(f.TA1, 3);
}

TEST(DrawLadderDivision, StepsAndWaits) {
  struct Case {
    float sosu, nasi;
    size_t rules;
    int keys;  // keys taken
  };
  const Case cases[] = {
      {8, 1, 2, 4},   // 8 / 2 = 4, 4 / 2 = 2: two steps, four waits
      {8, 0, 2, 0},
      {58, 1, 0, 0},  // its only prime is the last, with exponent 1
      {31, 1, 0, 0},  // no prime from 2 to 23: no ladder, no fault
      {0, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sosu);
    FigureBench b(3, {"a", "b", "c", "d", "e"});
    auto& f = b.f;
    f.SOSU = c.sosu;
    f.FactorizePrimes();
    f.XTAKE = 100, f.YTAKE = 50, f.NASI = c.nasi;
    f.DrawLadderDivision();
    f.SetPenWidth(3);  // the next step finds no pending fault
    size_t rules = 0;
    for (const auto& l : b.Ops("line"))
      if (l.colour == 0 && l.y1 == l.y2 && l.x1 == 130) ++rules;
    EXPECT_EQ(rules, c.rules);
    EXPECT_EQ(static_cast<int>(b.runtime.keysLeft()), 5 - c.keys);
    EXPECT_EQ(f.NASI, 0);
  }
}

}  // namespace
}  // namespace lesson
