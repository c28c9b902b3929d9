#pragma once
// The memo document (io/memo_document.h) as JSON, as the web page is handed it: the same
// members as the document's structs, named as they are (camelCase), optional values left out.
// The desktop and the web engine write the same text for the same run and options.

#include <string>

namespace zan {

struct MemoDocument;

std::string memoDocumentJson(const MemoDocument& memo);

}  // namespace zan
