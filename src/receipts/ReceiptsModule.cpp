#include "receipts/ReceiptsModule.h"

namespace ReceiptsModule {
void registerDialogs()
{
}
}
