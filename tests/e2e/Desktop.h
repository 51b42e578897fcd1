#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

// Generous limit for anything the tests wait for; it only guards against hangs.
inline constexpr std::chrono::milliseconds hangGuard{20000};

struct Point {
    int x;
    int y;
};

struct Geometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A private X server (Xvfb on a display number it picks itself) and the
// operator's hands on it: pointer and keyboard through xdotool.
class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // ":N", for the DISPLAY of the programs started on this server.
    QString display() const { return display_; }

    // Polls until a visible window with exactly this title exists, other than
    // `other`; nothing when none appears within the hang guard.
    std::optional<QString> waitForWindow(const QString& title, const QString& other = {});
    // Polls until no visible window with this title is left.
    bool waitUntilGone(const QString& title);
    Geometry geometry(const QString& window);

    void focus(const QString& window);
    // Left click at a point of the window's client area.
    void click(const QString& window, Point at);
    void type(const QString& text);
    void keys(const QStringList& keys);

    // What the close box does: asks the window to close (WM_DELETE_WINDOW).
    void closeWindow(const QString& window);
    // The window's part of the screen, written as a PNG file.
    void screenshot(const QString& window, const QString& pngPath);

private:
    QString xdotool(const QStringList& arguments);
    void runTool(const QString& program, const QStringList& arguments);

    QProcess server_;
    QString display_;
};
