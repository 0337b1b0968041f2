// qor01.dll. Its classes arrive with the issue that builds this library.
#include "qor01.h"
