#pragma once
#include "app/informa.h"
