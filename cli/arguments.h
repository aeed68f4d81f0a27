// Command-line words of one subcommand: positional words in order, and "--name value" /
// "--flag" options. Which options take a value is told by the subcommand.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vantrel::cli {

class Arguments {
 public:
  // words: everything after the subcommand's own name(s). valued: option names (without "--")
  // that take the next word as their value. Any other "--name" is a flag.
  Arguments(const std::vector<std::string>& words, const std::set<std::string>& valued);

  const std::vector<std::string>& positional() const { return positional_; }
  bool Has(const std::string& name) const { return options_.count(name) != 0; }
  std::optional<std::string> Value(const std::string& name) const;
  // The option's value read as a decimal integer; fallback when absent or not a number.
  long long Integer(const std::string& name, long long fallback) const;
  // Empty when the words were well formed, else what was wrong (for a usage message).
  const std::string& error() const { return error_; }

 private:
  std::vector<std::string> positional_;
  std::map<std::string, std::string> options_;
  std::string error_;
};

// A word that is wholly a decimal integer (an optional "-" and digits); none for anything else.
std::optional<long long> WholeNumber(const std::string& word);

}  // namespace vantrel::cli
