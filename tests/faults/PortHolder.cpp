#include "platform/Exception.h"
#include "platform/SerialComPort.h"

#include <QCoreApplication>
#include <cstdio>

// Another program holding a serial port: opens the port named on the command line
// as the window would, says "held" and keeps it until its input ends.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const std::unique_ptr<TComPort> port = CreateSerialComPort();
    TComPortSettings settings = port->Settings();
    settings.Port = QString::fromLocal8Bit(argv[1]);
    settings.BaudRate = 38400;
    port->SetSettings(settings);
    try {
        port->Open();
    } catch (const EComPort& error) {
        std::printf("failed: %s\n", error.what());
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
