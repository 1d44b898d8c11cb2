#include "shell/viewer_process.h"

int main(int argc, char** argv) { return zol::RunViewerProcess(argc, argv); }
