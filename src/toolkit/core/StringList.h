#pragma once
// TStringList: an ordered list of strings. Unsorted; duplicates allowed.
#include <string>
#include <vector>

#include "toolkit/core/NotifyEvent.h"

namespace toolkit {

class TStringList : public TObject {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Returns the index of the new string.
  int Add(const std::string& s);
  // index may equal Count (appends).
  void Insert(int index, const std::string& s);
  void Delete(int index);
  void Clear() { items_.clear(); }

  const std::string& Strings(int index) const;
  // First index of s compared without regard to ASCII case, or -1.
  int IndexOf(const std::string& s) const;

 private:
  std::size_t Checked(int index) const;

  std::vector<std::string> items_;
};

}  // namespace toolkit
