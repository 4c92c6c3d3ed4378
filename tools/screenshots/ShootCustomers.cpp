#include "Shooter.h"

void shootCustomers(Shooter &)
{
}
