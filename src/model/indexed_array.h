#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace vorn {

// A fixed array addressed by the program's own numbering (stories 1..200, levels 0..200,
// buttons 1..16, option buttons 0..22). An index outside First..Last is a programming or data
// error and throws std::out_of_range; it is never clamped.
template <typename T, int First, int Last>
class IndexedArray {
  static_assert(Last >= First);

public:
  static constexpr int first = First;
  static constexpr int last = Last;
  static constexpr std::size_t count = static_cast<std::size_t>(Last - First + 1);

  IndexedArray() = default;
  explicit IndexedArray(const T& value) { fill(value); }

  T& operator[](int index) { return values_[offset(index)]; }
  const T& operator[](int index) const { return values_[offset(index)]; }

  void fill(const T& value) { values_.fill(value); }

  auto begin() { return values_.begin(); }
  auto end() { return values_.end(); }
  auto begin() const { return values_.begin(); }
  auto end() const { return values_.end(); }

  friend bool operator==(const IndexedArray&, const IndexedArray&) = default;

private:
  static std::size_t offset(int index)
  {
    if (index < First || index > Last) {
      throw std::out_of_range("index " + std::to_string(index) + " outside " +
                              std::to_string(First) + ".." + std::to_string(Last));
    }
    return static_cast<std::size_t>(index - First);
  }

  std::array<T, count> values_{};
};

// Every per-story table holds this many stories.
inline constexpr int kMaxStories = 200;

using StoryArray = IndexedArray<double, 1, kMaxStories>;
using StoryFlags = IndexedArray<bool, 1, kMaxStories>;
using LevelArray = IndexedArray<double, 0, kMaxStories>;

}  // namespace vorn
