#include "ui/picker/folder_history.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace vantrel::ui {
namespace {

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kSpace = " \t\r\n\f\v";
  const size_t first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(kSpace);
  return text.substr(first, last - first + 1);
}

}  // namespace

FolderHistory::FolderHistory(std::string prefix, std::string last_key)
    : prefix_(std::move(prefix)), last_key_(std::move(last_key)) {
  if (last_key_.empty()) last_key_ = prefix_.empty() ? "Last" : prefix_;
}

void FolderHistory::SetMaxCount(size_t max_count) {
  max_count_ = max_count;
  if (entries_.size() > max_count_) entries_.resize(max_count_);
}

std::string FolderHistory::KeyName(size_t index) const {
  char number[24];
  std::snprintf(number, sizeof(number), "%04zu", index);
  return prefix_ + number;
}

void FolderHistory::Load(HistoryStore& store,
                         const std::function<bool(const std::string&)>& exists) {
  entries_.clear();
  for (size_t i = 0; i < kKeyBound && entries_.size() < max_count_; ++i) {
    std::optional<std::string> value = store.Read(KeyName(i));
    if (!value || value->empty()) break;
    if (exists && !exists(*value)) continue;
    // A hand-edited file may repeat an entry; the list shows each folder once.
    if (std::find(entries_.begin(), entries_.end(), *value) != entries_.end()) continue;
    entries_.push_back(std::move(*value));
  }
  last_choice_ = store.Read(last_key_).value_or(std::string());
}

bool FolderHistory::Remember(std::string_view text) {
  const std::string choice(Trimmed(text));
  // An empty first value would end every later load there and hide the whole history.
  if (choice.empty()) return false;
  std::erase(entries_, choice);
  entries_.insert(entries_.begin(), choice);
  if (entries_.size() > max_count_) entries_.resize(max_count_);
  last_choice_ = choice;
  return true;
}

void FolderHistory::Save(HistoryStore& store) const {
  for (size_t i = 0; i < entries_.size(); ++i) store.Write(KeyName(i), entries_[i]);
  for (size_t i = entries_.size(); i < kKeyBound; ++i) {
    const std::string key = KeyName(i);
    const std::optional<std::string> old = store.Read(key);
    if (!old || old->empty()) break;
    store.Remove(key);
  }
  store.Write(last_key_, last_choice_);
}

}  // namespace vantrel::ui
