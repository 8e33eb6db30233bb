// A full tour of kasimel, headless: every topic, every scene, every step,
// driven by a runtime that answers each prompt as a pupil would (any key at
// a key wait, 1 at a next-step prompt, the next item at a menu). Reports the
// total time of the tour and the slowest single step, that is the longest
// stretch of work between two presents (key polls or animation waits); the
// target is every step under one 60 Hz frame (16.7 ms).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "bench/tour_runtime.h"
#include "platform/cairo_screen.h"
#include "programs/catalog.h"

namespace lesson {
namespace {

// What the picture last asked of the user.
enum class Prompt { kNone, kAnyKey, kNextStep, kSubMenu, kMainMenu };

// Forwards every call to the raster (or to nothing) and notes the prompts
// the shell draws: the key-wait box, the next-step box, the option line of a
// sub-menu (with its circled item numbers) and the main menu's prompt.
class PromptWatcher : public Screen {
 public:
  explicit PromptWatcher(Screen* inner) : inner_(inner) {}

  void SetFace(const std::string& face) override {
    Screen::SetFace(face);
    if (inner_) inner_->SetFace(face);
  }
  void SetSize(float size) override {
    Screen::SetSize(size);
    if (inner_) inner_->SetSize(size);
  }
  void SetBold(bool on) override {
    Screen::SetBold(on);
    if (inner_) inner_->SetBold(on);
  }
  void SetItalic(bool on) override {
    Screen::SetItalic(on);
    if (inner_) inner_->SetItalic(on);
  }
  void SetPenWidth(int w) override {
    Screen::SetPenWidth(w);
    if (inner_) inner_->SetPenWidth(w);
  }
  void Line(float x1, float y1, float x2, float y2, int colour) override {
    if (inner_) inner_->Line(x1, y1, x2, y2, colour);
  }
  void Box(float x1, float y1, float x2, float y2, int border, int fill) override {
    if (x1 == 96 && y1 == 657 && x2 == 400 && fill == 4) Note(Prompt::kAnyKey);
    if (x1 == 96 && y1 == 639 && x2 == 400 && fill == 12) Note(Prompt::kNextStep);
    if (inner_) inner_->Box(x1, y1, x2, y2, border, fill);
  }
  void Circle(float cx, float cy, float r, int colour, float start, float end, bool filled,
              int fill) override {
    if (inner_) inner_->Circle(cx, cy, r, colour, start, end, filled, fill);
  }
  void Polyline(const std::vector<Point>& pts, int colour, bool filled, int fill) override {
    if (inner_) inner_->Polyline(pts, colour, filled, fill);
  }
  void Text(float x, float y, float m1, float m2, int colour, const std::string& text) override {
    if (x == 16 && y == 666) {
      Note(Prompt::kSubMenu);
      items_ = 0;
    }
    if (x == 816 && y == 648 && text == "番") Note(Prompt::kMainMenu);
    if (prompt_ == Prompt::kSubMenu && y == 666) {
      // the option line's items are numbered ① to ⑨
      static const char* circled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨"};
      for (int i = 0; i < 9; i++)
        if (text == circled[i]) items_ = std::max(items_, i + 1);
    }
    if (inner_) inner_->Text(x, y, m1, m2, colour, text);
  }
  void Clear() override {
    if (inner_) inner_->Clear();
  }

  // The latest prompt, once: later polls of the same prompt see kNone.
  Prompt Take() {
    const Prompt p = fresh_ ? prompt_ : Prompt::kNone;
    fresh_ = false;
    return p;
  }
  int items() const { return items_; }

 private:
  void Note(Prompt p) {
    prompt_ = p;
    fresh_ = true;
  }
  Screen* inner_;
  Prompt prompt_ = Prompt::kNone;
  bool fresh_ = false;
  int items_ = 0;
};

struct StepTime {
  double ms = 0;
  std::string where;
};

// A runtime that takes the tour: topics 1 to 7 of the main menu, in each
// every item of its sub-menu in order, then the last item, then the end.
class TourRuntime : public TimedTourRuntime {
 public:
  explicit TourRuntime(PromptWatcher& screen)
      : TimedTourRuntime(screen, StepClock::kWall), screen_(screen) {}

