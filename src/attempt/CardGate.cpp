#include "attempt/CardGate.h"

#include "platform/Cp1251.h"

namespace ispyt {

std::string cardPrompt() { return cp1251("____Заповніть¶ _реєстраційну¶ ____картку:"); }

}  // namespace ispyt
