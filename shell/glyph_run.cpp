// The glyph-run renderer: draws a run of math text character by character
// (a whole fraction part, or one character of a line), with the markup
// substitutions, the exponent and root markers, the drawn radical and
// parallelogram signs, the glyph table and the bar of an open root.
#include <initializer_list>
#include <string>
#include <vector>

#include "shell/formula_text.h"

namespace lesson {

namespace {
const char* const kGothic = "ゴシック";
const char* const kTimes = "Times New Roman";
const char* const kScript = "MT Extra";
}  // namespace

void FormulaText::DrawGlyphRun() {
  TX = X;
  TY = Y;
  DR = GetPenWidth();
  R_s = A_s;
  NAG = static_cast<float>(Len(R_s));
  SetFace(kGothic);
  SetFontSize(16);
  SetBold(true);

  // The body runs once before the bound is tested: an empty run passes
  // through with an empty character.
  I = 1;
  do {
    B_s = Mid(R_s, I, 1);

    // Markup characters that stand for signs.
    if (B_s == "%") B_s = "°";
    if (B_s == "*") B_s = "×";
    if (B_s == "/") B_s = "÷";
    if (B_s == "@") B_s = "±";
    if (B_s == "!") B_s = "√";

    // Markers: they only set their flag.
    if (B_s == "^") {
      JYOU = 1;
      continue;
    }
    if (B_s == "\\") {
      JYOUK = 1;
      continue;
    }
    if (B_s == "ﾝ") {
      HROOT = 0;
      continue;
    }

    // Drawn signs: one five-point outline each, through points given from
    // (TX, TY) with the sign's own pen; the pen is left at 3, B_s emptied,
    // and the bar of an open root starts again after the sign.
    const auto drawSign = [&](std::initializer_list<Point> offsets, float pen, float advance) {
      std::vector<Point> pts;
      for (const Point& o : offsets) pts.push_back({TX + o.x, TY + o.y});
      SetPenWidth(pen);
      DrawPolyline(pts, CCC1);
      SetPenWidth(3);
      B_s = "";
      TX = TX + advance;
      TXM = TX;
    };
    if (B_s == "√") {
      if (BUN == 1) {
        drawSign({{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}}, 3, 26);
        HROOT = 11;
      } else {
        drawSign({{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}, 3, 28);
        HROOT = 1;
      }
      continue;
    }
    if (B_s == "&") {
      drawSign({{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}}, 5, 36);
      continue;
    }
    if (config().parallelogramSign && B_s == "＃") {
      drawSign({{10, 8}, {4, 36}, {26, 36}, {32, 8}, {10, 8}}, 5, 36);
      continue;
    }

    // The glyph table: the first row whose condition holds.
    TA2 = static_cast<float>(LenB(B_s));
    const bool inFraction = BUN == 1;
    const bool italicLetter = B_s == "a" || B_s == "x" || B_s == "c";
    if (B_s == ".") {
      DrawText(TX - 3, TY + 14, 3, 2, CCC1, ".");
      B_s = "";
      TX = TX + 8;
    } else if (B_s == "'" || B_s == "°") {
      DrawText(TX, TY, 3, 3, CCC1, B_s);
      TX = TX + 12;
    } else if (B_s == "=") {
      SetFontSize(14);
      SetBold(true);
      DrawText(TX + 4, TY, 3, 3, CCC1, B_s);
      TX = TX + 32;
      SetFontSize(16);
    } else if (JYOUK == 1) {
      SetFontSize(8);
      DrawText(TX, TY - 10, 6, 3, CCC1, B_s);
      TX = TX + 24;
      JYOUK = 0;
      SetFontSize(16);
    } else if (JYOU == 1 && inFraction) {
      SetFontSize(8);
      DrawText(TX, TY - 4, 6, 3, CCC1, B_s);
      TX = TX + 24;
      JYOU = 0;
      SetFontSize(16);
    } else if (JYOU == 1) {
      DrawText(TX, TY, 3, 2, CCC1, B_s);
      TX = TX + 24;
      JYOU = 0;
    } else if (italicLetter) {
      SetFace(kTimes);
      SetFontSize(8);
      SetItalic(true);
      if (inFraction) {
        DrawText(TX + 4, TY - 16, 12, 5, CCC1, B_s);
        TX = TX + 32;
      } else {
        DrawText(TX + 4, TY - 22, 10, 7, CCC1, B_s);
        TX = TX + 27;
      }
      SetFace(kGothic);
      SetFontSize(16);
      SetItalic(false);
      B_s = "";
    } else if (B_s == "l") {
      // The script ell; bold stays on after it.
      SetFace(kScript);
      SetFontSize(16);
      SetBold(true);
      DrawText(TX, TY, 6, 3, CCC1, B_s);
      TX = TX + 32;
      SetFace(kGothic);
      SetFontSize(16);
      B_s = "";
    } else if (B_s == "-" && inFraction) {
      SetPenWidth(5);
      DrawLine(TX + 6, TY + 14, TX + 26, TY + 14, CCC1);
      TX = TX + 32;
      SetPenWidth(3);
    } else if (B_s == "+" && inFraction) {
      SetPenWidth(5);
      DrawLine(TX + 6, TY + 14, TX + 26, TY + 14, CCC1);
      DrawLine(TX + 16, TY + 4, TX + 16, TY + 24, CCC1);
      TX = TX + 32;
      SetPenWidth(3);
    } else if (B_s == "-") {
      SetPenWidth(5);
      DrawLine(TX + 4, TY + 20, TX + 23, TY + 20, CCC1);
      TX = TX + 27;
      SetPenWidth(3);
    } else if (B_s == "+") {
      SetPenWidth(5);
      DrawLine(TX + 4, TY + 22, TX + 23, TY + 22, CCC1);
      DrawLine(TX + 13, TY + 10, TX + 13, TY + 34, CCC1);
      TX = TX + 27;
      SetPenWidth(3);
    } else if ((B_s == "×" || B_s == "÷" || B_s == "±") && !inFraction) {
      DrawText(TX - 4, TY, 2, 3, CCC1, B_s);
      TX = TX + 27;
    } else if (B_s == " ") {
      TX = TX + 27;
    } else if (TA2 == 2 && inFraction) {
      SetFontSize(11);
      DrawText(TX, TY, 3, 3, CCC1, B_s);
      TX = TX + 38;
      SetFontSize(16);
    } else if (TA2 == 2) {
      DrawText(TX, TY, 2, 3, CCC1, B_s);
      TX = TX + 34;
    } else if (inFraction) {
      DrawText(TX, TY, 4, 2, CCC1, B_s);
      TX = TX + 32;
    } else {
      DrawText(TX, TY, 3, 3, CCC1, B_s);
      TX = TX + 27;
    }

    // The bar of an open root grows from the end of its sign to this glyph.
    if (HROOT == 1) {
      SetPenWidth(3);
      DrawLine(TXM, TY - 4, TX, TY - 4, CCC1);
      SetPenWidth(3);
    } else if (HROOT == 11) {
      SetPenWidth(3);
      DrawLine(TXM, TY - 6, TX, TY - 6, CCC1);
      SetPenWidth(3);
    } else if (HROOT == 22 && BUN != 1) {
      SetPenWidth(3);
      DrawLine(TXM, TY - 14, TX, TY - 14, CCC1);
      SetPenWidth(3);
    } else {
      TXM = TX;
    }
  } while ((I += 1) <= NAG);

  X = TX;
  Y = TY;
  SetBold(false);
  SetPenWidth(DR);
}

}  // namespace lesson
