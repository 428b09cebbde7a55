#include "shell/Startup.h"

int main(int argc, char* argv[])
{
    return vel::RunGame(argc, argv);
}
