// A growable array of records that grows the way the recorder's viewer always has: by one eighth
// of its count, at least 4 and at most 1024 records at a time, so that a few thousand packets
// cost neither many reallocations nor much slack. Not thread-safe.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vantrel {

template <typename Record>
class RecordArray {
 public:
  void Append(const Record& record) {
    if (records_.size() == records_.capacity()) {
      const size_t step = std::clamp<size_t>(records_.size() / 8, 4, 1024);
      records_.reserve(records_.size() + step);
    }
    records_.push_back(record);
  }

  // Empties the array as a whole and gives its storage back.
  void Clear() { std::vector<Record>().swap(records_); }

  size_t size() const { return records_.size(); }
  size_t capacity() const { return records_.capacity(); }
  bool empty() const { return records_.empty(); }
  const Record& operator[](size_t i) const { return records_[i]; }
  typename std::vector<Record>::const_iterator begin() const { return records_.begin(); }
  typename std::vector<Record>::const_iterator end() const { return records_.end(); }

 private:
  std::vector<Record> records_;
};

}  // namespace vantrel
