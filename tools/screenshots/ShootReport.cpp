#include "Shooter.h"

void shootReport(Shooter &)
{
}
