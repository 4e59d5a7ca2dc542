#include "platform/qt/FontsWarmUp.h"

#ifdef ISPYT_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace ispyt {

FontsWarmUp::FontsWarmUp() {
#ifdef ISPYT_FONTCONFIG
  // fontconfig keeps the configuration it reads first for the process.
  thread_ = std::thread([] { FcInit(); });
#endif
}

}  // namespace ispyt
