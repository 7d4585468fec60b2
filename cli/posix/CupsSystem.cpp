#include "cli/posix/CupsSystem.h"

#include "cli/Format.h"
#include "cli/Messages.h"
#include "cli/ReadFile.h"
#include "printer/RawJob.h"

#include <cups/cups.h>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace cli {
namespace {

// The program works in CP932; the system's names are UTF-8.
std::string SystemName(const std::string& name) {
    return Recode(name, "CP932", "UTF-8");
}

bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        ssize_t written = write(fd, data, size);
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Why CUPS refused, in the program's encoding.
std::string CupsReason() {
    if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) return kNoPrinter;
    return std::string(kJobRefused) + " (" + Recode(cupsLastErrorString(), "UTF-8", "CP932") + ")";
}

bool SchedulerAnswers() {
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                5000, nullptr);
    if (http) httpClose(http);
    return http != nullptr;
}

// A job that could not be created: no scheduler, an unknown queue, or the scheduler's
// own reason.
std::string CreateFailure(const std::string& queue) {
    std::string reason = CupsReason();
    if (!SchedulerAnswers()) return Format(kNoScheduler, cupsServer());
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (dest) {
        cupsFreeDests(1, dest);
        return reason;
    }
    return cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? kNoPrinter : reason;
}

} // namespace

std::string Recode(const std::string& text, const char* from, const char* to) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return text;
    std::string input = text, output(text.size() * 4 + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size(), outLeft = output.size();
    std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) return text;
    output.resize(output.size() - outLeft);
    return output;
}

bool CupsSystem::ReadFile(const std::string& name, std::size_t limit,
                          std::vector<unsigned char>& data) {
    return ReadFileBounded(SystemName(name), limit, data);
}

// Written beside the file and renamed over it, so a failed write leaves the old one.
bool CupsSystem::WriteFile(const std::string& name, const std::vector<unsigned char>& data) {
    std::string target = SystemName(name);
    std::string temporary = target + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    mode_t mask = umask(0);
    umask(mask);
    bool written =
        fchmod(fd, 0666 & ~mask) == 0 && WriteAll(fd, data.data(), data.size()) && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (written && rename(temporary.c_str(), target.c_str()) == 0) return true;
    unlink(temporary.c_str());
    return false;
}

void CupsSystem::Out(const std::string& text) {
    std::string utf8 = Recode(text, "CP932", "UTF-8");
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

void CupsSystem::Err(const std::string& text) {
    std::string utf8 = Recode(text, "CP932", "UTF-8");
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
}

// One raw job: no filter touches the bytes on their way to the queue's device.
bool CupsSystem::Send(const std::string& printer, const unsigned char* data, std::size_t size,
                      std::string& why) {
    std::string queue = SystemName(printer);
    int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), printer::kJobName, 0, nullptr);
    if (job == 0) {
        why = CreateFailure(queue);
        return false;
    }
    bool sent = cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, printer::kJobName,
                                  CUPS_FORMAT_RAW, 1) == HTTP_STATUS_CONTINUE &&
                cupsWriteRequestData(CUPS_HTTP_DEFAULT, reinterpret_cast<const char*>(data),
                                     size) == HTTP_STATUS_CONTINUE;
    bool finished = cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str()) == IPP_STATUS_OK;
    if (sent && finished) return true;
    why = CupsReason();
    cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 0);
    return false;
}

} // namespace cli
