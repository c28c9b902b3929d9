#pragma once
// The program's version, the CMake project's, for the memo, About and --version.

namespace zan {

const char* programVersion();

}  // namespace zan
