#include "platform/runtime.h"

namespace lesson {

namespace {
// splitmix64: a full-period 64-bit sequence with a strong output mix, so that
// neighbouring seeds (the seeds are small whole numbers) give unrelated draws.
unsigned long long Next(unsigned long long& state) {
  state += 0x9e3779b97f4a7c15ULL;
  unsigned long long z = state;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}
}  // namespace

void Random::Seed(int seed) {
  // The same seed always restarts the same sequence.
  state_ = 0x853c49e6748fea9bULL ^ (static_cast<unsigned long long>(static_cast<long long>(seed)) *
                                    0xd1342543de82ef95ULL);
}

float Random::Draw() {
  // 24 random bits scaled by 2^-24: exact in single precision, so the largest
  // draw is 1 - 2^-24 and never rounds up to 1.
  const unsigned long long bits = Next(state_) >> 40;
  return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

}  // namespace lesson
