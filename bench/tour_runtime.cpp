#include "bench/tour_runtime.h"

#include <algorithm>
#include <ctime>
#include <utility>

#include "platform/scripted_runtime.h"

namespace lesson {

TimedTourRuntime::TimedTourRuntime(Screen& screen, StepClock clock)
    : screen_(screen), clock_(clock), origin_(std::chrono::steady_clock::now()) {
  last_ = NowMs();
}

std::string TimedTourRuntime::PollKey() {
  Present();
  if (lastPollGaveKey_) {
    lastPollGaveKey_ = false;
    return "";
  }
  std::string key = NextKey();
  lastPollGaveKey_ = true;
  return key;
}

void TimedTourRuntime::Wait(int) { Present(); }

void TimedTourRuntime::EndProgram() {
  ended_ = true;
  throw ProgramEnded{};
}

double TimedTourRuntime::NowMs() const {
  if (clock_ == StepClock::kThreadCpu) {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - origin_)
      .count();
}

void TimedTourRuntime::Present() {
  const double now = NowMs();
  const double ms = now - last_;
  last_ = now;
  ++steps_;
  OnStep(ms);
}

void TourKeys::AddScript(const std::string& script, int topic) {
  for (const std::string& k : ScriptedRuntime::ParseKeys(script)) AddKey(k, topic);
}

void TourKeys::AddKey(const std::string& key, int topic) {
  keys.push_back(key);
  topicOfKey.push_back(topic);
}

ScriptedTourRuntime::ScriptedTourRuntime(Screen& screen, TourKeys keys, StepClock clock)
    : TimedTourRuntime(screen, clock), keys_(std::move(keys)) {}

double ScriptedTourRuntime::slowestOfTopic(int topic) const {
  const auto it = slowestPerTopic_.find(topic);
  return it == slowestPerTopic_.end() ? 0 : it->second;
}

std::string ScriptedTourRuntime::NextKey() {
  if (next_ >= keys_.keys.size()) throw WindowClosed{};
  return keys_.keys[next_++];
}

void ScriptedTourRuntime::OnStep(double ms) {
  if (next_ == 0) {
    startUpMs_ += ms;
    return;
  }
  const int topic = keys_.topicOfKey[next_ - 1];
  double& topicSlowest = slowestPerTopic_[topic];
  topicSlowest = std::max(topicSlowest, ms);
  if (ms > slowest_.ms) slowest_ = {ms, next_, topic};
}

}  // namespace lesson
