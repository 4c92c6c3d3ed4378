#include "Shooter.h"

void shootRegister(Shooter &)
{
}
