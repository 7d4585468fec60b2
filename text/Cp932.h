#pragma once
// Byte-string helpers for code page 932 text. A lead byte (0x81-0x9F, 0xE0-0xFC) is
// followed by a trail byte 0x40-0xFC, which may be 0x5C ("\") or 0x7C ("|"): code
// that cuts or scans text must step over whole characters.
#include <cstddef>
#include <string>

namespace cp932 {

bool IsLeadByte(unsigned char c);
// A byte that may follow a lead byte: 0x40-0x7E, 0x80-0xFC.
bool IsTrailByte(unsigned char c);

// Length in bytes of the longest prefix of `text` that is at most `maxBytes` long and
// ends on a character boundary.
std::size_t FitLength(const std::string& text, std::size_t maxBytes);

// `text` cut to at most `maxBytes` bytes without splitting a double-byte character.
std::string Truncate(const std::string& text, std::size_t maxBytes);

// Index of the last path separator "\" that is a character of its own (not the trail
// byte of a double-byte character), or std::string::npos.
std::size_t FindLastBackslash(const std::string& path);

// Copies `text` into a fixed buffer of `size` bytes (terminator included), cut on a
// character boundary. Returns false, leaving a cut copy, when the text did not fit.
bool CopyBounded(char* buffer, std::size_t size, const std::string& text);

// `text` with every single-byte `from` character (not a trail byte) replaced by `to`;
// turns "a|b||" filter strings into the zero-separated form of the file dialogs.
std::string ReplaceChar(const std::string& text, char from, char to);

} // namespace cp932
