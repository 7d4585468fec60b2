// A small coverage-guided mutation engine for g++ builds under ASan/UBSan: the code under
// test is compiled with -fsanitize-coverage=trace-pc, whose callback below marks the
// edges an input reaches. Inputs that reach new edges join the corpus; mutations of the
// corpus are run until the time is up.
//
// A parent process forks the fuzzing child and watches it: the child copies each input
// into shared memory before running it, so when it dies (sanitizer report, failed
// property, signal) or stops answering (hang), the parent saves that input as a finding
// and starts a new child for the rest of the time.
//
//   fuzz_NAME [-seconds N] [-work DIR] [-dict FILE] [-seed N] CORPUS_DIR...
//   fuzz_NAME FILE...            runs each file once (to replay a finding)
#include "tests/fuzz/engine/Fuzz.h"

#include <dirent.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// ---- coverage ---------------------------------------------------------------------

constexpr std::size_t kMapSize = 1 << 14;
std::uint8_t g_edges[kMapSize];
std::uintptr_t g_previous;

} // namespace

extern "C" void __sanitizer_cov_trace_pc() {
    auto pc = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    std::uintptr_t current = (pc * 0x9E3779B97F4A7C15ull) >> 48;
    ++g_edges[(current ^ g_previous) & (kMapSize - 1)];
    g_previous = current >> 1;
}

namespace {

// Hit counts in classes (1, 2, 3, 4-7, 8-15, 16-31, 32-127, 128+), one bit each.
std::uint8_t CountClass(std::uint8_t count) {
    if (count == 0) return 0;
    if (count <= 3) return static_cast<std::uint8_t>(1u << (count - 1));
    if (count <= 7) return 8;
    if (count <= 15) return 16;
    if (count <= 31) return 32;
    return count <= 127 ? 64 : 128;
}

class Coverage {
public:
    // True when the last execution reached an edge or a count class not seen before.
    bool Merge() {
        bool grew = false;
        const auto* words = reinterpret_cast<const std::uint64_t*>(g_edges);
        for (std::size_t w = 0; w < kMapSize / 8; ++w) {
            if (words[w] == 0) continue;
            for (std::size_t i = w * 8; i < w * 8 + 8; ++i) {
                std::uint8_t c = CountClass(g_edges[i]);
                if (c & ~seen[i]) {
                    if (seen[i] == 0) ++edges;
                    seen[i] |= c;
                    grew = true;
                }
            }
        }
        return grew;
    }
    std::size_t Edges() const { return edges; }

private:
    std::uint8_t seen[kMapSize] = {};
    std::size_t edges = 0;
};

// ---- shared state between the parent and the fuzzing child ------------------------

struct Shared {
    volatile std::uint64_t executions;
    volatile std::uint64_t heartbeat; // monotonic ms at the start of the last execution
    volatile std::uint64_t corpusSize;
    volatile std::uint64_t edges;
    volatile std::uint64_t inputSize;
    std::uint8_t input[1]; // kMaxInputSize bytes follow
};

Shared* g_shared;

std::uint64_t NowMs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::uint64_t(t.tv_sec) * 1000 + std::uint64_t(t.tv_nsec) / 1000000;
}

void RunOne(const Bytes& input) {
    std::size_t size = std::min(input.size(), fuzz::kMaxInputSize);
    g_shared->inputSize = size;
    if (size > 0) std::memcpy(g_shared->input, input.data(), size);
    g_shared->heartbeat = NowMs();
    std::memset(g_edges, 0, sizeof g_edges);
    g_previous = 0;
    // An exact heap copy: one byte too far is a heap-buffer-overflow.
    auto* copy = new std::uint8_t[size == 0 ? 1 : size];
    if (size > 0) std::memcpy(copy, input.data(), size);
    fuzz::FuzzOne(copy, size);
    delete[] copy;
    g_shared->executions = g_shared->executions + 1;
}

// ---- files ------------------------------------------------------------------------

bool ReadFile(const std::string& path, Bytes& data) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    bool ok = size == 0 || std::fwrite(data, 1, size, out) == size;
    return std::fclose(out) == 0 && ok;
}

// Creates `path` and any missing folders above it.
void MakeDirectories(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0755);
    mkdir(path.c_str(), 0755);
}

