// Random-key walks: each program is driven with long streams of random keys
// (mostly menu numbers and Enter, so that it reaches its topics and scenes,
// and any keys for the key waits, mixed with Backspace, the clearing key,
// signs and letters). Whatever topics exist are walked. Every run must end
// cleanly: no fault, no crash, no hang, exit 0. When a program ends on its
// last item before the keys run out, a fresh run takes the remaining keys.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "lessons/kasimel/kasimel.h"
#include "lessons/orvanti/orvanti.h"
#include "lessons/velmora/velmora.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"
#include "programs/catalog.h"

namespace lesson {
namespace {

// Keeps the settings and the non-drawing events but only counts the drawing
// operations: a long walk draws millions of them.
class CountingScreen : public RecordingScreen {
 public:
  void Line(float, float, float, float, int) override { ++drawn; }
  void Box(float, float, float, float, int, int) override { ++drawn; }
  void Circle(float, float, float, int, float, float, bool, int) override { ++drawn; }
  void Polyline(const std::vector<Point>&, int, bool, int) override { ++drawn; }
  void Text(float, float, float, float, int, const std::string&) override { ++drawn; }
  void Clear() override { ++drawn; }
  long long drawn = 0;
};

std::vector<std::string> RandomKeys(unsigned seed, size_t count) {
  std::mt19937 gen(seed);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); };
  static const std::vector<std::string> anyKeys = {"a", "z", " ", "\r", "x", "1", "Q", "\b", "\f", "あ"};
  static const std::vector<std::string> junk = {"\b", "\f", ".", "/", "-", "q", "0", "9", "E", "é"};
  static const std::vector<std::string> entries = {"1.0", "2/2", "01", "-1", "0", "", "3/0",
                                                   "3/", "/", "6/2", "1.5", "12", "1234567890"};
  std::vector<std::string> keys;
  while (keys.size() < count) {
    const int r = pick(100);
    if (r < 45) {
      // A choice that menus and sub-menus take: 1 to 7 mostly, 8 and 9 now and then.
      keys.push_back(std::to_string(pick(10) < 9 ? 1 + pick(7) : 8 + pick(2)));
      keys.push_back("\r");
    } else if (r < 55) {
      for (const std::string& c : ScriptedRuntime::ParseKeys(entries[pick(entries.size())]))
        keys.push_back(c);
      keys.push_back("\r");
    } else if (r < 80) {
      keys.push_back(anyKeys[pick(anyKeys.size())]);
    } else if (r < 90) {
      keys.push_back(junk[pick(junk.size())]);
    } else {
      keys.push_back("1");  // ends a drill
      keys.push_back("\r");
    }
  }
  keys.resize(count);
  return keys;
}

struct WalkResult {
  int runs = 0;
  long long drawn = 0;
  std::string failure;  // empty when every run ended cleanly
  std::set<int> topicsOpened;  // main-menu items whose topic the walk entered
};

// A program that notes every topic it opens, so that a walk can show which
// topics it reached.
template <typename Program>
class TopicWatch : public Program {
 public:
  TopicWatch(Runtime& rt, std::set<int>& opened) : Program(rt), opened_(opened) {}

 protected:
  bool OpenTopic(int item) override {
    // Noted before the topic runs: a walk often ends inside it.
    const bool isNew = opened_.insert(item).second;
    const bool hasTopic = Program::OpenTopic(item);
    if (!hasTopic && isNew) opened_.erase(item);
    return hasTopic;
  }

 private:
  std::set<int>& opened_;
};

std::unique_ptr<Shell> MakeWatchedProgram(const std::string& program, Runtime& rt,
                                          std::set<int>& opened) {
  if (program == "kasimel") return std::make_unique<TopicWatch<Kasimel>>(rt, opened);
  if (program == "orvanti") return std::make_unique<TopicWatch<Orvanti>>(rt, opened);
  if (program == "velmora") return std::make_unique<TopicWatch<Velmora>>(rt, opened);
  return nullptr;
}

WalkResult Walk(const std::string& program, unsigned seed, size_t count) {
  std::vector<std::string> keys = RandomKeys(seed, count);
  WalkResult result;
  while (!keys.empty()) {
    CountingScreen screen;
    ScriptedRuntime rt(screen, keys, "12:34:56");
    std::unique_ptr<Shell> shell = MakeWatchedProgram(program, rt, result.topicsOpened);
    if (!shell) {
      result.failure = "no program " + program;
      return result;
    }
    const int code = shell->Run();
    ++result.runs;
    result.drawn += screen.drawn;
    const size_t left = rt.keysLeft();
    const size_t taken = keys.size() - left;
    if (code != 0 || shell->lastFault()) {
      result.failure = program + " seed " + std::to_string(seed) + ": exit " +
                       std::to_string(code) + " after key " + std::to_string(count - left);
      if (shell->lastFault())
        result.failure += " fault step " + std::to_string(shell->lastFault()->step) + " code " +
                          std::to_string(shell->lastFault()->code);
      return result;
    }
    if (taken == 0) {
      result.failure = program + " ended without taking a key";
      return result;
    }
    keys.erase(keys.begin(), keys.begin() + static_cast<long>(taken));
  }
  return result;
}

// Runs the walk on a thread and gives up on a hang: a hung program cannot be
// stopped from outside, so the test process ends with a message.
WalkResult WalkWithin(const std::string& program, unsigned seed, size_t count,
                      std::chrono::seconds limit) {
  std::mutex m;
  std::condition_variable cv;
  bool done = false;
  WalkResult result;
  std::thread worker([&] {
    WalkResult r = Walk(program, seed, count);
    std::lock_guard<std::mutex> lock(m);
    result = std::move(r);
    done = true;
    cv.notify_one();
  });
  std::unique_lock<std::mutex> lock(m);
  if (!cv.wait_for(lock, limit, [&] { return done; })) {
    std::fprintf(stderr, "random walk: %s seed %u hangs (no end within %lld s)\n",
                 program.c_str(), seed, static_cast<long long>(limit.count()));
    std::fflush(stderr);
    std::_Exit(1);
  }
  lock.unlock();
  worker.join();
  return result;
}

class RandomWalk : public ::testing::TestWithParam<std::string> {};

// The number of topics behind each program's main menu (items 1 to n).
int TopicCount(const std::string& program) { return program == "kasimel" ? 7 : 6; }

TEST_P(RandomWalk, EndsCleanlyOnLongRandomKeyStreams) {
  const std::string program = GetParam();
  std::set<int> opened;
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    const WalkResult r = WalkWithin(program, seed, 4000, std::chrono::seconds(120));
    EXPECT_EQ(r.failure, "") << program << " seed " << seed;
    EXPECT_GE(r.runs, 1);
    EXPECT_GT(r.drawn, 0);
    opened.insert(r.topicsOpened.begin(), r.topicsOpened.end());
  }
  // The walks reach every topic of the program, so every topic's scenes are
  // exercised by random keys.
  std::set<int> all;
  for (int item = 1; item <= TopicCount(program); item++) all.insert(item);
  EXPECT_EQ(opened, all) << program;
}

INSTANTIATE_TEST_SUITE_P(Programs, RandomWalk,
                         ::testing::Values("kasimel", "orvanti", "velmora"),
                         [](const ::testing::TestParamInfo<std::string>& i) { return i.param; });

}  // namespace
}  // namespace lesson
