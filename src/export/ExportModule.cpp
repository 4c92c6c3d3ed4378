#include "export/ExportModule.h"

namespace ExportModule {
void registerDialogs()
{
}
}
