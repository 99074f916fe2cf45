#ifndef FORESTA_STATE_RANDOM_STREAM_H_
#define FORESTA_STATE_RANDOM_STREAM_H_

#include <cstdint>

namespace foresta {

// The workbench's one pseudo-random stream, shared by the example
// generators and the local-minimum search. It starts at state 1 and is never
// reseeded, so a session's examples are reproducible from its start.
class RandomStream {
 public:
  static constexpr int kMax = 32767;

  // Next value in 0..32767.
  int Next() {
    state_ = state_ * 22695477u + 1u;
    return static_cast<int>((state_ >> 16) & 0x7fffu);
  }
  std::uint32_t state() const { return state_; }

 private:
  std::uint32_t state_ = 1;
};

}  // namespace foresta

#endif  // FORESTA_STATE_RANDOM_STREAM_H_
