// Core umbrella: objects, run-time classes, strings and value types.
#pragma once
#include "afxver_.h"
#include "afxobj.h"
#include "afxstr.h"
#include "afxtypes.h"
