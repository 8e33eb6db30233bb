// The recording screen and the scripted runtime: what the log holds, how it
// reads as JSON, how scripted keys, waits and the end behave.
#include <gtest/gtest.h>

#include "platform/cairo_screen.h"
#include "platform/fault.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"

namespace lesson {
namespace {

TEST(Recorder, LogsEveryDrawingOpWithTheStateInForce) {
  RecordingScreen rec;
  rec.SetFace("Times New Roman");
  rec.SetSize(20.8f);
  rec.SetBold(true);
  rec.SetItalic(true);
  rec.SetPenWidth(5);
  rec.Text(12.5f, 30, 10, 7, 3, "x");
  rec.SetPenWidth(2);
  rec.Line(1, 2, 3, 4, 7);
  rec.Box(10, 20, 30, 40, 13, 4);
  rec.Circle(100, 200, 0.5f, 0, 0.75f, 0.25f, true, 5);
  rec.Polyline({{1, 2}, {3, 4}, {5, 6}}, 0, false, 0);
  rec.Clear();

  const auto& ops = rec.ops();
  ASSERT_EQ(ops.size(), 6u);
  const RecordedOp& t = ops[0];
  EXPECT_EQ(t.op, "text");
  EXPECT_EQ(t.x, 12.5f);
  EXPECT_EQ(t.y, 30);
  EXPECT_EQ(t.m1, 10);
  EXPECT_EQ(t.m2, 7);
  EXPECT_EQ(t.colour, 3);
  EXPECT_EQ(t.face, "Times New Roman");
  EXPECT_EQ(t.size, 20.8f);
  EXPECT_TRUE(t.bold);
  EXPECT_TRUE(t.italic);
  EXPECT_EQ(t.pen, 5);
  EXPECT_EQ(ops[1].op, "line");
  EXPECT_EQ(ops[1].pen, 2);
  EXPECT_EQ(ops[1].colour, 7);
  EXPECT_EQ(ops[2].border, 13);
  EXPECT_EQ(ops[2].fill, 4);
  EXPECT_EQ(ops[3].r, 0.5f);
  EXPECT_EQ(ops[3].start, 0.75f);
  EXPECT_TRUE(ops[3].filled);
  EXPECT_EQ(ops[4].points.size(), 3u);
  EXPECT_EQ(ops[5].op, "clear");
  // The settings are held by the recorder too.
  EXPECT_EQ(rec.PenWidth(), 2);
}

TEST(Recorder, ScriptEllIsLoggedAsDrawn) {
  RecordingScreen rec;
  rec.SetFace("MT Extra");
  rec.Text(0, 0, 6, 3, 0, "l");
  rec.SetFace("ゴシック");
  rec.Text(0, 0, 3, 3, 0, "l");
  EXPECT_EQ(rec.ops()[0].text, "ℓ");
  EXPECT_EQ(rec.ops()[1].text, "l");
}

TEST(Recorder, ForwardsToTheRaster) {
  CairoScreen raster;
  RecordingScreen rec(&raster);
  rec.SetPenWidth(4);
  rec.Box(100, 100, 200, 200, 3, 3);
  EXPECT_EQ(raster.PenWidth(), 4);
  EXPECT_EQ(raster.PixelAt(150, 150), PaletteRgb(3));
  rec.SetSize(11);
  rec.SetFace("Times New Roman");
  EXPECT_EQ(raster.State().size, 11);
  EXPECT_EQ(raster.State().face, "Times New Roman");
}

TEST(Recorder, JsonLines) {
  auto op = [](const char* kind) {
    RecordedOp o;
    o.op = kind;
    return o;
  };
  RecordedOp text = op("text");
  text.x = 0.1f, text.y = 1800, text.text = "a\"b\\ℓ\r", text.colour = 3, text.face = "ゴシック";
  text.size = 20.8f, text.bold = true, text.m1 = 3, text.m2 = 2, text.pen = 3;
  RecordedOp line = op("line");
  line.x1 = -1.5f, line.y1 = 2, line.x2 = 1e30f, line.y2 = 0.333333343f, line.colour = 1, line.pen = 5;
  RecordedOp box = op("box");
  box.x1 = 0, box.y1 = 0, box.x2 = 1760, box.y2 = 1800, box.border = 15, box.fill = 15, box.pen = 3;
  RecordedOp circle = op("circle");
  circle.x = 1, circle.y = 2, circle.r = 0.5f, circle.start = 0.75f, circle.end = 0.25f;
  circle.filled = true, circle.fill = 9, circle.colour = 14, circle.pen = 1;
  RecordedOp poly = op("polyline");
  poly.points = {{1, 2}, {3.5f, 4}}, poly.colour = 0, poly.pen = 3;
  RecordedOp wait = op("wait");
  wait.ticks = 10;
  RecordedOp key = op("key");
  key.key = "\b";
  RecordedOp fault = op("fault");
  fault.step = 1234, fault.code = 11;

  struct Case {
    RecordedOp op;
    const char* json;
  } cases[] = {
      {text, R"({"op":"text","x":0.1,"y":1800,"text":"a\"b\\ℓ\r","colour":3,"face":"ゴシック",)"
             R"("size":20.8,"bold":true,"italic":false,"m1":3,"m2":2,"pen":3})"},
      {line, R"({"op":"line","x1":-1.5,"y1":2,"x2":1e+30,"y2":0.33333334,"colour":1,"pen":5})"},
      {box, R"({"op":"box","x1":0,"y1":0,"x2":1760,"y2":1800,"border":15,"fill":15,"pen":3})"},
      {circle, R"({"op":"circle","x":1,"y":2,"r":0.5,"colour":14,"start":0.75,"end":0.25,)"
               R"("filled":true,"fill":9,"pen":1})"},
      {poly, R"({"op":"polyline","points":[[1,2],[3.5,4]],"colour":0,"filled":false,"fill":0,"pen":3})"},
      {op("clear"), R"({"op":"clear"})"},
      {wait, R"({"op":"wait","ticks":10})"},
      {key, R"({"op":"key","key":"\b"})"},
      {op("end"), R"({"op":"end"})"},
      {fault, R"({"op":"fault","step":1234,"code":11})"},
  };
  for (const Case& c : cases) EXPECT_EQ(ToJsonLine(c.op), c.json);
}

TEST(ScriptedKeys, EscapesSplitIntoKeys) {
  struct Case {
    const char* script;
    std::vector<std::string> keys;
  } cases[] = {
      {"", {}},
      {"12\\r", {"1", "2", "\r"}},
      {"\\b\\f\\\\x", {"\b", "\f", "\\", "x"}},
      {"あ1\\r", {"あ", "1", "\r"}},
      {"3/4\\r", {"3", "/", "4", "\r"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ScriptedRuntime::ParseKeys(c.script), c.keys) << c.script;
}

// A key is typed only while the program waits for one: the poll right after
// a poll that gave a key gives "", so draining the queue eats no later key.
TEST(ScriptedKeys, PollsGiveKeysOnlyWhenWaitedFor) {
  RecordingScreen rec;
  ScriptedRuntime rt(rec, {"1", "\r"});
  EXPECT_EQ(rt.PollKey(), "1");
  EXPECT_EQ(rt.PollKey(), "");  // drain: nothing more typed yet
  EXPECT_EQ(rt.PollKey(), "\r");
  EXPECT_EQ(rt.PollKey(), "");
  EXPECT_EQ(rt.keysLeft(), 0u);
  EXPECT_THROW(rt.PollKey(), WindowClosed);
  int keyOps = 0;
  for (const RecordedOp& op : rec.ops()) keyOps += op.op == "key";
  EXPECT_EQ(keyOps, 2);
}

TEST(ScriptedKeys, FrameHookRunsBeforeEachKey) {
  RecordingScreen rec;
  ScriptedRuntime rt(rec, {"a", "b"});
  std::vector<size_t> logSizes;
  rt.onKeyWait = [&] { logSizes.push_back(rec.ops().size()); };
  rec.Clear();
  rt.PollKey();
  rt.PollKey();
  rec.Clear();
  rt.PollKey();
  EXPECT_EQ(logSizes, (std::vector<size_t>{1, 3}));
}

TEST(ScriptedRuntime, WaitsAreCountedClockFixedEndLogged) {
  RecordingScreen rec;
  ScriptedRuntime rt(rec, {}, "23:59:59");
  rt.Wait(1);
  rt.Wait(20);
  EXPECT_EQ(rt.waitedTicks(), 21);
  EXPECT_EQ(rt.ClockRead(), "23:59:59");
  EXPECT_THROW(rt.WaitForClose(), WindowClosed);
  EXPECT_THROW(rt.EndProgram(), ProgramEnded);
  ASSERT_EQ(rec.ops().size(), 3u);
  EXPECT_EQ(rec.ops()[0].op, "wait");
  EXPECT_EQ(rec.ops()[1].ticks, 20);
  EXPECT_EQ(rec.ops()[2].op, "end");
}

}  // namespace
}  // namespace lesson
