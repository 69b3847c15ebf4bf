#pragma once

// Platform lives in common/ so that every subsystem can reach the dialog and message hooks;
// Platform::real is defined in this library.
#include "common/Platform.h"
