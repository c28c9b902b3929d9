#include "pdf/memo_file.h"

#include <algorithm>
#include <new>

#include "commands/file_system.h"
#include "model/catalogue.h"

#ifdef ZAN_HAVE_QPDF
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#endif

namespace zan {

namespace {

bool endsWithCaseless(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                      [](char a, char b) { return (a | 0x20) == (b | 0x20); });
}

#ifdef ZAN_HAVE_QPDF

struct TooLarge {};

// Takes a stream's decoded bytes up to the size an input data file may have, and stops a
// small stream that would inflate to gigabytes there.
class LimitedBuffer : public Pipeline {
  public:
    LimitedBuffer() : Pipeline("input data file", nullptr) {}
    void write(unsigned char const* data, size_t length) override {
        if (bytes.size() + length > kMaxInputDataFileBytes) {
            tooLarge = true;
            throw TooLarge{};
        }
        bytes.append(reinterpret_cast<const char*>(data), length);
    }
    void finish() override {}

    std::string bytes;
    bool tooLarge = false;
};

Expected<std::string, std::string> attachedFile(std::string_view pdf) {
    QPDF document;
    document.setSuppressWarnings(true);
    document.processMemoryFile("memo", pdf.data(), pdf.size());
    QPDFEmbeddedFileDocumentHelper attachments(document);
    // The first attachment named *.DEF, by name; a memo carries one.
    for (auto& [name, file] : attachments.getEmbeddedFiles()) {
        if (!endsWithCaseless(file->getFilename(), ".DEF") && !endsWithCaseless(name, ".DEF"))
            continue;
        LimitedBuffer buffer;
        bool piped = false;
        try {
            piped = file->getEmbeddedFileStream().pipeStreamData(&buffer, nullptr, 0,
                                                                 qpdf_dl_generalized, true);
        } catch (const TooLarge&) {
        }
        if (buffer.tooLarge)
            return failure(file_system::reasons::tooLarge(kMaxInputDataFileBytes));
        if (!piped)
            return failure(catalogue::translate("Messages", "it is a damaged PDF"));
        return std::move(buffer.bytes);
    }
    return failure(catalogue::translate(
        "Messages",
        "it is a PDF without an attached input data file (.DEF); a design memo "
        "exported by this program carries one"));
}

#endif

}  // namespace

bool isPdf(std::string_view bytes) {
    // Readers look for the header within the first kilobyte.
    return bytes.substr(0, 1024).find("%PDF-") != std::string_view::npos;
}

#ifdef ZAN_HAVE_QPDF

bool readsMemos() {
    return true;
}

Expected<std::string, std::string> attachedInputDataFile(std::string_view pdf) {
    try {
        return attachedFile(pdf);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        return failure(catalogue::translate("Messages", "it is a damaged PDF"));
    }
}

#else

bool readsMemos() {
    return false;
}

Expected<std::string, std::string> attachedInputDataFile(std::string_view) {
    return failure(catalogue::translate(
        "Messages",
        "it is a PDF, and this build of the program cannot read the input data file "
        "attached to a design memo; read the .DEF file instead"));
}

#endif

Expected<std::string, std::string> readDesignBytes(const std::string& path) {
    const bool pdfName = endsWithCaseless(path, ".pdf");
    auto bytes =
        file_system::readRegularFile(path, pdfName ? kMaxMemoBytes : kMaxInputDataFileBytes);
    if (!bytes || !isPdf(*bytes)) {
        if (bytes && bytes->size() > kMaxInputDataFileBytes)
            return failure(file_system::reasons::tooLarge(kMaxInputDataFileBytes));
        return bytes;
    }
    return attachedInputDataFile(*bytes);
}

CommandOutcome readDesignFile(Workspace& workspace, const std::string& path,
                              const std::string& displayPath) {
    try {
        auto bytes = readDesignBytes(path);
        if (!bytes)
            return unreadableDataFile(displayPath, bytes.error());
        return readDataBytes(workspace, *bytes, displayPath);
    } catch (const std::bad_alloc&) {
        return unreadableDataFile(displayPath,
                                  catalogue::translate("Messages", "there is not enough memory"));
    }
}

}  // namespace zan
