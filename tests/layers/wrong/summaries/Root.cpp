// Only the composition root may include the composition root.
#include "app/MainMenu.h"
#include "resultlist/ResultList.h"
