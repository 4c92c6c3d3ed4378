// A shared widget reaching up into a feature.
#include "register/RegisterWindow.h"
