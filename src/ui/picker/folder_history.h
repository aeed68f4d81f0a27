// The list of recently chosen folders behind the picker's history box: most recent first, no
// entry twice, at most a set number of entries, kept in a settings section as the values
// "<prefix>0000", "<prefix>0001", ... with the last choice under a value of its own.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::ui {

// One settings section of text values. Implemented over QSettings by the history box, and over a
// map by tests.
class HistoryStore {
 public:
  virtual ~HistoryStore() = default;
  // The value of `key`; none when the section has no such value.
  virtual std::optional<std::string> Read(const std::string& key) = 0;
  virtual void Write(const std::string& key, const std::string& value) = 0;
  virtual void Remove(const std::string& key) = 0;
};

class FolderHistory {
 public:
  // The size a history starts with, and the size the folder picker cuts it to.
  static constexpr size_t kDefaultMaxCount = 100;
  static constexpr size_t kPickerMaxCount = 50;
  // However the values are numbered, no more than these are read or cleared, so a damaged
  // settings file cannot keep a load or a save going.
  static constexpr size_t kKeyBound = 1000;

  // `last_key` names the value of the last choice; empty means the prefix, and an empty prefix
  // too means "Last".
  explicit FolderHistory(std::string prefix, std::string last_key = {});

  // Drops the oldest entries beyond the new maximum.
  void SetMaxCount(size_t max_count);
  size_t max_count() const { return max_count_; }

  // The value name of entry `index`: the prefix and the index in four digits ("Folder0007").
  std::string KeyName(size_t index) const;
  const std::string& last_key() const { return last_key_; }

  // Replaces the entries with the stored ones, in order, up to the first empty or missing value
  // or the maximum count. When `exists` is given, entries it rejects are skipped. Also reads the
  // last choice.
  void Load(HistoryStore& store, const std::function<bool(const std::string&)>& exists = {});

  // Puts a chosen text (surrounding white space removed) at the top, drops an older equal
  // entry and the entries beyond the maximum, and makes it the last choice. An empty text is
  // not a choice: nothing changes and false is returned.
  bool Remember(std::string_view text);

  // Writes the entries under their value names, removes the numbered values left over from a
  // longer list, and writes the last choice.
  void Save(HistoryStore& store) const;

  const std::vector<std::string>& entries() const { return entries_; }
  const std::string& last_choice() const { return last_choice_; }

 private:
  std::string prefix_;
  std::string last_key_;
  size_t max_count_ = kDefaultMaxCount;
  std::vector<std::string> entries_;
  std::string last_choice_;
};

}  // namespace vantrel::ui
