// The program's entry: everything else is the start-up's and the global
// application object's. The arguments are handed on and read by nobody.
#include "platform/qt/win_app.h"
#include "res/quintaro_resources.h"

int main(int argc, char** argv) { return AfxWinMain(argc, argv, QuintaroResources()); }
