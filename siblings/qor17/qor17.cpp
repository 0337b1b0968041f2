// qor17.dll. Its classes arrive with the issue that builds this library.
#include "qor17.h"
