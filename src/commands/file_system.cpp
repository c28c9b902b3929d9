#include "commands/file_system.h"

#include <system_error>
#include <utility>

#include "model/catalogue.h"

namespace zan::file_system::reasons {

std::string isDirectory() {
    return std::make_error_code(std::errc::is_a_directory).message();
}

std::string isPipe() {
    return catalogue::translate("Messages", "it is a named pipe (FIFO), not a regular file");
}

std::string isDevice() {
    return catalogue::translate("Messages", "it is a device, not a regular file");
}

std::string isSocket() {
    return catalogue::translate("Messages", "it is a socket, not a regular file");
}

std::string notRegular() {
    return catalogue::translate("Messages", "it is not a regular file");
}

std::string tooLarge(std::uintmax_t maxBytes) {
    return catalogue::arg(
        catalogue::translate("Messages",
                             "it is larger than %1 MiB, far more than an input data "
                             "file holds"),
        {std::to_string(maxBytes >> 20)});
}

std::string writeProtected() {
    return catalogue::translate("Messages", "it is write-protected");
}

std::string noPipeReader() {
    return catalogue::translate("Messages", "no program reads from this named pipe");
}

std::string reservedDeviceName(const std::string& device) {
    return catalogue::arg(
        catalogue::translate("Messages",
                             "Windows keeps this name for the device %1, with any extension "
                             "and in any folder"),
        {device});
}

std::string namedStream() {
    return catalogue::translate("Messages", "it names a stream inside a file, not a file");
}

std::string noConsole() {
    return catalogue::translate("Messages", "it is the console, and the program runs without one");
}

std::string systemError(int error, const char* fallback) {
    return error != 0 ? std::generic_category().message(error)
                      : catalogue::translate("Messages", fallback);
}

}  // namespace zan::file_system::reasons

namespace zan::file_system {

PendingFile::PendingFile(PendingFile&& other) noexcept
    : m_handle(std::exchange(other.m_handle, -1)),
      m_temporary(std::move(other.m_temporary)),
      m_target(std::move(other.m_target)),
      m_replacesExisting(other.m_replacesExisting) {
    other.m_temporary.clear();
}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
    if (this != &other) {
        abandon();
        m_handle = std::exchange(other.m_handle, -1);
        m_temporary = std::move(other.m_temporary);
        other.m_temporary.clear();
        m_target = std::move(other.m_target);
        m_replacesExisting = other.m_replacesExisting;
    }
    return *this;
}

PendingFile::~PendingFile() {
    abandon();
}

}  // namespace zan::file_system