bool IsDirectory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void LoadDirectory(const std::string& dir, std::vector<Bytes>& inputs) {
    DIR* d = opendir(dir.c_str());
    if (!d) return;
    std::vector<std::string> names;
    while (dirent* entry = readdir(d))
        if (entry->d_name[0] != '.') names.push_back(entry->d_name);
    closedir(d);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        Bytes data;
        if (ReadFile(dir + "/" + name, data)) inputs.push_back(data);
    }
}

std::string HexName(const std::uint8_t* data, std::size_t size) {
    std::uint64_t hash = 1469598103934665603ull; // FNV-1a
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// Dictionary lines are tokens; "\xNN" writes one byte, "\r", "\n", "\t" and "\\" their
// characters.
std::vector<Bytes> LoadDictionary(const std::string& path) {
    std::vector<Bytes> tokens;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        Bytes token;
        for (std::size_t i = 0; i < line.size(); ++i) {
            char next = i + 1 < line.size() ? line[i + 1] : '\0';
            if (line[i] != '\\' || next == '\0') {
                token.push_back(static_cast<std::uint8_t>(line[i]));
            } else if (next == 'x' && i + 3 < line.size()) {
                token.push_back(
                    static_cast<std::uint8_t>(std::stoi(line.substr(i + 2, 2), nullptr, 16)));
                i += 3;
            } else {
                token.push_back(static_cast<std::uint8_t>(next == 'r'   ? '\r'
                                                          : next == 'n' ? '\n'
                                                          : next == 't' ? '\t'
                                                                        : next));
                ++i;
            }
        }
        tokens.push_back(token);
    }
    return tokens;
}

// ---- mutation ---------------------------------------------------------------------

const std::uint8_t kInterestingBytes[] = {
    0x00, 0x01, 0x02, 0x09, 0x0A, 0x0D, 0x1C, 0x20, 0x2C, 0x2E, 0x2F, 0x30, 0x39, 0x3A, 0x3B, 0x40,
    0x46, 0x5C, 0x7C, 0x7F, 0x80, 0x81, 0x9F, 0xA0, 0xDF, 0xE0, 0xFC, 0xFD, 0xFF, '%',  '-',  '+'};
const std::uint32_t kInterestingWords[] = {
    0,      1,       0x7F,  0x80,  0xFF,       0x100,       0x7FFF,      0x8000,
    0xFFFF, 0x10000, 65535, 65536, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu, 2147483600u};

class Mutator {
public:
    Mutator(std::uint64_t seed, std::vector<Bytes> dictionary)
        : rng(seed), dictionary(std::move(dictionary)) {}

    Bytes Mutate(const Bytes& base, const std::vector<Bytes>& corpus) {
        Bytes data = base;
        int rounds = 1 << Below(4);
        for (int i = 0; i < rounds; ++i)
            MutateOnce(data, corpus);
        if (data.size() > fuzz::kMaxInputSize) data.resize(fuzz::kMaxInputSize);
        return data;
    }

