// The BMP test corpus: good files decode to their reference pictures, bad and questionable
// ones are refused or decoded without a read outside the file (run under ASan).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/bmp/bmp_decoder.h"
#include "library/core/bitmap_image.h"
#include "library/core/palette_image.h"
#include "png_reference.h"

namespace pixfarrow {
namespace {

namespace fs = std::filesystem;
const fs::path kCorpus = QV_BMP_CORPUS;

ByteSet ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteSet(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> FilesIn(const char* folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(kCorpus / folder)) {
    if (entry.path().extension() == ".bmp") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Each good file and the picture it should show (from the corpus's own index).
const std::pair<const char*, const char*> kGood[] = {
    {"pal1.bmp", "pal1.png"},         {"pal1wb.bmp", "pal1.png"},         {"pal1bg.bmp", "pal1bg.png"},
    {"pal4.bmp", "pal4.png"},         {"pal4gs.bmp", "pal4gs.png"},       {"pal4rle.bmp", "pal4.png"},
    {"pal8.bmp", "pal8.png"},         {"pal8-0.bmp", "pal8.png"},         {"pal8gs.bmp", "pal8gs.png"},
    {"pal8rle.bmp", "pal8.png"},      {"pal8w126.bmp", "pal8w126.png"},   {"pal8w125.bmp", "pal8w125.png"},
    {"pal8w124.bmp", "pal8w124.png"}, {"pal8topdown.bmp", "pal8.png"},    {"pal8nonsquare.bmp", "pal8nonsquare-e.png"},
    {"pal8os2.bmp", "pal8.png"},      {"pal8v4.bmp", "pal8.png"},         {"pal8v5.bmp", "pal8.png"},
    {"rgb16.bmp", "rgb16.png"},       {"rgb16bfdef.bmp", "rgb16.png"},    {"rgb16-565.bmp", "rgb16-565.png"},
    {"rgb16-565pal.bmp", "rgb16-565.png"}, {"rgb24.bmp", "rgb24.png"},    {"rgb24pal.bmp", "rgb24.png"},
    {"rgb32.bmp", "rgb24.png"},       {"rgb32bfdef.bmp", "rgb24.png"},    {"rgb32bf.bmp", "rgb24.png"},
};

// bmpsuite 2.8 holds 20 bad and 43 questionable files beside the good ones.
constexpr std::size_t kBadFiles = 20, kQuestionableFiles = 43;

TEST(BmpCorpus, EveryGoodFileIsListed) { EXPECT_EQ(FilesIn("g").size(), std::size(kGood)); }

void ExpectReferencePicture(const fs::path& bmp, const char* png) {
  SCOPED_TRACE(bmp.filename().string());
  const auto image = DecodeBmp(ReadFile(bmp));
  ASSERT_TRUE(image);
  const auto reference = test::ReadPng((kCorpus / "html" / png).string());
  ASSERT_TRUE(reference);
  ASSERT_EQ(image->width, reference->width);
  ASSERT_EQ(image->height, reference->height);
  int wrong = 0;
  std::string first;
  for (int y = 0; y < image->height; ++y) {
    for (int x = 0; x < image->width; ++x) {
      const std::uint32_t got = image->pixels[static_cast<std::size_t>(image->height - 1 - y) * image->width + x];
      const std::uint32_t want = reference->pixels[static_cast<std::size_t>(y) * reference->width + x];
      if (got != want && wrong++ == 0) {
        first = "first at (" + std::to_string(x) + ", " + std::to_string(y) + "): " + std::to_string(got) +
                " instead of " + std::to_string(want);
      }
    }
  }
  EXPECT_EQ(wrong, 0) << first;
}

TEST(BmpCorpus, GoodFilesDecodeToTheirReferencePictures) {
  for (const auto& [bmp, png] : kGood) ExpectReferencePicture(kCorpus / "g" / bmp, png);
}

// Run-length files that skip pixels or end early: the pixels left unset are palette
// entry 0 (the corpus's "-0" pictures; others show them black or transparent).
TEST(BmpCorpus, PixelsThatRunLengthDataLeavesUnsetArePaletteEntryZero) {
  const std::pair<const char*, const char*> files[] = {
      {"pal4rletrns.bmp", "pal4rletrns-0.png"}, {"pal4rlecut.bmp", "pal4rlecut-0.png"},
      {"pal8rletrns.bmp", "pal8rletrns-0.png"}, {"pal8rlecut.bmp", "pal8rlecut-0.png"}};
  for (const auto& [bmp, png] : files) ExpectReferencePicture(kCorpus / "q" / bmp, png);
}

TEST(BmpCorpus, BadFilesAreRefusedOrDecodedInBounds) {
  const auto files = FilesIn("b");
  ASSERT_EQ(files.size(), kBadFiles) << "the corpus is not there: " << (kCorpus / "b").string();
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    const ByteSet file = ReadFile(path);  // exactly its size, so ASan sees any read past it
    const auto image = DecodeBmp(file);
    if (image) {
      EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(image->width) * image->height);
    }
    BitmapImage bitmap;
    EXPECT_EQ(bitmap.载入位图(file), image ? 1 : 0);
  }
}

TEST(BmpCorpus, QuestionableFilesDoNotCrash) {
  const auto files = FilesIn("q");
  ASSERT_EQ(files.size(), kQuestionableFiles) << "the corpus is not there: " << (kCorpus / "q").string();
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    const auto image = DecodeBmp(ReadFile(path));
    if (image) {
      EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(image->width) * image->height);
    }
  }
}

// The finder's straight decode to palette indexes equals load, ConvertDepth(8), PixelBytes.
TEST(BmpCorpus, PaletteDecodeEqualsLoadAndConvert) {
  for (const auto& [folder, count] : {std::pair{"g", std::size(kGood)}, std::pair{"q", kQuestionableFiles},
                                      std::pair{"b", kBadFiles}}) {
    const auto files = FilesIn(folder);
    ASSERT_EQ(files.size(), count) << folder;
    for (const auto& path : files) {
      SCOPED_TRACE(path.string());
      const ByteSet file = ReadFile(path);
      BitmapImage bitmap;
      const bool loaded = bitmap.载入位图(file) == 1;
      const auto palette = DecodePaletteImage(file);
      ASSERT_EQ(palette.has_value(), loaded);
      if (!loaded) continue;
      ASSERT_EQ(bitmap.ConvertDepth(8), 1);
      EXPECT_EQ(palette->pixels, bitmap.PixelBytes());
      EXPECT_EQ(palette->width, bitmap.Width());
      EXPECT_EQ(palette->height, bitmap.Height());
    }
  }
}

}  // namespace
}  // namespace pixfarrow
