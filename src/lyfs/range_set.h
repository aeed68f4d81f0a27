// A set of disjoint half-open ranges of cluster numbers, to find extents that overlap.
#pragma once

#include <cstdint>
#include <map>

namespace vantrel::lyfs {

class RangeSet {
 public:
  // Whether [start, end) shares a cluster with a range already in the set.
  bool Overlaps(uint64_t start, uint64_t end) const {
    auto after = ranges_.lower_bound(end);  // first range starting at or after `end`
    if (after == ranges_.begin()) return false;
    return std::prev(after)->second > start;
  }
  // Adds a range that does not overlap the set.
  void Insert(uint64_t start, uint64_t end) { ranges_.emplace(start, end); }

 private:
  std::map<uint64_t, uint64_t> ranges_;  // start -> end
};

}  // namespace vantrel::lyfs
