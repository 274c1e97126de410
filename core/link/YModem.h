// The calculator link: the one header the rest of the program includes for it.
#pragma once
#include "link/CalcNames.h"
#include "link/UiHooks.h"
#include "link/XModemCodec.h"
