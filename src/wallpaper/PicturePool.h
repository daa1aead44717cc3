#pragma once
// The picture pool: every picture file of the checked folders, found
// recursively, in folder-list order and then in enumeration order.
#include <string>

namespace toolkit {
class TListItems;
class TStringList;
}  // namespace toolkit

namespace muralto {

// Appends the pictures of folder and of every plain subfolder (attribute word
// exactly "directory") to pool. A folder that cannot be read, and an empty
// path, add nothing; a lone drive letter stands for its drive's root.
void ScanFolder(std::string folder, toolkit::TStringList& pool);
// Empties pool and scans every checked item's caption, first to last.
void RebuildPool(const toolkit::TListItems& folders, toolkit::TStringList& pool);

}  // namespace muralto
