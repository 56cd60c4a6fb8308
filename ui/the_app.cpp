// The one application object; the start-up finds it through AfxGetApp.
#include "ui/conversion_app.h"

CConversionApp theApp;
