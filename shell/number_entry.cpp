#include "shell/shell.h"

namespace lesson {

namespace {
// The thirteen keys the field takes: "-", ".", "/" and "0".."9" (bytes 45..57).
bool IsAcceptedKey(const std::string& key) {
  if (key.empty()) return false;
  const unsigned char b = static_cast<unsigned char>(key[0]);
  return b >= 45 && b <= 57;
}
}  // namespace

void Shell::DrawMenuPrompt() {
  CCC1 = 0;
  X = KAIX - 240;
  Y = KAIY;
  AA_s = "番号を入力して下さい。";
  DrawPlainText();
}

void Shell::WaitForKey() {
  do {
    I_s = PollKey();
  } while (I_s.empty());
}

void Shell::PromptMenuNumber() {
  DrawMenuPrompt();
  ReadNumberInput();
  ParseNumberInput();
}

void Shell::ClearMenuPrompt() { DrawBoxRel(KAIX - 240, KAIY - 8, 1056, 50, 15, 15); }

void Shell::ReadNumberInput() {
  XX = KAIX;
  YY = KAIY;
  AINP_s.clear();
  CCC1 = 0;
  X = XX - 48;
  Y = YY;
  AA_s = "入力";
  DrawPlainText();
  ReadNumberKeys();
  DrawBoxRel(KAIX - 48, KAIY - 8, 240, 30, 15, 15);
}

void Shell::EmptyNumberField() {
  DrawBoxRel(KAIX, KAIY - 8, 192, 30, 15, 15);
  AINP_s.clear();
  I_s.clear();
  XX = KAIX;
  YY = KAIY;
}

void Shell::ReadNumberKeys() {
  for (;;) {
    // The cursor dot marks the cell of the next character. It stays drawn
    // while the poll waits for a key (the poll sleeps on window events).
    FillCircle(XX + 8, YY + 8, 4, 5, 5);
    WaitForKey();
    if (I_s == "\b" || I_s == "\f" || Len(AINP_s) > 9) {
      EmptyNumberField();
    } else if (I_s == "\r") {
      FillCircle(XX + 8, YY + 8, 4, 15, 15);
      return;
    } else if (IsAcceptedKey(I_s)) {
      FillCircle(XX + 8, YY + 8, 4, 15, 15);
      CCC1 = 5;
      A_s = I_s;
      X = XX;
      Y = YY;
      DrawPlainRun();
      XX = XT;
      AINP_s += I_s;
    }
    // Any other key is dropped; the dot is drawn again where it was.
  }
}

void Shell::ParseNumberInput() {
  LEM = static_cast<float>(Len(AINP_s));
  N = static_cast<float>(Instr(1, AINP_s, "/"));
  if (N == 0) {
    AINP = Val(AINP_s);
    return;
  }
  A_s = Left(AINP_s, N - 1);
  B_s = Right(AINP_s, LEM - N);
  const float divisor = Val(B_s);
  // A slip such as "3/" or "3/0" must not end the lesson: an entry whose
  // divisor is empty or zero counts as 0, which every menu refuses and
  // every drill takes as "another problem".
  AINP = (divisor == 0) ? 0 : Val(A_s) / divisor;
}

void Shell::ClearInputRightArea() {
  X = KAIX + 80;
  Y = KAIY - 72;
  DrawBoxRel(X, Y, 1440, 90, 15, 15);
}

void Shell::FlushKeys() {
  do {
    I_s = PollKey();
  } while (!I_s.empty());
}

}  // namespace lesson
