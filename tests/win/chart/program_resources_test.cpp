// The pictures and scripts that the built program carries, read from Quorvela.exe itself.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "common/win/kernel_owners.h"

namespace qv::test {
namespace {

std::wstring builtProgram() {
  wchar_t path[MAX_PATH];
  std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  folder.resize(folder.find_last_of(L'\\'));  // the tests' folder
  folder.resize(folder.find_last_of(L'\\'));  // the build tree
  return folder + L"\\dist\\Quorvela\\Quorvela.exe";
}

std::string_view resourceBytes(HMODULE module, const wchar_t* name) {
  HRSRC resource = FindResourceExW(module, RT_RCDATA, name, MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
  if (!resource) return {};
  return {static_cast<const char*>(LockResource(LoadResource(module, resource))), SizeofResource(module, resource)};
}

unsigned bigEndian16(std::string_view bytes, std::size_t at) {
  return (static_cast<unsigned char>(bytes[at]) << 8) | static_cast<unsigned char>(bytes[at + 1]);
}

struct Picture {
  std::string format;
  unsigned width = 0, height = 0;
  bool alpha = false;
};

Picture readPicture(std::string_view bytes) {
  Picture picture;
  if (bytes.size() > 26 && bytes.substr(0, 8) == "\x89PNG\r\n\x1a\n") {
    picture = {"PNG", bigEndian16(bytes, 18), bigEndian16(bytes, 22), bytes[25] == 6};
  } else if (bytes.size() > 4 && bytes.substr(0, 2) == "\xFF\xD8") {
    for (std::size_t at = 2; at + 9 < bytes.size(); at += 2 + bigEndian16(bytes, at + 2)) {
      const auto marker = static_cast<unsigned char>(bytes[at + 1]);
      if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
        picture = {"JPEG", bigEndian16(bytes, at + 7), bigEndian16(bytes, at + 5), false};
        break;
      }
    }
  }
  return picture;
}

TEST(ProgramResources, PicturesInTheirFormatsAndSizes) {
  const qv::win::UniqueModule program(LoadLibraryExW(builtProgram().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(program) << "cannot read the built program";
  struct Case {
    int id;
    const char* format;
    unsigned width, height;
  };
  const Case cases[] = {
      {501, "PNG", 32, 32},  {506, "JPEG", 192, 116}, {507, "JPEG", 50, 50}, {508, "JPEG", 50, 50},
      {509, "JPEG", 50, 50}, {510, "JPEG", 50, 50},   {511, "JPEG", 38, 38}, {512, "JPEG", 38, 38},
      {513, "JPEG", 38, 38},
  };
  for (const auto& c : cases) {
    const Picture picture = readPicture(resourceBytes(program.get(), MAKEINTRESOURCEW(c.id)));
    EXPECT_EQ(picture.format, c.format) << c.id;
    EXPECT_EQ(picture.width, c.width) << c.id;
    EXPECT_EQ(picture.height, c.height) << c.id;
    EXPECT_EQ(picture.alpha, c.id == 501) << c.id;
  }
}

TEST(ProgramResources, ChartScriptAndTheme) {
  const qv::win::UniqueModule program(LoadLibraryExW(builtProgram().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(program);
  const std::string_view script = resourceBytes(program.get(), MAKEINTRESOURCEW(516));
  EXPECT_GT(script.size(), 900000u);
  EXPECT_NE(script.find("echarts"), std::string_view::npos);
  EXPECT_NE(resourceBytes(program.get(), L"ECHARTS_THEME_INFOGRAPHIC").find("registerTheme('infographic'"),
            std::string_view::npos);
}

}  // namespace
}  // namespace qv::test
