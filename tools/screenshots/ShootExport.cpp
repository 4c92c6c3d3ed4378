#include "Shooter.h"

void shootExport(Shooter &)
{
}
