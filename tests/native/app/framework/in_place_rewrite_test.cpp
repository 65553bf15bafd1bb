// Writing a file's new content over the old, and what each failure leaves.
#include "app/core/framework/in_place_rewrite.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvela {
namespace {

ByteBuffer Bytes(std::size_t size, std::uint8_t seed) {
  ByteBuffer bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
  return bytes;
}

// A file on a disk that may be full, or fail while it is written.
class FakeFile : public RewritableFile {
 public:
  std::optional<std::uint64_t> size() override { return content.size(); }
  bool resize(std::uint64_t size) override {
    if (size > content.size() && diskFull) {
      content.resize(content.size() + (size - content.size()) / 2);  // what fitted
      return false;
    }
    content.resize(size);
    return true;
  }
  bool writeFromStart(const ByteBuffer& bytes) override {
    const std::size_t written = std::min(bytes.size(), writeBreaksAfter);
    if (content.size() < written) content.resize(written);
    std::copy_n(bytes.begin(), written, content.begin());
    return written == bytes.size();
  }
  bool flush() override { return !flushFails; }

  ByteBuffer content;
  bool diskFull = false;
  std::size_t writeBreaksAfter = SIZE_MAX;
  bool flushFails = false;
};

TEST(RewriteInPlace, TheFileHoldsTheNewBytesOrTheOldOrNothing) {
  const ByteBuffer old = Bytes(300, 3);
  struct Case {
    const char* label;
    ByteBuffer before;
    ByteBuffer next;
    bool diskFull = false;
    std::size_t writeBreaksAfter = SIZE_MAX;
    bool flushFails = false;
    bool written;
    ByteBuffer after;
  };
  const Case cases[] = {
      {"longer", old, Bytes(5000, 1), false, SIZE_MAX, false, true, Bytes(5000, 1)},
      {"shorter", Bytes(9000, 5), Bytes(10, 1), false, SIZE_MAX, false, true, Bytes(10, 1)},
      {"new file", {}, Bytes(5000, 1), false, SIZE_MAX, false, true, Bytes(5000, 1)},
      {"empty target", old, {}, false, SIZE_MAX, false, true, {}},
      // The full disk is met before any old byte is touched.
      {"no room", old, Bytes(5000, 1), true, SIZE_MAX, false, false, old},
      {"no room, new file", {}, Bytes(5000, 1), true, SIZE_MAX, false, false, {}},
      {"no room needed", old, Bytes(200, 1), true, SIZE_MAX, false, true, Bytes(200, 1)},
      // Half old, half new would be a target that decodes to nothing useful.
      {"write breaks", old, Bytes(5000, 1), false, 100, false, false, {}},
      {"flush fails", old, Bytes(5000, 1), false, SIZE_MAX, true, false, {}},
  };
  for (const Case& c : cases) {
    FakeFile file;
    file.content = c.before;
    file.diskFull = c.diskFull;
    file.writeBreaksAfter = c.writeBreaksAfter;
    file.flushFails = c.flushFails;
    EXPECT_EQ(RewriteInPlace(file, c.next), c.written) << c.label;
    EXPECT_EQ(file.content, c.after) << c.label;
  }
}

}  // namespace
}  // namespace quorvela
