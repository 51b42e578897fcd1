#include "tests/e2e/Desktop.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <X11/Xlib.h>
#include <stdexcept>

namespace {

constexpr unsigned long pollPauseMs = 50;
const int hangGuardMs = int(hangGuard.count());

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

QString commandLine(const QString& program, const QStringList& arguments) {
    return program + u' ' + arguments.join(u' ');
}

} // namespace

Desktop::Desktop() {
    // -displayfd 1: the server takes a free display number and writes it to its output.
    server_.setProgram(QStringLiteral(QUORVANE_XVFB));
    server_.setArguments(
        {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
    server_.setProcessChannelMode(QProcess::SeparateChannels);
    server_.start();
    if (!server_.waitForStarted(hangGuardMs))
        fail("Xvfb does not start");
    const QDeadlineTimer deadline(hangGuard);
    QByteArray output;
    while (!output.contains('\n')) {
        if (deadline.hasExpired() || server_.state() == QProcess::NotRunning)
            fail("Xvfb tells no display number: " +
                 QString::fromLocal8Bit(server_.readAllStandardError()));
        server_.waitForReadyRead(100);
        output += server_.readAllStandardOutput();
    }
    display_ = u':' + QString::fromLatin1(output.trimmed());
}

Desktop::~Desktop() {
    server_.terminate();
    if (!server_.waitForFinished(hangGuardMs)) {
        server_.kill();
        server_.waitForFinished(hangGuardMs);
    }
}

QString Desktop::xdotool(const QStringList& arguments) {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display_);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(QUORVANE_XDOTOOL), arguments);
    if (!tool.waitForFinished(hangGuardMs)) {
        tool.kill();
        tool.waitForFinished();
        fail("hangs: " + commandLine("xdotool", arguments));
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

void Desktop::runTool(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(hangGuardMs)) {
        tool.kill();
        tool.waitForFinished();
        fail("hangs: " + commandLine(program, arguments));
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        fail("fails: " + commandLine(program, arguments) + u'\n' +
             QString::fromLocal8Bit(tool.readAllStandardError()));
}

std::optional<QString> Desktop::waitForWindow(const QString& title, const QString& other) {
    const QString pattern = u'^' + QRegularExpression::escape(title) + u'$';
    const QDeadlineTimer deadline(hangGuard);
    do {
        const QStringList windows = xdotool({"search", "--onlyvisible", "--name", pattern})
                                        .split(u'\n', Qt::SkipEmptyParts);
        for (const QString& window : windows) {
            if (window != other)
                return window;
        }
        QThread::msleep(pollPauseMs);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

bool Desktop::waitUntilGone(const QString& title) {
    const QString pattern = u'^' + QRegularExpression::escape(title) + u'$';
    const QDeadlineTimer deadline(hangGuard);
    do {
        if (xdotool({"search", "--onlyvisible", "--name", pattern}).trimmed().isEmpty())
            return true;
        QThread::msleep(pollPauseMs);
    } while (!deadline.hasExpired());
    return false;
}

Geometry Desktop::geometry(const QString& window) {
    Geometry result;
    for (const QString& line : xdotool({"getwindowgeometry", "--shell", window}).split(u'\n')) {
        const QString value = line.section(u'=', 1);
        if (line.startsWith("X="))
            result.x = value.toInt();
        else if (line.startsWith("Y="))
            result.y = value.toInt();
        else if (line.startsWith("WIDTH="))
            result.width = value.toInt();
        else if (line.startsWith("HEIGHT="))
            result.height = value.toInt();
    }
    return result;
}

void Desktop::focus(const QString& window) {
    xdotool({"windowfocus", window});
}

// No --sync: this xdotool waits long for a pointer that is already in place.
// The server handles the move and the click of one request stream in order.
void Desktop::click(const QString& window, Point at) {
    xdotool({"mousemove", "--window", window, QString::number(at.x), QString::number(at.y), "click",
             "1"});
}

void Desktop::type(const QString& text) {
    xdotool({"type", "--delay", "30", text});
}

void Desktop::keys(const QStringList& keys) {
    xdotool(QStringList{"key", "--delay", "30"} + keys);
}

void Desktop::closeWindow(const QString& window) {
    bool ok = false;
    const Window id = window.toULong(&ok);
    if (!ok)
        fail("no window id: " + window);
    Display* connection = XOpenDisplay(display_.toLatin1().constData());
    if (connection == nullptr)
        fail("cannot open the display " + display_);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = id;
    event.xclient.message_type = XInternAtom(connection, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(connection, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(connection, id, False, NoEventMask, &event);
    XFlush(connection);
    XCloseDisplay(connection);
}

void Desktop::screenshot(const QString& window, const QString& pngPath) {
    const Geometry area = geometry(window);
    QTemporaryDir folder;
    const QString dump = folder.filePath("screen.xwd");
    runTool(QStringLiteral(QUORVANE_XWD), {"-root", "-display", display_, "-out", dump});
    runTool(QStringLiteral(QUORVANE_CONVERT),
            {"xwd:" + dump, "-crop",
             QString("%1x%2+%3+%4").arg(area.width).arg(area.height).arg(area.x).arg(area.y),
             "+repage", "png:" + pngPath});
}
