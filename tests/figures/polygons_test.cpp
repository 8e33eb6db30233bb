#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/figures/figure_probe.h"

namespace lesson {
namespace {

// The rectangle (748, 160), (748, 460), (928, 460), (928, 160), listed
// counter-clockwise as seen on the screen.
void SetRectangle(FigureProbe& f) {
  const float xy[4][2] = {{748, 160}, {748, 460}, {928, 460}, {928, 160}};
  for (int i = 0; i < 4; ++i) {
    f.G(static_cast<float>(i + 1), 1) = xy[i][0];
    f.G(static_cast<float>(i + 1), 2) = xy[i][1];
  }
  f.KAKU = 4;
}

TEST(DrawPolygon, OutlineClosedAtPenSize1) {
  FigureBench b(3);
  auto& f = b.f;
  SetRectangle(f);
  f.SIZE1 = 5, f.CCC2 = 0, f.AAA_s = "", f.NAGASA = 7, f.X = 11, f.Y = 12;
  f.DrawPolygon();
  const auto lines = b.Ops("line");
  ASSERT_EQ(lines.size(), 4u);
  const float want[4][4] = {
      {748, 160, 748, 460}, {748, 460, 928, 460}, {928, 460, 928, 160}, {928, 160, 748, 160}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(lines[i].x1, want[i][0]);
    EXPECT_EQ(lines[i].y1, want[i][1]);
    EXPECT_EQ(lines[i].x2, want[i][2]);
    EXPECT_EQ(lines[i].y2, want[i][3]);
    EXPECT_EQ(lines[i].pen, 5);
    EXPECT_EQ(lines[i].colour, 0);
  }
  EXPECT_TRUE(b.Ops("text").empty());
  EXPECT_EQ(f.II, 5);
  EXPECT_EQ(f.KJ1, 1);
  EXPECT_EQ(f.NAGASA1, 7);
  EXPECT_EQ(f.NAGASA, 7);
  EXPECT_EQ(f.X, 11);
  EXPECT_EQ(f.Y, 12);
  EXPECT_EQ(b.screen.State().pen, 3);
}

// Two vertices: the one segment there and back. SIZE1 26 left by a plane
// is clamped to the widest pen, 10.
TEST(DrawPolygon, TwoVerticesAndAWidePen) {
  FigureBench b(3);
  auto& f = b.f;
  f.G(1, 1) = 10, f.G(1, 2) = 20, f.G(2, 1) = 30, f.G(2, 2) = 40;
  f.KAKU = 2, f.SIZE1 = 26, f.CCC2 = 7, f.AAA_s = "";
  f.DrawPolygon();
  const auto lines = b.Ops("line");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].x1, 10);
  EXPECT_EQ(lines[1].x1, 30);
  EXPECT_EQ(lines[1].x2, 10);
  EXPECT_EQ(lines[0].pen, 10);
  EXPECT_EQ(b.screen.State().pen, 3);
}

// Labels by letter from the first character of AAA_s, or from the list
// when AAA_s is "1"; each outside its corner of a counter-clockwise figure.
TEST(DrawPolygon, VertexLabels) {
  struct Case {
    const char* name;
    std::string aaa;
    std::vector<std::string> list;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {"letters", "A", {}, {"A", "B", "C", "D"}},
      {"first character only", "PQ", {}, {"P", "Q", "R", "S"}},
      {"digits", "2", {}, {"2", "3", "4", "5"}},
      {"list", "1", {"ア", "", "ウ", "エ"}, {"ア", "ウ", "エ"}},
      {"empty list", "1", {"", "", "", ""}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FigureBench b(3);
    auto& f = b.f;
    SetRectangle(f);
    for (size_t i = 0; i < c.list.size(); ++i) f.Xa_s(static_cast<float>(i + 1)) = c.list[i];
    f.SIZE1 = 5, f.CCC2 = 0, f.AAA_s = c.aaa, f.NAGASA = 0, f.CCC1 = 7;
    f.MU_DO = 0, f.AAAX = 0, f.AAAY = 0;
    f.DrawPolygon();
    const auto texts = b.Ops("text");
    ASSERT_EQ(texts.size(), c.labels.size());
    for (size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(texts[i].text, c.labels[i]);
      EXPECT_EQ(texts[i].colour, 7);
    }
    EXPECT_TRUE(f.AAA_s.empty());
    EXPECT_EQ(f.NAGASA, 0);
    EXPECT_EQ(f.ITI, 0);
    EXPECT_EQ(b.screen.State().pen, 3);
    if (c.aaa == "1") {
      EXPECT_EQ(f.TII, 5);
    } else {
      EXPECT_EQ(f.KJ3, static_cast<float>(c.aaa[0]));
    }
  }
}

// Where the letters of the rectangle stand: "A" above the top-left
// corner, "B" left of and below the bottom-left, "C" below the
// bottom-right, "D" right of and above the top-right.
TEST(DrawPolygon, LetterPlacesAroundTheRectangle) {
  FigureBench b(3);
  auto& f = b.f;
  SetRectangle(f);
  f.SIZE1 = 5, f.CCC2 = 0, f.AAA_s = "A", f.NAGASA = 0, f.CCC1 = 0;
  f.DrawPolygon();
  const auto t = b.Ops("text");
  ASSERT_EQ(t.size(), 4u);
  // Boxes of one character: 27 wide, 44 high.
  // The rays are a side and a diagonal, so the bisector is a little off
  // the vertical: within a unit of the corner.
  EXPECT_LT(t[0].y + 44, 161);               // A above y 160
  EXPECT_LT(t[1].x, 748);                    // B left, low
  EXPECT_GT(t[1].y, 440);
  EXPECT_GE(t[2].y, 459);                    // C below y 460
  EXPECT_GT(t[3].x, 900);                    // D right, high
  EXPECT_LT(t[3].y, 160);
}

// More vertices than the table holds are taken as 10: no fault.
TEST(DrawPolygon, TooManyVerticesStayInTheTable) {
  FigureBench b(3);
  auto& f = b.f;
  for (int i = 1; i <= 10; ++i) {
    f.G(static_cast<float>(i), 1) = 100.0f + 10 * i;
    f.G(static_cast<float>(i), 2) = 200;
  }
  f.KAKU = 12, f.SIZE1 = 2, f.CCC2 = 0, f.AAA_s = "A", f.NAGASA = 0;
  f.DrawPolygon();
  f.SetPenWidth(3);
  EXPECT_EQ(b.Ops("line").size(), 10u);
  EXPECT_EQ(b.Ops("text").size(), 10u);
}

}  // namespace
}  // namespace lesson
