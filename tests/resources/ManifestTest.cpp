#include "resources/EmbeddedResources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using muralto::EmbeddedResource;

std::string ManifestText() {
  const auto bytes = EmbeddedResource("MANIFEST");
  return {bytes.begin(), bytes.end()};
}

// Every tag of the text in order, as written between '<' and '>'.
std::vector<std::string> Tags(const std::string& text) {
  std::vector<std::string> tags;
  for (std::size_t open = text.find('<'); open != std::string::npos; open = text.find('<', open + 1)) {
    const std::size_t close = text.find('>', open);
    if (close == std::string::npos) break;
    tags.push_back(text.substr(open + 1, close - open - 1));
  }
  return tags;
}

TEST(Manifest, IsOneLineOf549Bytes) {
  const std::string text = ManifestText();
  EXPECT_EQ(text.size(), 549u);
  EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
}

TEST(Manifest, HoldsExactlyTheExpectedElements) {
  const std::vector<std::string> expected = {
      R"(?xml version="1.0" encoding="UTF-8" standalone="yes"?)",
      R"(assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0")",
      R"(assemblyIdentity version="1.0.0.0" processorArchitecture="X86" name="CompanyName.ProductName.YourApp" type="win32" /)",
      "description",
      "/description",
      "dependency",
      "dependentAssembly",
      R"(assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0" processorArchitecture="X86" publicKeyToken="6595b64144ccf1df" language="*" /)",
      "/dependentAssembly",
      "/dependency",
      "/assembly",
  };
  const std::vector<std::string> tags = Tags(ManifestText());
  ASSERT_EQ(tags.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(tags[i], expected[i]) << "tag " << i;
}

}  // namespace
