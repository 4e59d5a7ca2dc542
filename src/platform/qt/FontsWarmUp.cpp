#include "platform/qt/FontsWarmUp.h"

#include <system_error>

#ifdef ISPYT_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace ispyt {

FontsWarmUp::FontsWarmUp() {
#ifdef ISPYT_FONTCONFIG
  // fontconfig keeps the configuration it reads first for the process.
  // Without a thread it is read, as ever, when the first font is asked for.
  try {
    thread_ = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
  }
#endif
}

}  // namespace ispyt
