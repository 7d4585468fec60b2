#pragma once
// What the test prefix holds: registry values of the user, the Unix file that the
// printer on LPT1: spools into, and the bytes of files.
#include <cstddef>
#include <string>
#include <vector>

namespace wintest {

// A string value under HKEY_CURRENT_USER, "" when there is none.
std::string UserValue(const char* key, const char* name);
// The Windows path of the Unix file the prefix spools LPT1: into, "" when it has none.
std::string JobsFile();
std::vector<unsigned char> FileBytes(const std::string& path);
// The spooler may finish writing the port's file after the job is closed: waits up to
// five seconds for at least `size` bytes.
std::vector<unsigned char> WaitForJob(const std::string& path, std::size_t size);

} // namespace wintest
