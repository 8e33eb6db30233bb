#include <algorithm>
#include <string>
#include <vector>

#include "figures/figures.h"

namespace lesson {

namespace {

// The vertex table has room for vertices 1 to 10: a count beyond it is
// taken as 10, one below 1 as 1.
float VertexCount(float kaku) { return std::clamp(kaku, 1.0f, 10.0f); }

// The label of vertex i counted from the character code `first`: a single
// ASCII character, or no label where the code leaves that range.
std::string LetterLabel(float first, float i) {
  const float code = first - 1 + i;
  if (!(code >= 32 && code <= 126)) return "";
  return std::string(1, static_cast<char>(static_cast<int>(code)));
}

}  // namespace

void Figures::DrawPolygon() {
  // Kept apart from DR: the label drawers overwrite DR.
  const float pen = GetPenWidth();
  const float kaku = VertexCount(KAKU);
  II = 1;
  do {
    KJ1 = II == kaku ? 1.0f : II + 1;
    SetPenWidth(SIZE1);
    DrawLine(G(II, 1), G(II, 2), G(KJ1, 1), G(KJ1, 2), CCC2);
  } while ((II += 1) <= kaku);
  NAGASA1 = NAGASA;
  if (AAA_s == "1") {
    LabelVerticesFromList();
  } else if (!AAA_s.empty()) {
    LabelVerticesByLetter();
  }
  AAA_s = "";
  SetPenWidth(pen);
}

void Figures::LabelVerticesByLetter() {
  const float kaku = VertexCount(KAKU);
  const std::vector<std::string> chars = Chars(AAA_s);
  const std::string first = chars.empty() ? "" : chars.front();
  KJ3 = first.size() == 1 ? static_cast<float>(static_cast<unsigned char>(first[0])) : 0.0f;
  II = 1;
  do {
    PlaceVertexLabel(II, kaku, LetterLabel(KJ3, II));
  } while ((II += 1) <= kaku);
}

void Figures::LabelVerticesFromList() {
  const float kaku = VertexCount(KAKU);
  TII = 1;
  do {
    PlaceVertexLabel(TII, kaku, Xa_s(TII));
  } while ((TII += 1) <= kaku);
}

void Figures::PlaceVertexLabel(float i, float kaku, const std::string& label) {
  // The label sits on the outer bisector of vertex i, from the rays toward
  // the next vertex and the one after it; NAGASA comes back from NAGASA1
  // since the label placement clears it.
  KJ1 = i + 1;
  if (KJ1 > kaku) KJ1 = KJ1 - kaku;
  KJ2 = i + 2;
  if (KJ2 > kaku) KJ2 = KJ2 - kaku;
  ZX0 = G(i, 1);
  ZY0 = G(i, 2);
  ZX1 = G(KJ1, 1);
  ZY1 = G(KJ1, 2);
  ZX2 = G(KJ2, 1);
  ZY2 = G(KJ2, 2);
  ITI = -1;
  NAGASA = NAGASA1;
  AAA_s = label;
  PlaceAngleLabel();
}

}  // namespace lesson
