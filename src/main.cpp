#include "ui/Application.h"

int main(int argc, char* argv[]) { return ranvik::RunApplication(argc, argv); }
