#include "customers/CustomersModule.h"

namespace CustomersModule {
void registerDialogs()
{
}
}
