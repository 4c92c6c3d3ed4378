#include "checks/ChecksModule.h"

namespace ChecksModule {
void registerDialogs()
{
}
}
