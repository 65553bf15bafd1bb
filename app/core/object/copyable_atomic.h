#pragma once
// A 32-bit word that two threads share, which its object copies and streams by value: a
// copy takes the word as it is read at that moment; the stream holds it as 4 little-endian
// bytes.
#include <atomic>
#include <cstdint>

#include "app/core/object/vol_stream.h"

namespace quorvela {

template <class Word>
class CopyableAtomic : public std::atomic<Word> {
  static_assert(sizeof(Word) == 4, "streamed as one int32");

 public:
  using std::atomic<Word>::atomic;
  using std::atomic<Word>::operator=;
  CopyableAtomic() : std::atomic<Word>(Word{}) {}
  CopyableAtomic(const CopyableAtomic& other) : std::atomic<Word>(other.load()) {}
  CopyableAtomic& operator=(const CopyableAtomic& other) {
    this->store(other.load());
    return *this;
  }
};

template <class Word>
void readMember(VolStream& stream, CopyableAtomic<Word>& word) {
  std::int32_t value = 0;
  if (stream.readInt32(value)) word = static_cast<Word>(value);
}

template <class Word>
void writeMember(VolStream& stream, const CopyableAtomic<Word>& word) {
  stream.writeInt32(static_cast<std::int32_t>(word.load()));
}

}  // namespace quorvela
