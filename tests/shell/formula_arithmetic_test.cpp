// Fraction and root arithmetic, and the sign, brace and column routines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula_probe.h"
#include "platform/fault.h"

namespace lesson {
namespace {

TEST(FormulaArithmetic, ReduceFractionNumbersAndTexts) {
  const struct {
    float ds, db;
    float yak, yak1, dsAfter, dbAfter;
    std::string a1, a2, a21, a3, a31, tkai1, tkai2;
  } cases[] = {
      {4, 6, 2, 1, 2, 3, "ﾀ4/6ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ4/6ﾀ=ﾀ2/3ﾀ", "+ﾀ4/6ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3"},
      {6, 3, 1, 1, 2, 1, "ﾀ6/3ﾀ", "2", "+2", "ﾀ6/3ﾀ=2", "+ﾀ6/3ﾀ=+2", "2", "+2"},
      {3, 4, 3, 1, 3, 4, "ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "3/4", "+3/4"},
      {-3, 4, 2, -1, -3, 4, "ﾀ-3/4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "-3/4",
       "-3/4"},
      {3, -6, 2, -1, -1, 2, "ﾀ3/-6ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "ﾀ3/-6ﾀ=-ﾀ1/2ﾀ", "ﾀ3/-6ﾀ=-ﾀ1/2ﾀ", "-1/2",
       "-1/2"},
      {-3, -6, 2, 1, 1, 2, "ﾀ-3/-6ﾀ", "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "ﾀ-3/-6ﾀ=ﾀ1/2ﾀ", "+ﾀ-3/-6ﾀ=+ﾀ1/2ﾀ", "1/2",
       "+1/2"},
      {2, 1, 1, 1, 2, 1, "ﾀ2/1ﾀ", "2", "+2", "ﾀ2/1ﾀ=2", "+ﾀ2/1ﾀ=+2", "2", "+2"},
      {-2, 1, 1, -1, -2, 1, "ﾀ-2/1ﾀ", "-2", "-2", "ﾀ-2/1ﾀ=-2", "ﾀ-2/1ﾀ=-2", "-2", "-2"},
      {0, 5, 1, 1, 0, 1, "ﾀ0/5ﾀ", "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0", "0", "+0"},
      {5, -1, 1, -1, -5, 1, "ﾀ5/-1ﾀ", "-5", "-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ=-5", "-5", "-5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.a1);
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.DS = c.ds;
    p.DB = c.db;
    p.ReduceFraction();
    EXPECT_EQ(p.YAK, c.yak);
    EXPECT_EQ(p.YAK1, c.yak1);
    EXPECT_EQ(p.DS, c.dsAfter);
    EXPECT_EQ(p.DB, c.dbAfter);
    EXPECT_EQ(p.E1, c.dsAfter);
    EXPECT_EQ(p.E2, c.dbAfter);
    EXPECT_EQ(p.DS1, c.ds);
    EXPECT_EQ(p.DB1, c.db);
    EXPECT_EQ(p.A1_s, c.a1);
    EXPECT_EQ(p.A2_s, c.a2);
    EXPECT_EQ(p.A21_s, c.a21);
    EXPECT_EQ(p.A3_s, c.a3);
    EXPECT_EQ(p.A31_s, c.a31);
    EXPECT_EQ(p.TKAI1_s, c.tkai1);
    EXPECT_EQ(p.TKAI2_s, c.tkai2);
    EXPECT_EQ(p.A_s, c.tkai2);
    EXPECT_EQ(p.FDS1_s, c.yak1 == 1 ? "+" : "");
    EXPECT_TRUE(bench.screen.ops().empty());
  }
}

TEST(FormulaArithmetic, ReduceFractionLeavesTheGcdWhereItRan) {
  const struct {
    float ds, db, x3, x4;
  } cases[] = {{4, 6, 2, 12}, {6, 3, 3, 6}, {3, 4, 1, 12}, {-3, 4, 1, 12},
               {3, -6, 3, 6}, {-3, -6, 3, 6}, {0, 5, 5, 0}, {5, -1, 1, 5}};
  for (const auto& c : cases) {
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.DS = c.ds;
    p.DB = c.db;
    p.ReduceFraction();
    EXPECT_EQ(p.X3, c.x3) << c.ds << "/" << c.db;
    EXPECT_EQ(p.X4, c.x4) << c.ds << "/" << c.db;
  }
  // Denominator 1: no gcd is computed.
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.X3 = 77;
  p.X4 = 78;
  p.DS = -2;
  p.DB = 1;
  p.ReduceFraction();
  EXPECT_EQ(p.X3, 77);
  EXPECT_EQ(p.X4, 78);
}

TEST(FormulaArithmetic, ReduceFractionWithZeroDenominatorLeavesNoStaleResult) {
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.DS = 4;
  p.DB = 6;
  p.ReduceFraction();  // leaves "ﾀ2/3ﾀ" behind
  p.X3 = 77;
  p.DS = 3;
  p.DB = 0;
  p.ReduceFraction();
  EXPECT_EQ(p.YAK, 0);
  EXPECT_EQ(p.YAK1, 1);
  EXPECT_EQ(p.DS, 3);
  EXPECT_EQ(p.DB, 0);
  EXPECT_EQ(p.X3, 77);
  EXPECT_EQ(p.A1_s, "ﾀ3/0ﾀ");
  for (const std::string* s : {&p.A2_s, &p.A21_s, &p.A3_s, &p.A31_s, &p.TKAI1_s, &p.TKAI2_s,
                               &p.A_s}) {
    EXPECT_EQ(*s, "");
  }
}

TEST(FormulaArithmetic, ComputeGcdLcm) {
  const struct {
    float ds, db, x3, x4;
  } cases[] = {{4, 6, 2, 12}, {12, 18, 6, 36}, {0, 5, 5, 0},
               {5, 0, 5, 0},  {4, -6, -2, 12}, {-4, 6, 2, -12}};
  for (const auto& c : cases) {
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.DS = c.ds;
    p.DB = c.db;
    p.ComputeGcdLcm();
    EXPECT_EQ(p.X3, c.x3) << c.ds << ", " << c.db;
    EXPECT_EQ(p.X4, c.x4) << c.ds << ", " << c.db;
    EXPECT_EQ(p.X1, c.x3);
    EXPECT_EQ(p.X2, 0);
    EXPECT_EQ(p.LB8, c.ds * c.db);
    EXPECT_EQ(p.DS, c.ds);
    EXPECT_EQ(p.DB, c.db);
  }
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.DS = 0;
  p.DB = 0;
  try {
    p.ComputeGcdLcm();
    ADD_FAILURE() << "0 and 0 must fault";
  } catch (const Fault&) {
  }
}

TEST(FormulaArithmetic, AddFractions) {
  const struct {
    float s1, b1, s2, b2;
    float db, ds1, ds2, ds4;
    std::string a1, a11, a2, a21, a3, a4, a41, a5;
  } cases[] = {
      {1, 4, 1, 6, 12, 3, 2, 5, "ﾀ3/12ﾀ", "+ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ3+2/12ﾀ", "ﾀ5/12ﾀ",
       "+ﾀ5/12ﾀ", "ﾀ3/12ﾀ+ﾀ2/12ﾀ"},
      {-3, 4, 1, 6, 12, -9, 2, -7, "-ﾀ9/12ﾀ", "-ﾀ9/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ-9+2/12ﾀ",
       "-ﾀ7/12ﾀ", "-ﾀ7/12ﾀ", "-ﾀ9/12ﾀ+ﾀ2/12ﾀ"},
      {1, 2, -1, 3, 6, 3, -2, 1, "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "-ﾀ2/6ﾀ", "-ﾀ2/6ﾀ", "ﾀ3-2/6ﾀ", "ﾀ1/6ﾀ",
       "+ﾀ1/6ﾀ", "ﾀ3/6ﾀ-ﾀ2/6ﾀ"},
      {1, 1, 1, 4, 4, 4, 1, 5, "ﾀ4/4ﾀ", "+ﾀ4/4ﾀ", "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "ﾀ4+1/4ﾀ", "ﾀ5/4ﾀ", "+ﾀ5/4ﾀ",
       "ﾀ4/4ﾀ+ﾀ1/4ﾀ"},
      {1, 4, -1, 4, 4, 1, -1, 0, "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "-ﾀ1/4ﾀ", "-ﾀ1/4ﾀ", "ﾀ1-1/4ﾀ", "-ﾀ0/4ﾀ",
       "-ﾀ0/4ﾀ", "ﾀ1/4ﾀ-ﾀ1/4ﾀ"},
      {0, 4, 1, 4, 4, 0, 1, 1, "-ﾀ0/4ﾀ", "-ﾀ0/4ﾀ", "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "ﾀ0+1/4ﾀ", "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ",
       "-ﾀ0/4ﾀ+ﾀ1/4ﾀ"},
      // Signs on the denominators move to the numerators.
      {-1, -4, 1, 6, 12, 3, 2, 5, "ﾀ3/12ﾀ", "+ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ3+2/12ﾀ", "ﾀ5/12ﾀ",
       "+ﾀ5/12ﾀ", "ﾀ3/12ﾀ+ﾀ2/12ﾀ"},
      {1, -4, 1, 6, 12, -3, 2, -1, "-ﾀ3/12ﾀ", "-ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ-3+2/12ﾀ",
       "-ﾀ1/12ﾀ", "-ﾀ1/12ﾀ", "-ﾀ3/12ﾀ+ﾀ2/12ﾀ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.a5);
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.DSM1 = c.s1;
    p.DBM1 = c.b1;
    p.DSM2 = c.s2;
    p.DBM2 = c.b2;
    p.AddFractions();
    EXPECT_EQ(p.DB, c.db);
    EXPECT_EQ(p.DS1, c.ds1);
    EXPECT_EQ(p.DS2, c.ds2);
    EXPECT_EQ(p.DS4, c.ds4);
    EXPECT_EQ(p.A1_s, c.a1);
    EXPECT_EQ(p.A11_s, c.a11);
    EXPECT_EQ(p.A2_s, c.a2);
    EXPECT_EQ(p.A21_s, c.a21);
    EXPECT_EQ(p.A3_s, c.a3);
    EXPECT_EQ(p.A4_s, c.a4);
    EXPECT_EQ(p.A41_s, c.a41);
    EXPECT_EQ(p.A5_s, c.a5);
    EXPECT_GT(p.DBM1, 0);
    EXPECT_GT(p.DBM2, 0);
  }
}

TEST(FormulaArithmetic, AddFractionsSideTexts) {
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.DSM1 = -3;
  p.DBM1 = 4;
  p.DSM2 = 1;
  p.DBM2 = 6;
  p.AddFractions();
  EXPECT_EQ(p.DS1_s, "-9");
  EXPECT_EQ(p.DS3_s, "9");
  EXPECT_EQ(p.DS2_s, "+2");
  EXPECT_EQ(p.DS4_s, "7");
  EXPECT_EQ(p.A_s, "7");
  EXPECT_EQ(p.B1_s, "9");
  EXPECT_EQ(p.B2_s, "2");
  EXPECT_EQ(p.B3_s, "ﾀ9/12ﾀ");
  EXPECT_EQ(p.B4_s, "ﾀ2/12ﾀ");
  EXPECT_EQ(p.DB_s, "12");
  // The reduction of 4/6 that found the common denominator stays behind.
  EXPECT_EQ(p.YAK, 2);
  EXPECT_EQ(p.TKAI1_s, "2/3");

  // With a denominator 1 no reduction runs.
  p.YAK = 9;
  p.TKAI1_s = "kept";
  p.DSM1 = 1;
  p.DBM1 = 1;
  p.DSM2 = 1;
  p.DBM2 = 4;
  p.AddFractions();
  EXPECT_EQ(p.YAK, 9);
  EXPECT_EQ(p.TKAI1_s, "kept");

  // A zero denominator has no sum: a division-by-zero fault.
  p.DBM2 = 0;
  try {
    p.AddFractions();
    ADD_FAILURE() << "a zero denominator must fault";
  } catch (const Fault& f) {
    EXPECT_EQ(f.code, kFaultDivByZero);
  }
}

TEST(FormulaArithmetic, StripMarkupCutsWholeCharactersOnly) {
  const struct {
    std::string in, out;
  } cases[] = {{"+ﾀ2/3ﾀ", "+2/3"},   {"-ﾀ3/4ﾀ", "-3/4"}, {"ﾀ4/6ﾀ=ﾀ2/3ﾀ", "4/62/3"},
               {"2!3ﾝ", "2!3"},     {"x^2", "x2"},     {"12", "12"},
               // Double-byte characters whose second byte has one of the codes stay whole.
               {"タ／ソ^2", "タ／ソ2"}};
  for (const auto& c : cases) {
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.A_s = c.in;
    p.StripMarkup();
    EXPECT_EQ(p.A_s, c.out) << "from " << c.in;
  }
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.TA1 = 7;
  p.TA2 = 8;
  p.TA3 = 9;
  p.A_s = "12/5";
  p.StripMarkup();
  EXPECT_EQ(p.TA1, 7);
  EXPECT_EQ(p.TA2, 8);
  EXPECT_EQ(p.TA3, 9);
}

TEST(FormulaArithmetic, SimplifyRoot) {
  const struct {
    float given, r1a, rest;
    std::string r1aText, r1a1, rab, rabm, r1bText;
  } cases[] = {
      {12, 2, 3, "2", "! 3", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
      {8, 2, 2, "2", "! 2", "2!2ﾝ", "!8ﾝ=", "!2ﾝ"},
      {72, 6, 2, "6", "! 2", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
      {16, 4, 1, "4", "", "4ﾝ", "!16ﾝ=", "ﾝ"},
      {3, 1, 3, "", "! 3", "!3ﾝ", "", "!3ﾝ"},
      {1, 1, 1, "1", "", "1ﾝ", "", "ﾝ"},
      {-12, 2, -3, "2", "!-3", "2!-3ﾝ", "!-12ﾝ=", "!-3ﾝ"},
      // The square of a prime above 200 stays under the root.
      {44521, 1, 44521, "", "! 44521", "!44521ﾝ", "", "!44521ﾝ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rab);
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.R1B = c.given;
    p.SimplifyRoot();
    EXPECT_EQ(p.R1A, c.r1a);
    EXPECT_EQ(p.R1B, c.rest);
    EXPECT_EQ(p.R1B1, c.given);
    EXPECT_EQ(p.R1I, 201);
    EXPECT_EQ(p.R1A_s, c.r1aText);
    EXPECT_EQ(p.R1A1_s, c.r1a1);
    EXPECT_EQ(p.RAB_s, c.rab);
    EXPECT_EQ(p.RABM_s, c.rabm);
    EXPECT_EQ(p.R1B_s, c.r1bText);
    EXPECT_EQ(p.A_s, c.r1bText);
  }
  // Every square divides 0: the coefficient overflows, a fault.
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.R1B = 0;
  try {
    p.SimplifyRoot();
    ADD_FAILURE() << "a root of 0 must fault";
  } catch (const Fault& f) {
    EXPECT_EQ(f.code, kFaultOverflow);
  }
}

TEST(FormulaSigns, TextRoutines) {
  const struct {
    std::string in, flip, dropPlus, dropSign, paren;
  } cases[] = {
      {"-3", "+3", "-3", "3", "(-3)"},
      {"+3", "-3", "3", "3", "+3"},
      {"3", "-3", "3", "3", "3"},
      {"-", "+", "-", "", "(-)"},
      {"", "", "", "", ""},
      {" 3", "- 3", " 3", " 3", " 3"},
      {"--3", "+-3", "--3", "-3", "(--3)"},
      {"２", "-２", "２", "２", "２"},
      {"-１２", "+１２", "-１２", "１２", "(-１２)"},
      {"－3", "-－3", "－3", "－3", "－3"},
      {"2-x", "-2-x", "2-x", "2-x", "(2-x)"},
      {"(-3)", "-(-3)", "(-3)", "(-3)", "((-3))"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("text: " + c.in);
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.A_s = c.in;
    p.FlipSign();
    EXPECT_EQ(p.A_s, c.flip);
    EXPECT_EQ(p.LE, Len(c.in));
    p.A_s = c.in;
    p.DropLeadingPlus();
    EXPECT_EQ(p.A_s, c.dropPlus);
    p.A_s = c.in;
    p.DropLeadingSign();
    EXPECT_EQ(p.A_s, c.dropSign);
    p.A_s = c.in;
    p.ParenthesizeNegative();
    EXPECT_EQ(p.A_s, c.paren);
  }
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.A_s = "表2-x";
  p.ParenthesizeNegative();
  EXPECT_EQ(p.TA1, 4);  // counted in bytes
}

TEST(FormulaSigns, LeftBrace) {
  FormulaBench bench(false, 2);
  FormulaProbe& p = bench.probe;
  p.X = 0;
  p.Y = 0;
  p.HABA = 100;
  p.CCC1 = 3;
  p.DrawLeftBrace();
  const std::vector<std::string> want = {"P 35,5 23,8 23,40.5 8,47.5 23,54.5 23,87 35,90 p5"};
  EXPECT_EQ(bench.VisibleLines(), want);
  EXPECT_EQ(bench.screen.ops().back().colour, 3);
  EXPECT_EQ(p.GetPenWidth(), 2);
  EXPECT_EQ(p.DR, 2);
  EXPECT_EQ(p.X, 0);
  EXPECT_EQ(p.Y, 0);
}

TEST(FormulaSigns, ColumnCalculation) {
  FormulaBench bench(false, 5);
  FormulaProbe& p = bench.probe;
  p.X = 100;
  p.Y = 200;
  p.TAKASA = 50;
  p.A1_s = "12";   // 54 wide
  p.A2_s = "345";  // 81 wide
  p.ENZAN_s = "*";
  p.CCC1 = 0;
  p.CCC2 = 3;
  p.DrawColumnCalculation();
  const std::vector<std::string> want = {
      "T 154,200 3x3 G16 b c0 '1'", "T 181,200 3x3 G16 b c0 '2'",
      "T 96,256 2x3 G16 b c0 '×'",  "T 127,256 3x3 G16 b c0 ')'",
      "T 154,250 3x3 G16 b c0 '3'", "T 181,250 3x3 G16 b c0 '4'",
      "T 208,250 3x3 G16 b c0 '5'", "L 127,300-238,300 p3 c3"};
  EXPECT_EQ(bench.VisibleLines(), want);
  EXPECT_EQ(p.YI1, 250);
  EXPECT_EQ(p.XI3, 154);
  EXPECT_GT(p.XI2, 238);
  EXPECT_EQ(p.X, 235);
  EXPECT_EQ(p.Y, 250);
  EXPECT_EQ(p.LT1, 54);
  EXPECT_EQ(p.LT2, 81);
  EXPECT_EQ(p.LT, 81);
  EXPECT_EQ(p.LLT, 81);
  EXPECT_EQ(p.GetPenWidth(), 5);

  // An empty first operand: the rule follows the second.
  FormulaBench bench2(false, 5);
  FormulaProbe& q = bench2.probe;
  q.X = 100;
  q.Y = 200;
  q.TAKASA = 50;
  q.A1_s = "";
  q.A2_s = "12";
  q.ENZAN_s = "+";
  q.CCC2 = 3;
  q.DrawColumnCalculation();
  EXPECT_EQ(bench2.VisibleLines().back(), "L 127,300-211,300 p3 c3");
}

}  // namespace
}  // namespace lesson
