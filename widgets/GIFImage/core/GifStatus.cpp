#include "widgets/GIFImage/core/GifStatus.h"

namespace qv {

unsigned char GIFStatus = GifLoaded;

} // namespace qv