    std::size_t Below(std::size_t n) { return n == 0 ? 0 : rng() % n; }

private:
    void MutateOnce(Bytes& data, const std::vector<Bytes>& corpus) {
        switch (Below(11)) {
        case 0: // flip one bit
            if (!data.empty())
                data[Below(data.size())] ^= static_cast<std::uint8_t>(1u << Below(8));
            break;
        case 1: // a random byte
            if (!data.empty()) data[Below(data.size())] = static_cast<std::uint8_t>(rng());
            break;
        case 2: // an interesting byte
            if (!data.empty())
                data[Below(data.size())] = kInterestingBytes[Below(sizeof kInterestingBytes)];
            break;
        case 3: { // small arithmetic
            if (data.empty()) break;
            std::uint8_t& b = data[Below(data.size())];
            b = static_cast<std::uint8_t>(b + static_cast<int>(Below(33)) - 16);
            break;
        }
        case 4: { // an interesting word, either byte order
            std::uint32_t word = kInterestingWords[Below(std::size(kInterestingWords))];
            std::size_t width = std::size_t(1) << Below(3);
            if (data.size() < width) break;
            std::size_t at = Below(data.size() - width + 1);
            bool big = Below(2);
            for (std::size_t i = 0; i < width; ++i)
                data[at + i] = static_cast<std::uint8_t>(word >> (8 * (big ? width - 1 - i : i)));
            break;
        }
        case 5: { // insert random or repeated bytes
            std::size_t count = 1 + Below(Below(2) ? 8 : 64);
            std::uint8_t fill = static_cast<std::uint8_t>(rng());
            bool repeat = Below(2);
            Bytes insert(count);
            for (auto& b : insert)
                b = repeat ? fill : static_cast<std::uint8_t>(rng());
            data.insert(data.begin() + static_cast<long>(Below(data.size() + 1)), insert.begin(),
                        insert.end());
            break;
        }
        case 6: { // delete a range
            if (data.empty()) break;
            std::size_t at = Below(data.size());
            std::size_t count = 1 + Below(std::min<std::size_t>(data.size() - at, 32));
            data.erase(data.begin() + static_cast<long>(at),
                       data.begin() + static_cast<long>(at + count));
            break;
        }
        case 7: { // copy a range over another place
            if (data.size() < 2) break;
            std::size_t from = Below(data.size()), to = Below(data.size());
            std::size_t count = 1 + Below(std::min(data.size() - from, data.size() - to));
            std::memmove(&data[to], &data[from], count);
            break;
        }
        case 8: { // duplicate a range
            if (data.empty()) break;
            std::size_t from = Below(data.size());
            std::size_t count = 1 + Below(std::min<std::size_t>(data.size() - from, 64));
            Bytes piece(data.begin() + static_cast<long>(from),
                        data.begin() + static_cast<long>(from + count));
            data.insert(data.begin() + static_cast<long>(Below(data.size() + 1)), piece.begin(),
                        piece.end());
            break;
        }
        case 9: { // splice with another corpus entry
            const Bytes& other = corpus[Below(corpus.size())];
            if (other.empty()) break;
            std::size_t cut = Below(data.size() + 1), from = Below(other.size());
            data.resize(cut);
            data.insert(data.end(), other.begin() + static_cast<long>(from), other.end());
            break;
        }
        default: { // a dictionary token, inserted or written over
            if (dictionary.empty()) break;
            const Bytes& token = dictionary[Below(dictionary.size())];
            std::size_t at = Below(data.size() + 1);
            if (Below(2) && at + token.size() <= data.size())
                std::copy(token.begin(), token.end(), data.begin() + static_cast<long>(at));
            else
                data.insert(data.begin() + static_cast<long>(at), token.begin(), token.end());
            break;
        }
        }
    }

    std::mt19937_64 rng;
    std::vector<Bytes> dictionary;
};

// ---- the child: fuzz until the deadline --------------------------------------------

struct Options {
    double seconds = 10;
    std::string work;
    std::string dictionary;
    std::uint64_t seed = 0;
    std::vector<std::string> corpusDirs;
    std::vector<std::string> files;
};

void AddToCorpus(const Options& options, std::vector<Bytes>& corpus, const Bytes& input,
                 bool save) {
    corpus.push_back(input);
    if (save && !options.work.empty())
        WriteFile(options.work + "/corpus/" + HexName(input.data(), input.size()), input.data(),
                  input.size());
}

[[noreturn]] void FuzzUntil(const Options& options, std::uint64_t deadline, std::uint64_t seed) {
    std::vector<Bytes> seeds;
    for (const std::string& dir : options.corpusDirs)
        LoadDirectory(dir, seeds);
    if (!options.work.empty()) LoadDirectory(options.work + "/corpus", seeds);
    if (seeds.empty()) seeds.emplace_back();

    auto* coverage = new Coverage;
    std::vector<Bytes> corpus;
    for (const Bytes& input : seeds) {
        RunOne(input);
        if (coverage->Merge() || corpus.empty()) AddToCorpus(options, corpus, input, false);
    }
    Mutator mutator(seed, options.dictionary.empty() ? std::vector<Bytes>()
                                                     : LoadDictionary(options.dictionary));
    while (NowMs() < deadline) {
        for (int batch = 0; batch < 256; ++batch) {
            Bytes input = mutator.Mutate(corpus[mutator.Below(corpus.size())], corpus);
            RunOne(input);
            if (coverage->Merge()) AddToCorpus(options, corpus, input, true);
        }
        g_shared->corpusSize = corpus.size();
        g_shared->edges = coverage->Edges();
    }
    std::_Exit(0);
}

