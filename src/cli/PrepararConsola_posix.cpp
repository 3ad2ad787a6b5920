#include "cli/PrepararConsola.h"

namespace molvaren::cli {

// Las terminales de estos sistemas ya escriben UTF-8.
void PrepararConsola() {}

} // namespace molvaren::cli
