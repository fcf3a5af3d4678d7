#include "model/version.h"
