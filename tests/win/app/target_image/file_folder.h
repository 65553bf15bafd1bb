#pragma once
// Plain file helpers for the target-image tests, independent of the code under test.
#include <cstdint>
#include <string>
#include <vector>

#include "app/core/object/byte_buffer.h"

namespace qv::test {

// Names of the entries of a folder (no "." or "..").
std::vector<std::wstring> FileNames(const std::wstring& folder);
bool WriteWholeFile(const std::wstring& path, const quorvela::ByteBuffer& bytes);
// A file of `size` zero bytes that takes no disk (sparse).
bool WriteSparseFile(const std::wstring& path, std::int64_t size);
quorvela::ByteBuffer PlainRead(const std::wstring& path);
quorvela::ByteBuffer Pattern(std::size_t size, unsigned seed = 1);

}  // namespace qv::test
