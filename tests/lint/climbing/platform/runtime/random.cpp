#include "../forms/host.h"
