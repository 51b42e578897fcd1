#include "tests/e2e/Desktop.h"
#include "tests/e2e/Processes.h"
#include "tests/e2e/Sentences.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const QString mainTitle = QStringLiteral("Quorvane Ver 1.00");
const QString warningTitle = QStringLiteral("Warning");
const QString informationTitle = QStringLiteral("Information");

// Client-area points at the middle of a control: the origin of its container
// plus the control's left, top and half its size.
constexpr Point centre(Point origin, int left, int top, int width, int height) {
    return {origin.x + left + width / 2, origin.y + top + height / 2};
}

constexpr Point panel1{0, 59};
constexpr Point panel2{0, 354};
constexpr Point groupBox11{panel1.x + 5, panel1.y + 3};
constexpr Point groupBox12{panel1.x + 5, panel1.y + 71};

constexpr Point portList = centre(panel2, 83, 5, 214, 26);           // ComboBox1
constexpr Point connectButton = centre(panel2, 481, 5, 115, 26);     // Button1
constexpr Point mmsiBox = centre(groupBox11, 94, 24, 121, 26);       // Edit111
constexpr Point mmsiSet = centre(groupBox11, 259, 20, 109, 30);      // Button111
constexpr Point callSignBox = centre(groupBox12, 94, 36, 121, 26);   // Edit121
constexpr Point shipNameBox = centre(groupBox12, 94, 76, 270, 26);   // Edit122
constexpr Point shipTypeList = centre(groupBox12, 94, 116, 274, 26); // ComboBox123
constexpr Point distanceA = centre(groupBox12, 412, 36, 41, 26);     // Edit131
constexpr Point distanceB = centre(groupBox12, 412, 76, 41, 26);     // Edit132
constexpr Point distanceC = centre(groupBox12, 412, 116, 41, 26);    // Edit133
constexpr Point distanceD = centre(groupBox12, 412, 156, 41, 26);    // Edit134
constexpr Point clearButton = centre(groupBox12, 3, 180, 109, 30);   // Button122
constexpr Point readButton = centre(groupBox12, 118, 180, 109, 30);  // Button123
constexpr Point shipSet = centre(groupBox12, 259, 180, 109, 30);     // Button121

std::string text(const QByteArray& bytes) {
    return bytes.toStdString();
}

class Session : public testing::Test {
protected:
    // The unit with the given stored data, then the program, and its window found.
    void start(const QStringList& storedData = {}) {
        unit = std::make_unique<SimulatedUnit>(runtime, storedData);
        program = std::make_unique<Program>(runtime, desktop.display());
        const auto found = desktop.waitForWindow(mainTitle);
        ASSERT_TRUE(found) << "no window \"" << mainTitle.toStdString() << "\"";
        window = *found;
        const Geometry area = desktop.geometry(window);
        ASSERT_EQ(area.width, 599);
        ASSERT_EQ(area.height, 394);
        desktop.focus(window);
    }

    // Opening the port list fills it; the simulated unit is picked by typing
    // the start of its name in the opened list.
    void choosePort() {
        desktop.click(window, portList);
        desktop.type("Simulated");
        desktop.keys({"Return"});
    }

    // The transcript grows to `expected` and holds exactly that.
    void expectTranscript(const QByteArray& expected) {
        EXPECT_EQ(text(unit->waitForTranscript(expected)), text(expected));
    }

    // Alt+Y in a confirmation other than `previous`; returns its window.
    QString answerYes(const QString& previous = {}) {
        const auto dialog = desktop.waitForWindow(warningTitle, previous);
        if (!dialog) {
            ADD_FAILURE() << "no confirmation \"" << warningTitle.toStdString() << "\"";
            return {};
        }
        desktop.focus(*dialog);
        desktop.keys({"alt+y"});
        return *dialog;
    }

    void acknowledgeInformation() {
        const auto dialog = desktop.waitForWindow(informationTitle);
        ASSERT_TRUE(dialog) << "no dialog \"" << informationTitle.toStdString() << "\"";
        desktop.focus(*dialog);
        desktop.keys({"Return"});
        ASSERT_TRUE(desktop.waitUntilGone(informationTitle));
    }

    void closeAndExpectCleanExit() {
        desktop.closeWindow(window);
        ASSERT_TRUE(program->waitForExit()) << "the program still runs after its window closed";
        EXPECT_EQ(program->exitStatus(), QProcess::NormalExit) << program->output().toStdString();
        EXPECT_EQ(program->exitCode(), 0) << program->output().toStdString();
    }

    RuntimeFolder runtime;
    Desktop desktop;
    std::unique_ptr<SimulatedUnit> unit;
    std::unique_ptr<Program> program;
    QString window;
};

