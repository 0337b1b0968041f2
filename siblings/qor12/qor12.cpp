// qor12.dll. Its classes arrive with the issue that builds this library.
#include "qor12.h"
