#pragma once
#include "haut.h"
