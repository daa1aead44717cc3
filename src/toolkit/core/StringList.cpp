#include "toolkit/core/StringList.h"

#include <algorithm>
#include <cctype>

#include "toolkit/core/Exceptions.h"

namespace toolkit {

std::size_t TStringList::Checked(int index) const {
  if (index < 0 || index >= Count()) throw EStringListError(msg::ListIndexError(index));
  return static_cast<std::size_t>(index);
}

int TStringList::Add(const std::string& s) {
  items_.push_back(s);
  return Count() - 1;
}

void TStringList::Insert(int index, const std::string& s) {
  if (index < 0 || index > Count()) throw EStringListError(msg::ListIndexError(index));
  items_.insert(items_.begin() + index, s);
}

void TStringList::Delete(int index) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Checked(index))); }

const std::string& TStringList::Strings(int index) const { return items_[Checked(index)]; }

int TStringList::IndexOf(const std::string& s) const {
  auto same = [&s](const std::string& t) {
    return t.size() == s.size() && std::equal(t.begin(), t.end(), s.begin(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
  };
  auto it = std::find_if(items_.begin(), items_.end(), same);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

}  // namespace toolkit