// ---- the parent: watch, record findings, restart ------------------------------------

constexpr std::uint64_t kHangMs = 10000;
// A target that keeps failing is not restarted without end.
constexpr std::uint64_t kMaxFindings = 10;

std::string SaveFinding(const Options& options) {
    const std::uint8_t* data = g_shared->input;
    std::size_t size = g_shared->inputSize;
    std::string dir = options.work.empty() ? std::string(".") : options.work + "/findings";
    std::string path = dir + "/finding-" + HexName(data, size);
    return WriteFile(path, data, size) ? path : std::string("(not saved)");
}

// Runs one child to its end; returns false when it died or hung on an input.
bool WatchChild(pid_t child) {
    for (;;) {
        int status = 0;
        pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        std::uint64_t beat = g_shared->heartbeat;
        if (beat != 0 && NowMs() > beat + kHangMs) {
            std::fprintf(stderr, "fuzz: no answer for %llu ms: hang\n",
                         static_cast<unsigned long long>(kHangMs));
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return false;
        }
        usleep(50 * 1000);
    }
}

int Fuzz(const Options& options, const char* name) {
    if (!options.work.empty()) {
        MakeDirectories(options.work + "/corpus");
        MakeDirectories(options.work + "/findings");
    }
    std::uint64_t deadline = NowMs() + static_cast<std::uint64_t>(options.seconds * 1000);
    std::uint64_t findings = 0, executions = 0;
    for (std::uint64_t round = 0;; ++round) {
        g_shared->executions = 0;
        g_shared->heartbeat = 0;
        std::fflush(nullptr);
        pid_t child = fork();
        if (child < 0) {
            std::perror("fork");
            return 2;
        }
        if (child == 0) FuzzUntil(options, deadline, options.seed + round * 7919);
        bool clean = WatchChild(child);
        executions += g_shared->executions;
        if (clean) break;
        ++findings;
        std::fprintf(stderr, "fuzz: %s: finding saved as %s\n", name, SaveFinding(options).c_str());
        if (NowMs() + 500 >= deadline || findings >= kMaxFindings) break;
    }
    std::printf("%s: %llu executions, %llu corpus, %llu edges, %llu findings\n", name,
                static_cast<unsigned long long>(executions),
                static_cast<unsigned long long>(g_shared->corpusSize),
                static_cast<unsigned long long>(g_shared->edges),
                static_cast<unsigned long long>(findings));
    return findings == 0 ? 0 : 1;
}

// Runs each file once, in this process: a failure shows its report and ends the run.
int Replay(const Options& options) {
    for (const std::string& path : options.files) {
        Bytes data;
        if (!ReadFile(path, data)) {
            std::fprintf(stderr, "fuzz: cannot read %s\n", path.c_str());
            return 2;
        }
        RunOne(data);
        std::printf("%s: passed\n", path.c_str());
    }
    return 0;
}

const char* BaseName(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

} // namespace

[[noreturn]] void fuzz::Fail(const char* file, int line, const char* condition) {
    std::fprintf(stderr, "fuzz: property failed at %s:%d: %s\n", file, line, condition);
    std::abort();
}

int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "-seconds" && hasValue)
            options.seconds = std::atof(argv[++i]);
        else if (arg == "-work" && hasValue)
            options.work = argv[++i];
        else if (arg == "-dict" && hasValue)
            options.dictionary = argv[++i];
        else if (arg == "-seed" && hasValue)
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (IsDirectory(arg))
            options.corpusDirs.push_back(arg);
        else
            options.files.push_back(arg);
    }
    std::size_t sharedSize = sizeof(Shared) + fuzz::kMaxInputSize;
    void* memory =
        mmap(nullptr, sharedSize, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        std::perror("mmap");
        return 2;
    }
    g_shared = static_cast<Shared*>(memory);
    setvbuf(stdout, nullptr, _IOLBF, 0);
    if (!options.files.empty()) return Replay(options);
    return Fuzz(options, BaseName(argv[0]));
}