  static constexpr int kKeyLimit = 20000;
  bool gaveUp() const { return keys_ > kKeyLimit; }
  const StepTime& slowest() const { return slowest_; }
  double topicSlowest(int topic) const { return topicSlowest_[topic - 1]; }
  int keys() const { return keys_; }

 protected:
  std::string NextKey() override {
    // a prompt the tour cannot answer would poll for ever: give up
    if (keys_ > kKeyLimit) throw WindowClosed{};
    if (queue_.empty()) Decide();
    std::string key = " ";
    if (!queue_.empty()) {
      key = queue_.front();
      queue_.pop_front();
    }
    ++keys_;
    return key;
  }
  void OnStep(double ms) override {
    if (topic_ >= 1 && topic_ <= 7)
      topicSlowest_[topic_ - 1] = std::max(topicSlowest_[topic_ - 1], ms);
    if (ms > slowest_.ms) {
      slowest_.ms = ms;
      slowest_.where = "topic " + std::to_string(topic_) + " item " + std::to_string(item_) +
                       " after key " + std::to_string(keys_);
    }
  }

 private:
  void Decide() {
    switch (screen_.Take()) {
      case Prompt::kNextStep:
        queue_ = {"1", "\r"};
        break;
      case Prompt::kSubMenu: {
        const int n = screen_.items();
        item_ = item_ + 1 < n ? item_ + 1 : n;
        queue_ = {std::to_string(item_), "\r"};
        if (item_ == n) item_ = 0;
        break;
      }
      case Prompt::kMainMenu:
        ++topic_;
        item_ = 0;
        queue_ = {topic_ <= 7 ? std::to_string(topic_) : "8", "\r"};
        break;
      case Prompt::kAnyKey:
      case Prompt::kNone:
        break;  // any key
    }
  }

  PromptWatcher& screen_;
  std::deque<std::string> queue_;
  int topic_ = 0, item_ = 0, keys_ = 0;
  StepTime slowest_;
  double topicSlowest_[7] = {};
};

// Arg 0: no raster (the engine alone); 1: the raster at 1 pixel a unit;
// 2: the raster at 1.41 pixels a unit (a 1920-wide screen); 3: the raster at
// 2.82 pixels a unit (a 3840-wide screen).
void BM_KasimelTour(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  StepTime slowest;
  double topicSlowest[7] = {};
  int steps = 0, keys = 0;
  for (auto _ : state) {
    std::unique_ptr<CairoScreen> raster;
    static const double kScales[] = {0, 1.0, 1.41, 2.82};
    if (mode > 0) raster = std::make_unique<CairoScreen>(kScales[mode]);
    PromptWatcher screen(raster.get());
    TourRuntime rt(screen);
    auto program = MakeProgram("kasimel", rt);
    const int code = program->Run();
    if (code != 0 || program->lastFault()) {
      state.SkipWithError("the tour ended on the error screen");
      return;
    }
    if (rt.gaveUp()) {
      state.SkipWithError("the tour met a prompt it cannot answer");
      return;
    }
    if (rt.slowest().ms > slowest.ms) slowest = rt.slowest();
    for (int t = 1; t <= 7; t++) topicSlowest[t - 1] = std::max(topicSlowest[t - 1], rt.topicSlowest(t));
    steps = rt.steps();
    keys = rt.keys();
  }
  state.counters["slowest_step_ms"] = slowest.ms;
  state.counters["steps"] = steps;
  state.counters["keys"] = keys;
  for (int t = 1; t <= 7; t++)
    state.counters["slowest_ms_topic" + std::to_string(t)] = topicSlowest[t - 1];
  state.SetLabel("slowest: " + slowest.where);
}
BENCHMARK(BM_KasimelTour)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace lesson
