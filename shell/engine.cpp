#include "shell/engine.h"

#include "platform/fault.h"

namespace lesson {

namespace {
int Colour(float c) { return static_cast<int>(ToWhole(c)); }
}  // namespace

void Engine::Step() {
  CheckFpFaults();
  AdvanceStep();
}

void Engine::DrawLine(float x1, float y1, float x2, float y2, float colour) {
  Step();
  FpQuiet q;
  rt_.screen().Line(x1, y1, x2, y2, Colour(colour));
}

void Engine::DrawLineRel(float x1, float y1, float dx, float dy, float colour) {
  DrawLine(x1, y1, x1 + dx, y1 + dy, colour);
}

void Engine::DrawBox(float x1, float y1, float x2, float y2, float colour) {
  DrawBox(x1, y1, x2, y2, colour, colour);
}

void Engine::DrawBox(float x1, float y1, float x2, float y2, float border, float fill) {
  Step();
  FpQuiet q;
  rt_.screen().Box(x1, y1, x2, y2, Colour(border), Colour(fill));
}

void Engine::DrawBoxRel(float x1, float y1, float w, float h, float border, float fill) {
  DrawBox(x1, y1, x1 + w, y1 + h, border, fill);
}

void Engine::DrawCircle(float cx, float cy, float r, float colour, float start, float end) {
  Step();
  FpQuiet q;
  rt_.screen().Circle(cx, cy, r, Colour(colour), start, end, false, Colour(colour));
}

void Engine::FillCircle(float cx, float cy, float r, float border, float fill, float start,
                        float end) {
  Step();
  FpQuiet q;
  rt_.screen().Circle(cx, cy, r, Colour(border), start, end, true, Colour(fill));
}

void Engine::DrawPolyline(std::initializer_list<Point> pts, float colour) {
  DrawPolyline(std::vector<Point>(pts), colour);
}

void Engine::DrawPolyline(const std::vector<Point>& pts, float colour) {
  Step();
  FpQuiet q;
  rt_.screen().Polyline(pts, Colour(colour), false, Colour(colour));
}

void Engine::FillPolygon(std::initializer_list<Point> pts, float border, float fill) {
  FillPolygon(std::vector<Point>(pts), border, fill);
}

void Engine::FillPolygon(const std::vector<Point>& pts, float border, float fill) {
  Step();
  FpQuiet q;
  rt_.screen().Polyline(pts, Colour(border), true, Colour(fill));
}

void Engine::DrawText(float x, float y, float m1, float m2, float colour,
                      const std::string& text) {
  Step();
  FpQuiet q;
  rt_.screen().Text(x, y, m1, m2, Colour(colour), text);
}

void Engine::ClearScreen() {
  Step();
  FpQuiet q;
  rt_.screen().Clear();
}

void Engine::MapMode(int) { Step(); }

void Engine::MaximizeWindow() {
  Step();
  FpQuiet q;
  rt_.Maximize();
}

void Engine::SetFace(const std::string& face) {
  Step();
  rt_.screen().SetFace(face);
}

void Engine::SetFontSize(float size) {
  Step();
  rt_.screen().SetSize(size);
}

void Engine::SetBold(bool on) {
  Step();
  rt_.screen().SetBold(on);
}

void Engine::SetItalic(bool on) {
  Step();
  rt_.screen().SetItalic(on);
}

void Engine::SetPenWidth(float w) {
  Step();
  rt_.screen().SetPenWidth(static_cast<int>(ToWhole(w)));
}

float Engine::GetPenWidth() {
  Step();
  return static_cast<float>(rt_.screen().PenWidth());
}

std::string Engine::PollKey() {
  Step();
  FpQuiet q;
  return rt_.PollKey();
}

void Engine::Wait(float ticks) {
  Step();
  FpQuiet q;
  rt_.Wait(static_cast<int>(ToWhole(ticks)));
}

std::string Engine::ClockRead() {
  Step();
  FpQuiet q;
  return rt_.ClockRead();
}

float Engine::RandomDraw() {
  Step();
  return random_.Draw();
}

void Engine::RandomSeed(float seed) {
  Step();
  random_.Seed(static_cast<int>(ToWhole(seed)));
}

void Engine::EndProgram() {
  Step();
  rt_.EndProgram();
  throw ProgramEnded{};
}

}  // namespace lesson
