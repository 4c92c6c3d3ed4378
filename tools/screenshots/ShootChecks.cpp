#include "Shooter.h"

void shootChecks(Shooter &)
{
}
