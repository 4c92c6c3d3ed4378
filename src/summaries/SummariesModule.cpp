#include "summaries/SummariesModule.h"

namespace SummariesModule {
void registerDialogs()
{
}
}
