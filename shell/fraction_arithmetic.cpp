// Fraction and root arithmetic whose results come as numbers and as math
// texts ready to draw: reducing a fraction, the gcd and lcm, adding two
// fractions over a common denominator, and simplifying a square root.
#include <cmath>
#include <string>

#include "platform/fault.h"
#include "shell/formula_text.h"

namespace lesson {

namespace {

// Remainder with the sign of the divisor: a - b * floor(a / b).
float FloorRemainder(float a, float b) { return a - b * IntPart(a / b); }

// Cuts every occurrence of the one character ch out of s, searching by
// character so that no double-byte character loses a byte; pos gets the byte
// position of the last occurrence cut (unchanged when there is none).
void CutAll(std::string& s, const std::string& ch, float& pos) {
  for (;;) {
    const int at = Instr(1, s, ch);
    if (at == 0) return;
    pos = static_cast<float>(LenB(Left(s, at - 1)) + 1);
    s = Left(s, at - 1) + Mid(s, at + 1);
  }
}

}  // namespace

void FormulaText::ComputeGcdLcm() {
  X1 = DS;
  X2 = DB;
  LB8 = X1 * X2;
  while (X2 != 0) {
    X1 = FloorRemainder(X1, X2);
    const float t = X1;
    X1 = X2;
    X2 = t;
  }
  X3 = X1;
  X4 = LB8 / X3;
  // Both inputs 0 divide 0 by 0 here.
  CheckFpFaults();
}

void FormulaText::ReduceFraction() {
  DB1 = DB;
  DS1 = DS;
  YAK1 = DB * DS < 0 ? -1.0f : 1.0f;
  if (DB == 0) {
    E1 = DS;
    E2 = DB;
    YAK = 0;
  } else if (DB == 1) {
    E1 = DS;
    E2 = DB;
    YAK = 1;
  } else {
    DS = std::fabs(DS);
    DB = std::fabs(DB);
    ComputeGcdLcm();
    E1 = YAK1 * DS / X3;
    E2 = DB / X3;
    if (E1 == 0 || E2 == 1) {
      YAK = 1;
    } else if (E2 == DB1 && YAK1 == 1) {
      YAK = 3;
    } else {
      YAK = 2;
    }
  }
  DS = E1;
  DB = E2;

  DS1_s = StripSpacesOf(Str(DS1));
  DA1_s = StripSpacesOf(Str(DB1));
  DB_s = StripSpacesOf(Str(DB));
  DS_s = StripSpacesOf(Str(DS));

  A1_s = "ﾀ" + DS1_s + "/" + DA1_s + "ﾀ";
  LEM = static_cast<float>(Len(DS_s));
  if (Left(DS_s, 1) == "-") DS_s = Right(DS_s, LEM - 1);

  if (YAK == 1) {
    A2_s = YAK1 == -1 ? "-" + DS_s : DS_s;
    A21_s = YAK1 == -1 ? A2_s : "+" + DS_s;
  } else if (YAK == 2) {
    A2_s = (YAK1 == -1 ? "-ﾀ" : "ﾀ") + DS_s + "/" + DB_s + "ﾀ";
    A21_s = YAK1 == -1 ? A2_s : "+ﾀ" + DS_s + "/" + DB_s + "ﾀ";
  } else if (YAK == 3) {
    A2_s = "ﾀ" + DS1_s + "/" + DA1_s + "ﾀ";
    A21_s = "+ﾀ" + DS1_s + "/" + DA1_s + "ﾀ";
  } else {
    // No result for a zero denominator: its result texts stay empty rather
    // than being built from whatever an earlier call left.
    A2_s = "";
    A21_s = "";
  }
  FDS1_s = YAK1 == 1 ? "+" : "";

  if (YAK == 0) {
    A3_s = "";
    A31_s = "";
  } else if (YAK == 3) {
    A3_s = A2_s;
    A31_s = A21_s;
  } else {
    A3_s = "ﾀ" + DS1_s + "/" + DA1_s + "ﾀ=" + A2_s;
    A31_s = FDS1_s + "ﾀ" + DS1_s + "/" + DA1_s + "ﾀ=" + A21_s;
  }
  A_s = A2_s;
  StripMarkup();
  TKAI1_s = A_s;
  A_s = A21_s;
  StripMarkup();
  TKAI2_s = A_s;
}

void FormulaText::AddFractions() {
  // A zero denominator has no sum: it is a division by zero.
  if (DBM1 == 0 || DBM2 == 0) RaiseFault(kFaultDivByZero);

  // Sign step: the sign goes onto the numerator, the denominator is positive.
  DSM1 = DSM1 * DBM1 < 0 ? -std::fabs(DSM1) : std::fabs(DSM1);
  DBM1 = std::fabs(DBM1);
  DSM2 = DSM2 * DBM2 < 0 ? -std::fabs(DSM2) : std::fabs(DSM2);
  DBM2 = std::fabs(DBM2);

  if (DBM1 == 1 && DBM2 == 1) {
    DB = 1;
    DS1 = DSM1;
    DS2 = DSM2;
  } else if (DBM1 == 1) {
    DB = DBM2;
    DS1 = DSM1 * DBM2;
    DS2 = DSM2;
  } else if (DBM2 == 1) {
    DB = DBM1;
    DS1 = DSM1;
    DS2 = DSM2 * DBM1;
  } else {
    DB = DBM2;
    DS = DBM1;
    ReduceFraction();
    DB = X4;
    DS1 = DSM1 * DBM2 / X3;
    DS2 = DSM2 * DBM1 / X3;
  }
  DS4 = DS1 + DS2;
  CheckFpFaults();

  DS1_s = StripSpacesOf(Str(std::fabs(DS1)));
  B1_s = DS1_s;
  DB_s = StripSpacesOf(Str(DB));
  DS2_s = StripSpacesOf(Str(std::fabs(DS2)));
  B2_s = DS2_s;
  DS4_s = StripSpacesOf(Str(std::fabs(DS4)));

  if (DSM1 > 0) {
    A1_s = "ﾀ" + DS1_s + "/" + DB_s + "ﾀ";
    A11_s = "+ﾀ" + DS1_s + "/" + DB_s + "ﾀ";
  } else {
    A1_s = A11_s = "-ﾀ" + DS1_s + "/" + DB_s + "ﾀ";
  }
  if (DSM2 > 0) {
    A2_s = "ﾀ" + DS2_s + "/" + DB_s + "ﾀ";
    A21_s = "+ﾀ" + DS2_s + "/" + DB_s + "ﾀ";
  } else {
    A2_s = A21_s = "-ﾀ" + DS2_s + "/" + DB_s + "ﾀ";
  }
  if (DSM1 < 0) {
    DS3_s = DS1_s;
    DS1_s = "-" + DS1_s;
  }
  DS2_s = (DSM2 < 0 ? "-" : "+") + DS2_s;
  if (DS4 > 0) {
    A4_s = "ﾀ" + DS4_s + "/" + DB_s + "ﾀ";
    A41_s = "+ﾀ" + DS4_s + "/" + DB_s + "ﾀ";
  } else {
    A4_s = A41_s = "-ﾀ" + DS4_s + "/" + DB_s + "ﾀ";
  }
  A3_s = "ﾀ" + DS1_s + DS2_s + "/" + DB_s + "ﾀ";
  A5_s = A1_s + A21_s;
  B3_s = "ﾀ" + B1_s + "/" + DB_s + "ﾀ";
  B4_s = "ﾀ" + B2_s + "/" + DB_s + "ﾀ";
  A_s = DS4_s;
}

void FormulaText::StripMarkup() {
  CutAll(A_s, "^", TA1);
  CutAll(A_s, "ﾝ", TA2);
  CutAll(A_s, "ﾀ", TA3);
  CutAll(A_s, "=", TA3);
}

void FormulaText::SimplifyRoot() {
  R1A = 1;
  R1I = 2;
  R1B1 = R1B;
  // Each square of 2..200 that divides the rest is taken out, and the search
  // starts again at 2 after every one.
  while (R1I != 201) {
    if (Mod(R1B, R1I * R1I) != 0) {
      R1I = R1I + 1;
    } else {
      R1A = R1A * R1I;
      R1B = R1B / (R1I * R1I);
      R1I = 2;
    }
    // A rest of 0 is divided by every square: the coefficient overflows.
    CheckFpFaults();
  }
  R1A1_s = R1B == 1 ? "" : "!" + Str(R1B);
  if (R1B == 1 && R1A == 1) {
    R1A_s = "1";
  } else if (R1A == 1) {
    R1A_s = "";
  } else {
    R1A_s = Str(R1A);
  }
  RAB_s = R1A_s + R1A1_s + "ﾝ";
  RABM_s = R1B == R1B1 ? "" : "!" + Str(R1B1) + "ﾝ=";
  R1B_s = R1A1_s + "ﾝ";

  R1A_s = StripSpacesOf(R1A_s);
  RAB_s = StripSpacesOf(RAB_s);
  RABM_s = StripSpacesOf(RABM_s);
  R1B_s = StripSpacesOf(R1B_s);
}

}  // namespace lesson
