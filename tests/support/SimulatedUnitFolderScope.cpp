#include "tests/support/SimulatedUnitFolderScope.h"

#include "platform/SerialPortList.h"
#include "tests/support/PtyPeer.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

SimulatedUnitFolderScope::SimulatedUnitFolderScope()
    : previous_(qgetenv("XDG_RUNTIME_DIR")),
      hadPrevious_(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    if (!QDir().mkpath(SimulatedUnitFolder()))
        throw std::runtime_error("cannot make the simulated unit folder");
}

SimulatedUnitFolderScope::~SimulatedUnitFolderScope() {
    if (hadPrevious_)
        qputenv("XDG_RUNTIME_DIR", previous_);
    else
        qunsetenv("XDG_RUNTIME_DIR");
}

void SimulatedUnitFolderScope::Publish(const PtyPeer& peer, const QString& name) const {
    PublishLink(peer.DevicePath(), name);
}

void SimulatedUnitFolderScope::PublishLink(const QString& target, const QString& name) const {
    const QString link = SimulatedUnitFolder() + u'/' + name;
    QFile::remove(link);
    if (!QFile::link(target, link))
        throw std::runtime_error("cannot publish the simulated unit");
}
