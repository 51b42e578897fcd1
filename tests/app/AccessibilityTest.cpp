#include "tests/app/MainWindowFixture.h"

#include <QAccessible>
#include <QPushButton>
#include <algorithm>

namespace {
struct Spoken {
    const char* control;
    QString name;
    QString description;
};

// What a screen reader says for each control: the label beside a box, the
// caption of a button, and the group for the two buttons captioned "Set".
const Spoken spoken[] = {
    {"Edit111", QStringLiteral("MMSI"), {}},
    {"Edit121", QStringLiteral("Callsign"), {}},
    {"Edit122", QStringLiteral("Ship Name"), {}},
    {"ComboBox123", QStringLiteral("Ship Type"), {}},
    {"Edit131", QStringLiteral("A"), {}},
    {"Edit132", QStringLiteral("B"), {}},
    {"Edit133", QStringLiteral("C"), {}},
    {"Edit134", QStringLiteral("D"), {}},
    {"ComboBox1", QStringLiteral("Serial Port"), {}},
    {"Button111", QStringLiteral("Set"), QStringLiteral("MMSI")},
    {"Button121", QStringLiteral("Set"), QStringLiteral("Vessel Data")},
    {"Button122", QStringLiteral("Clear"), {}},
    {"Button123", QStringLiteral("Read Data"), {}},
    {"Button1", QStringLiteral("Connect"), {}},
};

class AccessibilityTest : public MainWindowTest {
protected:
    QString read(const char* control, QAccessible::Text text) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(Control(QString::fromLatin1(control)));
        return accessible ? accessible->text(text) : QStringLiteral("<no interface>");
    }
};

TEST_F(AccessibilityTest, ControlsAreNamedAfterTheirLabelsAndCaptions) {
    for (const Spoken& entry : spoken) {
        SCOPED_TRACE(entry.control);
        EXPECT_EQ(read(entry.control, QAccessible::Name), entry.name);
        EXPECT_EQ(read(entry.control, QAccessible::Description), entry.description);
    }
}

// On Linux Qt names an editable list by its text and leaves the label to the
// "labelled by" relation (beside the group box, which labels what it holds), so that relation is
// what names the baud rate box there.
TEST_F(AccessibilityTest, BoxesAndListsAreLabelledByTheLabelBesideThem) {
    const std::pair<const char*, const char*> labelled[] = {
        {"Edit111", "Label111"}, {"Edit121", "Label121"},     {"Edit122", "Label122"},
        {"Edit131", "Label131"}, {"Edit132", "Label132"},     {"Edit133", "Label133"},
        {"Edit134", "Label134"}, {"ComboBox123", "Label123"}, {"ComboBox1", "Label1"},
        {"ComboBox2", "Label2"},
    };
    for (const auto& [control, label] : labelled) {
        SCOPED_TRACE(control);
        const auto relations =
            QAccessible::queryAccessibleInterface(Control(QString::fromLatin1(control)))
                ->relations(QAccessible::Label);
        QObject* expected = Control(QString::fromLatin1(label));
        EXPECT_TRUE(std::any_of(relations.begin(), relations.end(), [&](const auto& relation) {
            return relation.first->object() == expected;
        }));
    }
    EXPECT_EQ(form.ComboBox2->accessibleName(), QStringLiteral("Baudrate"));
}

TEST_F(AccessibilityTest, ConnectButtonNameFollowsItsCaption) {
    form.Button1->setText(QStringLiteral("Disconnect"));
    EXPECT_EQ(read("Button1", QAccessible::Name), QStringLiteral("Disconnect"));
}
} // namespace
