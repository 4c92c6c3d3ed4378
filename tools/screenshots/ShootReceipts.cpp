#include "Shooter.h"

void shootReceipts(Shooter &)
{
}
