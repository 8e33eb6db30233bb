// The base of every program: the shared variables plus the runtime
// operations in the form the lesson scripts use them. Each operation is a
// step: it first checks for a pending arithmetic fault, then counts itself.
#pragma once
#include <initializer_list>
#include <string>
#include <vector>
#include "platform/runtime.h"
#include "platform/text_number.h"
#include "shell/vars.h"

namespace lesson {

// What each program hands the engine.
struct ProgramConfig {
  std::string title;                 // "kasimel", "orvanti" or "velmora"
  bool parallelogramSign = false;    // kasimel draws "＃" as a parallelogram sign
};

class Engine : public Vars {
 public:
  Engine(Runtime& rt, ProgramConfig config) : rt_(rt), config_(std::move(config)) {}
  virtual ~Engine() = default;
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  Runtime& runtime() { return rt_; }
  const ProgramConfig& config() const { return config_; }

 protected:
  // --- line operation ---
  void DrawLine(float x1, float y1, float x2, float y2, float colour);
  void DrawLineRel(float x1, float y1, float dx, float dy, float colour);
  // Box with one colour for border and fill (the clearing boxes use 15).
  void DrawBox(float x1, float y1, float x2, float y2, float colour);
  void DrawBox(float x1, float y1, float x2, float y2, float border, float fill);
  // Box whose second corner is counted from the first.
  void DrawBoxRel(float x1, float y1, float w, float h, float border, float fill);
  // --- circle operation (start, end: fractions of a turn; 0, 0 whole) ---
  void DrawCircle(float cx, float cy, float r, float colour, float start = 0, float end = 0);
  // Filled disc or sector: outline in border, interior in fill.
  void FillCircle(float cx, float cy, float r, float border, float fill, float start = 0,
                  float end = 0);
  // --- polyline operation (3 to 7 points, never closed by itself) ---
  void DrawPolyline(std::initializer_list<Point> pts, float colour);
  void DrawPolyline(const std::vector<Point>& pts, float colour);
  void FillPolygon(std::initializer_list<Point> pts, float border, float fill);
  void FillPolygon(const std::vector<Point>& pts, float border, float fill);
  // --- text operation ---
  void DrawText(float x, float y, float m1, float m2, float colour, const std::string& text);
  void ClearScreen();
  // --- window, font and pen ---
  void MapMode(int mode);
  void MaximizeWindow();
  void SetFace(const std::string& face);
  void SetFontSize(float size);
  void SetBold(bool on);
  void SetItalic(bool on);
  void SetPenWidth(float w);
  float GetPenWidth();
  // --- keyboard, time, random ---
  std::string PollKey();
  void Wait(float ticks);
  std::string ClockRead();
  float RandomDraw();
  void RandomSeed(float seed);
  [[noreturn]] void EndProgram();

  // Checks pending arithmetic faults and counts one step.
  void Step();

 private:
  Runtime& rt_;
  ProgramConfig config_;
  Random random_;
};

}  // namespace lesson
