// The resources as the executable carries them, read back through the API.
#include "resources/EmbeddedResources.h"
#include "resources/Glyphs.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/UniqueHandle.h"

namespace {

using Bitmap = platform::UniqueHandle<HBITMAP, BOOL(WINAPI*)(HGDIOBJ)>;

using muralto::EmbeddedResource;
using muralto::GlyphBitmap;

std::span<const std::uint8_t> ResourceBytes(HRSRC resource) {
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(nullptr, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(nullptr, resource)};
}

TEST(CompiledResources, ManifestIsType24IdOneEnglishUs) {
  const auto bytes = ResourceBytes(FindResourceExA(nullptr, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1),
                                                   MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)));
  const auto expected = EmbeddedResource("MANIFEST");
  ASSERT_EQ(bytes.size(), 549u);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin(), expected.end()));
}

TEST(CompiledResources, GlyphsAreTheGeneratedBitmapsWithoutFileHeader) {
  for (const char* name : {"SpinUp", "SpinDown"}) {
    SCOPED_TRACE(name);
    const auto bytes = ResourceBytes(FindResourceA(nullptr, name, MAKEINTRESOURCEA(2)));
    const auto file = GlyphBitmap(name).subspan(14);
    ASSERT_EQ(bytes.size(), file.size());
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), file.begin()));
  }
}

TEST(CompiledResources, GlyphsLoadAsNineBySixBitmaps) {
  for (const char* name : {"SpinUp", "SpinDown"}) {
    SCOPED_TRACE(name);
    const Bitmap bitmap(LoadBitmapA(GetModuleHandleA(nullptr), name), &DeleteObject);
    ASSERT_TRUE(bitmap.Valid());
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bitmap.Get(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 9);
    EXPECT_EQ(info.bmHeight, 6);
  }
}

TEST(CompiledResources, IconsLoadAt32By32) {
  for (const char* name : {"MAINICON", "OPTIONSICON"}) {
    SCOPED_TRACE(name);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), name);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    const Bitmap colour(info.hbmColor, &DeleteObject);
    const Bitmap mask(info.hbmMask, &DeleteObject);
    BITMAP bitmap{};
    ASSERT_TRUE(colour.Valid());
    ASSERT_TRUE(GetObjectA(colour.Get(), sizeof bitmap, &bitmap));
    EXPECT_EQ(bitmap.bmWidth, 32);
    EXPECT_EQ(bitmap.bmHeight, 32);
  }
}

class VersionInfo : public ::testing::Test {
 protected:
  void SetUp() override {
    char path[MAX_PATH + 1] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    block.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
  }
  std::string Text(const char* key) {
    char* value = nullptr;
    UINT length = 0;
    const std::string query = std::string("\\StringFileInfo\\040904E4\\") + key;
    if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
      return "(missing)";
    return std::string(value, length > 0 ? length - 1 : 0);
  }
  std::vector<char> block;
};

TEST_F(VersionInfo, IsOnePointTwo) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010002u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010002u);
}

TEST_F(VersionInfo, NamesTheProduct) {
  for (const char* key : {"ProductName", "FileDescription"}) EXPECT_EQ(Text(key), "Muralto") << key;
  EXPECT_EQ(Text("FileVersion"), "1.2.0.0");
  EXPECT_EQ(Text("ProductVersion"), "1.2");
}

}  // namespace
