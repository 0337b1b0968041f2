// qor15.dll. Its classes arrive with the issue that builds this library.
#include "qor15.h"
