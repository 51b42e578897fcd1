#include "tools/unitsim/Options.h"
#include "tools/unitsim/Simulator.h"

#include <QCoreApplication>
#include <exception>
#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("quorvane-unitsim");
    try {
        Simulator simulator(parseOptions(app));
        std::cout << simulator.link().name() << ' ' << simulator.link().path() << " -> "
                  << simulator.pty().slavePath() << std::endl;
        return simulator.run();
    } catch (const std::exception& error) {
        std::cerr << "quorvane-unitsim: " << error.what() << std::endl;
        return 1;
    }
}
