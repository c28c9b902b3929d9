#include "model/version.h"

namespace zan {

const char* programVersion() {
    return ZAN_VERSION;
}

}  // namespace zan
