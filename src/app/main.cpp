#include "app/Application.h"
#include <csignal>

int main(int argc, char *argv[])
{
    // A write to a service that went away (speech-dispatcher, the sound server) fails with EPIPE
    // instead of ending the program.
    std::signal(SIGPIPE, SIG_IGN);
    return RunLektavo(argc, argv);
}
