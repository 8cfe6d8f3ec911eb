#pragma once
#include "bas.h"
