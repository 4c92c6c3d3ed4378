#include "register/RegisterModule.h"

namespace RegisterModule {
void registerDialogs()
{
}
}
