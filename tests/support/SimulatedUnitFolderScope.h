#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class PtyPeer;

// Points the user's runtime location (XDG_RUNTIME_DIR) at a fresh temporary folder
// for its lifetime, so that simulated units published in a test are the only ones.
class SimulatedUnitFolderScope {
public:
    SimulatedUnitFolderScope();
    ~SimulatedUnitFolderScope();
    SimulatedUnitFolderScope(const SimulatedUnitFolderScope&) = delete;
    SimulatedUnitFolderScope& operator=(const SimulatedUnitFolderScope&) = delete;

    // Publishes the peer's pseudo-terminal as the simulated unit `name` (ttySIM0).
    void Publish(const PtyPeer& peer, const QString& name) const;
    // A link of that name to any other path.
    void PublishLink(const QString& target, const QString& name) const;

private:
    QTemporaryDir runtime_;
    QByteArray previous_;
    bool hadPrevious_;
};
