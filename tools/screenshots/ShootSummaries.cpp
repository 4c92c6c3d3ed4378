#include "Shooter.h"

void shootSummaries(Shooter &)
{
}