TEST_F(Session, OperatorProgramsTheUnitFromConnectToClose) {
    ASSERT_NO_FATAL_FAILURE(start());

    // Connect: the start-up configuration, then the data read twice.
    choosePort();
    desktop.click(window, connectButton);
    QByteArray expected = connectSequence(0);
    ASSERT_EQ(text(unit->waitForTranscript(expected)), text(expected));

    // Read Data: six queries, no dialog.
    desktop.click(window, readButton);
    expected += readBack() + readBack();
    expectTranscript(expected);
    desktop.screenshot(window, QStringLiteral(QUORVANE_SCREENSHOT));

    // The MMSI, confirmed twice; the read-back follows the information dialog.
    desktop.click(window, mmsiBox);
    desktop.type("412345678");
    desktop.click(window, mmsiSet);
    const QString firstConfirmation = answerYes();
    answerYes(firstConfirmation);
    acknowledgeInformation();
    expected += withChecksum("$PSMT,0,0,0,0,set_mmsi 412345678,0") + readBack();
    expectTranscript(expected);
    EXPECT_EQ(unit->waitForState("mmsi", "412345678").value("mmsi"), "412345678");

    // The unit reports the stored MMSI: box and button are locked, so a second
    // attempt sends nothing (the next transcript check would show it).
    desktop.click(window, mmsiBox);
    desktop.type("987654321");
    desktop.click(window, mmsiSet);

    // Clear empties the ship data boxes and sends nothing; then the new data
    // is typed (letters in lower case become capitals) and the type picked
    // ten rows below the default row "37 : Vessel- Pleasure craft".
    desktop.click(window, clearButton);
    desktop.click(window, callSignBox);
    desktop.type("ja1xyz");
    desktop.click(window, shipNameBox);
    desktop.type("sea breeze");
    desktop.click(window, distanceA);
    desktop.type("120");
    desktop.click(window, distanceB);
    desktop.type("15");
    desktop.click(window, distanceC);
    desktop.type("7");
    desktop.click(window, distanceD);
    desktop.type("8");
    desktop.click(window, shipTypeList);
    desktop.keys(
        {"Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Return"});
    desktop.click(window, shipSet);
    acknowledgeInformation();
    expected += withChecksum("$U0SSD,JA1XYZ,SEA BREEZE,120,15,7,8,,AI") +
                withChecksum("$U0VSD,70,,,,,,,,") + readBack();
    expectTranscript(expected);
    const auto stored = unit->waitForState("shiptype", "70");
    EXPECT_EQ(stored.value("mmsi"), "412345678");
    EXPECT_EQ(stored.value("callsign"), "JA1XYZ");
    EXPECT_EQ(stored.value("name"), "SEA BREEZE");
    EXPECT_EQ(stored.value("a"), "120");
    EXPECT_EQ(stored.value("b"), "15");
    EXPECT_EQ(stored.value("c"), "7");
    EXPECT_EQ(stored.value("d"), "8");
    EXPECT_EQ(stored.value("shiptype"), "70");

    // Disconnect sends nothing; closing the window ends the program cleanly.
    desktop.click(window, connectButton);
    EXPECT_TRUE(desktop.waitUntilGone(warningTitle)) << "a warning is left open";
    ASSERT_NO_FATAL_FAILURE(closeAndExpectCleanExit());
    EXPECT_EQ(text(unit->transcript()), text(expected));
}

TEST_F(Session, StoredMmsiStaysLockedAcrossReconnectAndCloseWhileConnected) {
    ASSERT_NO_FATAL_FAILURE(start({"--mmsi", "431000123"}));

    choosePort();
    desktop.click(window, connectButton);
    QByteArray expected = connectSequence(0);
    ASSERT_EQ(text(unit->waitForTranscript(expected)), text(expected));

    // Once the read-back has reported the stored MMSI, Set of the MMSI group
    // takes no click: no confirmation, nothing sent.
    desktop.click(window, readButton);
    expected += readBack() + readBack();
    expectTranscript(expected);
    desktop.click(window, mmsiBox);
    desktop.type("412345678");
    desktop.click(window, mmsiSet);

    // Disconnect and connect again: the sequence counter goes on from the 17
    // sentences written so far.
    desktop.click(window, connectButton);
    desktop.click(window, connectButton);
    expected += connectSequence(17);
    expectTranscript(expected);
    EXPECT_TRUE(desktop.waitUntilGone(warningTitle)) << "a warning is left open";

    // Closing while connected asks nothing and ends the program; the unit
    // keeps its MMSI and has received nothing more.
    ASSERT_NO_FATAL_FAILURE(closeAndExpectCleanExit());
    EXPECT_EQ(text(unit->transcript()), text(expected));
    EXPECT_EQ(unit->state().value("mmsi"), "431000123");
}

} // namespace
