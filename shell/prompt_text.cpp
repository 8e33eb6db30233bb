// Prompt text: plain texts of the dialogue (menu request, key waits, option
// lines, the echo of typed keys), drawn one character every 16 units with
// half-width characters turned into their full-width forms or math signs.
#include <string>
#include <vector>

#include "shell/formula_text.h"

namespace lesson {

namespace {

// The conversion tables: the character at position n of a half-width table
// turns into the character at position n of its full-width partner.
const char* const kHalfLetters = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
const char* const kFullLetters =
    "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
const char* const kHalfSigns =
    " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
const char* const kFullSigns =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：";

// Position (1-based, in characters) of the one character ch in the table,
// 0 when it is not there. Every character of the half-width tables is a
// single byte, so this is also the byte position; an empty or double-byte
// character is never found.
int TablePosition(const std::string& table, const std::string& ch) {
  if (ch.empty()) return 0;
  const std::vector<std::string> cells = Chars(table);
  for (size_t k = 0; k < cells.size(); ++k) {
    if (cells[k] == ch) return static_cast<int>(k) + 1;
  }
  return 0;
}

}  // namespace

void FormulaText::StripSpaces() {
  // Every half-width blank goes; a full-width space is a character of its
  // own and stays. The pass over the text counts its cp932 bytes.
  KB8 = static_cast<float>(LenB(A_s));
  X9_s = StripBlanks(A_s);
  const std::vector<std::string> chars = Chars(A_s);
  X8_s = chars.empty() ? std::string() : chars.back();
  IB8 = (KB8 < 1 ? 1 : KB8) + 1;
  A_s = X9_s;
}

std::string FormulaText::StripSpacesOf(const std::string& text) {
  A_s = text;
  StripSpaces();
  return A_s;
}

void FormulaText::ToFullWidth() {
  HENK1_s = kHalfLetters;
  HENK2_s = kFullLetters;
  HENK_s = kHalfSigns;
  HENK3_s = kFullSigns;
  N1 = static_cast<float>(TablePosition(HENK1_s, B_s));
  if (N1 != 0) B_s = Mid(HENK2_s, N1, 1);
  N = static_cast<float>(TablePosition(HENK_s, B_s));
  if (N != 0) B_s = Mid(HENK3_s, N, 1);
}

void FormulaText::DrawPlainRun() {
  StripSpaces();
  LE = static_cast<float>(Len(A_s));
  XT = X;
  SetBold(true);
  // The step for the first character runs even when the run is empty (a
  // blank stripped away): it then draws nothing visible and still takes 16.
  I = 1;
  do {
    B_s = Mid(A_s, I, 1);
    if (B_s == "^") {
      JYOU = 1;
      continue;
    }
    if (JYOU != 1) {
      ToFullWidth();
    } else {
      JYOU = 0;  // the raised character stays as written
    }
    L = LenB(B_s) == 1 ? 4.0f : 0.0f;
    if (B_s == "．") XT = XT - 4;
    DrawText(XT, Y - L, 1, 1, CCC1, B_s);
    if (B_s == "．") XT = XT - 12;
    XT = XT + 16;
  } while ((I += 1) <= LE);
}

void FormulaText::DrawPlainText() {
  for (;;) {
    LEM = static_cast<float>(Len(AA_s));
    if (LEM == 0) return;
    A_s = Left(AA_s, 1);
    AA_s = Mid(AA_s, 2);
    if (A_s == "^") {
      JYOU = 1;
      continue;
    }
    DrawPlainRun();
    X = XT;
  }
}

}  // namespace lesson
