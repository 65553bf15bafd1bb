// Our BMP decoder against the system's file loader (LoadImage with LR_LOADFROMFILE, as a
// display bitmap and as a DIB section) over the questionable and good files of the corpus:
// the same files accepted, the same pixels, except for the differences listed below.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "common/bmp/bmp_decoder.h"
#include "tests/win/bitmap/system_loader_client.h"

namespace pixfarrow {
namespace {

using qv::test::kDibSection;
using qv::test::kPlainBitmap;
using qv::test::SystemLoadedImage;

enum class Outcome { kSame, kOnlySystemAccepts, kOnlyWeAccept, kPixelsDiffer };

const char* Name(Outcome o) {
  switch (o) {
    case Outcome::kSame: return "same";
    case Outcome::kOnlySystemAccepts: return "only the system accepts";
    case Outcome::kOnlyWeAccept: return "only we accept";
    case Outcome::kPixelsDiffer: return "pixels differ";
  }
  return "?";
}

// Known, justified differences: file (folder/name), how it differs as a display bitmap and
// as a DIB section, and why we keep our result.
struct KnownDifference {
  const char* file;
  Outcome plain;
  Outcome dibSection;
  const char* reason;
};

constexpr auto kSame = Outcome::kSame, kOnlySystem = Outcome::kOnlySystemAccepts, kOnlyUs = Outcome::kOnlyWeAccept,
               kDiffer = Outcome::kPixelsDiffer;

// Channels narrower than 8 bits: the system shifts (5 bits of 3 give 24), we scale with
// rounding (25), as the corpus's reference pictures show; wider ones the system truncates.
constexpr const char* kRounding = "bit-field channels scaled with rounding, as the reference pictures show";

// Pixels that run-length data leaves unset: palette entry 0, as in the system's DIB
// section; this system's display bitmap leaves them black.
constexpr const char* kSkipped = "pixels left unset by run-length data are palette entry 0, as in a DIB section";

const KnownDifference kKnown[] = {
    {"q/pal2.bmp", kOnlySystem, kSame, "2 bits per pixel is a Windows CE form; the system's two ways disagree"},
    {"q/pal2color.bmp", kOnlySystem, kSame, "2 bits per pixel is a Windows CE form; the system's two ways disagree"},
    {"q/pal4rlecut.bmp", kDiffer, kSame, kSkipped},
    {"q/pal4rletrns.bmp", kDiffer, kSame, kSkipped},
    {"q/pal8rlecut.bmp", kDiffer, kSame, kSkipped},
    {"q/pal8rletrns.bmp", kDiffer, kSame, kSkipped},
    {"q/pal8os2-hs.bmp", kSame, kDiffer, "system's DIB section misreads 3-byte palette entries (cf. g/pal8os2.bmp)"},
    {"q/pal8os2-sz.bmp", kSame, kDiffer, "system's DIB section misreads 3-byte palette entries (cf. g/pal8os2.bmp)"},
    {"q/pal8os2sp.bmp", kSame, kDiffer, "system's DIB section misreads 3-byte palette entries (cf. g/pal8os2.bmp)"},
    {"g/pal8os2.bmp", kSame, kDiffer, "system's DIB section is wrong: ours equals the reference picture"},
    {"g/pal8topdown.bmp", kDiffer, kDiffer, "system gives an all-black image: ours equals the reference picture"},
    {"q/rgb24jpeg.bmp", kOnlySystem, kSame, "BI_JPEG is for printers; the system's bitmap takes the header, not the image"},
    {"q/rgb24png.bmp", kOnlySystem, kSame, "BI_PNG is for printers; the system's bitmap takes the header, not the image"},
    {"q/rgba64.bmp", kOnlySystem, kSame, "64 bits per pixel is not a bitmap-file depth; the system's two ways disagree"},
    {"q/rgba32abf.bmp", kOnlySystem, kOnlySystem, "BI_ALPHABITFIELDS is a Windows CE form, outside the accepted list"},
    {"q/rgb32h52.bmp", kOnlyUs, kOnlyUs, "the 52-byte header is read as an info header with masks; this system refuses it"},
    {"q/rgba32h56.bmp", kOnlyUs, kOnlyUs, "the 56-byte header is read as an info header with masks; this system refuses it"},
    {"q/rgb16-231.bmp", kDiffer, kDiffer, kRounding},
    {"q/rgb16-3103.bmp", kDiffer, kDiffer, kRounding},
    {"q/rgb16faketrns.bmp", kDiffer, kDiffer, kRounding},
    {"q/rgb32-111110.bmp", kDiffer, kDiffer, kRounding},
    {"q/rgb32-7187.bmp", kDiffer, kDiffer, kRounding},
    {"q/rgba16-1924.bmp", kDiffer, kDiffer, kRounding},
    {"q/rgba16-4444.bmp", kSame, kDiffer, kRounding},
    {"q/rgba16-5551.bmp", kDiffer, kDiffer, kRounding},
    {"q/rgba32-1010102.bmp", kDiffer, kDiffer, kRounding},
    {"q/rgba32-61754.bmp", kDiffer, kDiffer, kRounding},
    {"q/rgba32-81284.bmp", kDiffer, kDiffer, kRounding},
    {"g/rgb16.bmp", kDiffer, kDiffer, kRounding},
    {"g/rgb16bfdef.bmp", kDiffer, kDiffer, kRounding},
    {"g/rgb16-565.bmp", kDiffer, kDiffer, kRounding},
    {"g/rgb16-565pal.bmp", kDiffer, kDiffer, kRounding},
};

std::vector<std::string> BmpFilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "/*.bmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Outcome Compare(const std::optional<DecodedBmp>& ours, const std::optional<SystemLoadedImage>& system,
                std::string& detail) {
  if (!ours && !system) return Outcome::kSame;
  if (!ours) return Outcome::kOnlySystemAccepts;
  if (!system) return Outcome::kOnlyWeAccept;
  if (ours->width != system->width || ours->height != system->height) {
    detail = "size " + std::to_string(system->width) + "x" + std::to_string(system->height) + " against our " +
             std::to_string(ours->width) + "x" + std::to_string(ours->height);
    return Outcome::kPixelsDiffer;
  }
  int wrong = 0;
  for (std::size_t i = 0; i < ours->pixels.size(); ++i) {
    const std::uint32_t a = ours->pixels[i] & 0xFFFFFF, b = system->pixels[i] & 0xFFFFFF;
    if (a != b && wrong++ == 0) {
      std::ostringstream s;
      s << "first at (" << i % ours->width << ", " << i / ours->width << " from the bottom): system " << std::hex << b
        << ", ours " << a;
      detail = s.str();
    }
  }
  if (wrong == 0) return Outcome::kSame;
  detail += ", " + std::to_string(wrong) + " of " + std::to_string(ours->pixels.size()) + " pixels";
  return Outcome::kPixelsDiffer;
}

const KnownDifference* KnownFor(const std::string& file) {
  for (const KnownDifference& k : kKnown) {
    if (file == k.file) return &k;
  }
  return nullptr;
}

TEST(SystemLoaderCorpus, DecoderAcceptsWhatTheSystemLoaderAcceptsWithItsPixels) {
  const std::string corpus = QV_BMP_CORPUS_WIN;
  std::vector<std::string> seen;
  std::string unexpected;
  for (const char* folder : {"q", "g"}) {
    const auto names = BmpFilesIn(corpus + "/" + folder);
    ASSERT_FALSE(names.empty()) << "no corpus at " << corpus;
    for (const std::string& name : names) {
      const std::string file = std::string(folder) + "/" + name;
      seen.push_back(file);
      const std::string path = corpus + "/" + file;
      const auto ours = DecodeBmp(ReadWholeFile(path));
      const auto system = qv::test::LoadWithSystemLoader(std::wstring(path.begin(), path.end()));
      std::string plainDetail, dibDetail;
      const Outcome plain = Compare(ours, system[kPlainBitmap], plainDetail);
      const Outcome dib = Compare(ours, system[kDibSection], dibDetail);
      const KnownDifference* known = KnownFor(file);
      if (plain != (known ? known->plain : Outcome::kSame) || dib != (known ? known->dibSection : Outcome::kSame)) {
        unexpected += "\n  " + file + ": bitmap " + Name(plain) + (plainDetail.empty() ? "" : " (" + plainDetail + ")") +
                      "; DIB section " + Name(dib) + (dibDetail.empty() ? "" : " (" + dibDetail + ")");
      }
    }
  }
  EXPECT_TRUE(unexpected.empty()) << "files that differ otherwise than listed:" << unexpected;
  for (const KnownDifference& k : kKnown) {
    EXPECT_NE(std::find(seen.begin(), seen.end(), k.file), seen.end()) << "listed but not in the corpus: " << k.file;
  }
}

}  // namespace
}  // namespace pixfarrow
