// Bounds-checked arrays of the shared state: index 0 up to and including the bound.
#pragma once
#include <array>
#include "platform/fault.h"
#include "platform/text_number.h"

namespace lesson {

template <class T, int Bound>
class Arr {
 public:
  // Index by any number: converted to the nearest whole number; outside
  // 0..Bound raises the subscript fault.
  T& operator()(float i) { return v_[Index(i)]; }
  const T& operator()(float i) const { return v_[Index(i)]; }
  static constexpr int bound() { return Bound; }
  void Reset() { v_.fill(T{}); }

 private:
  static int Index(float i) {
    const float w = ToWhole(i);
    if (!(w >= 0 && w <= Bound)) RaiseFault(kFaultSubscript);
    return static_cast<int>(w);
  }
  std::array<T, Bound + 1> v_{};
};

template <class T, int Bound1, int Bound2>
class Arr2 {
 public:
  T& operator()(float i, float j) { return v_[Index(i, Bound1)][Index(j, Bound2)]; }
  const T& operator()(float i, float j) const { return v_[Index(i, Bound1)][Index(j, Bound2)]; }
  void Reset() {
    for (auto& row : v_) row.fill(T{});
  }

 private:
  static int Index(float i, int bound) {
    const float w = ToWhole(i);
    if (!(w >= 0 && w <= bound)) RaiseFault(kFaultSubscript);
    return static_cast<int>(w);
  }
  std::array<std::array<T, Bound2 + 1>, Bound1 + 1> v_{};
};

}  // namespace lesson
