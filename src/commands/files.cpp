#include "commands/files.h"

#include <utility>

#include "commands/commands.h"

namespace zan {
namespace {

std::string writeFailure(const std::string& path, const std::string& reason) {
    return catalogue::arg(catalogue::translate("Messages",
                                               "The file %1 could not be written: %2. The "
                                               "previous file, if any, was left unchanged."),
                          {path, reason});
}

}  // namespace

Expected<std::string, std::string> readInputDataFile(const std::string& path) {
    return file_system::readRegularFile(path, kMaxInputDataFileBytes);
}

Expected<SafeFileWriter, std::string> SafeFileWriter::open(const std::string& path,
                                                           const std::string& displayPath) {
    auto file = file_system::PendingFile::open(path);
    if (!file)
        return failure(writeFailure(displayPath, file.error()));
    return SafeFileWriter(std::move(*file), displayPath);
}

Expected<Done, std::string> SafeFileWriter::write(std::string_view bytes) {
    if (auto written = m_file.write(bytes); !written)
        return failure(writeFailure(m_displayPath, written.error()));
    return Done{};
}

Expected<Done, std::string> SafeFileWriter::commit() {
    if (auto committed = m_file.commit(); !committed)
        return failure(writeFailure(m_displayPath, committed.error()));
    return Done{};
}

Expected<Done, std::string> writeFileSafely(const std::string& path, std::string_view bytes) {
    return writeFileSafely(path, bytes, path);
}

Expected<Done, std::string> writeFileSafely(const std::string& path, std::string_view bytes,
                                            const std::string& displayPath) {
    auto writer = SafeFileWriter::open(path, displayPath);
    if (!writer)
        return failure(writer.error());
    if (auto written = writer->write(bytes); !written)
        return written;
    return writer->commit();
}

void removePendingTemporary() noexcept {
    file_system::removePendingTemporary();
}

void removeTemporaryOnSignals() {
    file_system::removeTemporaryOnInterrupt();
}

}  // namespace zan
