#pragma once
// The plainest walks that find the same picture paths as the folder scan:
// the yardsticks of the pool benchmarks.
#include <string>
#include <vector>

namespace bench {

// Host readdir walk: windowsFolder names hostFolder in the paths it keeps.
void ReaddirWalk(const std::string& hostFolder, const std::string& windowsFolder, std::vector<std::string>& out);
// FindFirstFileA walk with a direct extension test.
void FindWalk(const std::string& folder, std::vector<std::string>& out);

// ".bmp", ".jpg", ".jpeg" in any case, tested in place.
bool HasPictureExtension(const char* name, std::size_t length);

}  // namespace bench
