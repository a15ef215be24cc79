#include "platform/runtime/random.h"

#include "platform/forms/host.h"
