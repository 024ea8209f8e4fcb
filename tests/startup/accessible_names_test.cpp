#include "meet_fixture.h"
#include "seed.h"
#include "test_main.h"
#include "window_driver.h"

#include "entries/frm_class_assignments.h"
#include "exchange/frm_data_export.h"
#include "exchange/frm_data_import.h"
#include "judging/frm_judge.h"
#include "judging/frm_judge_assignments.h"
#include "registration/frm_assign_numbers.h"
#include "registration/frm_coach.h"
#include "registration/frm_rider.h"
#include "registration/frm_team.h"
#include "registration/registration_reports.h"
#include "results/frm_place_assign.h"
#include "startup/activity_catalog.h"
#include "startup/activity_windows.h"
#include "startup/frm_main.h"
#include "startup/frm_settings.h"
#include "startup/frm_utilities.h"
#include "ui/activity_window.h"

#include <QAccessible>
#include <QComboBox>
#include <QPointer>
#include <QTest>
#include <functional>

namespace {
// What a screen reader's user works with; each must say what it is.
bool isControl(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
        return true;
    default:
        return false;
    }
}

// Whose text is a value the user changes, not a caption.
bool holdsValue(QAccessible::Role role) {
    return role == QAccessible::ComboBox || role == QAccessible::EditableText || role == QAccessible::SpinBox;
}

// Every control in the accessibility tree under `node` that has no name, or whose name is
// only what it holds. The parts of a control (a combo box's list, a list's items) are its own.
void collectUnnamed(QAccessibleInterface* node, QStringList& faults) {
    const QAccessible::Role role = node->role();
    if (isControl(role)) {
        const QString name = node->text(QAccessible::Name);
        const QString value = holdsValue(role) ? node->text(QAccessible::Value) : QString();
        if (name.isEmpty() || (!value.isEmpty() && name == value))
            faults << QStringLiteral("%1 (role %2) is named \"%3\", holding \"%4\"")
                          .arg(node->object() ? node->object()->objectName() : QString())
                          .arg(int(role))
                          .arg(name, value);
        return;
    }
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            collectUnnamed(child, faults);
}

QStringList unnamedControls(QWidget* window) {
    QStringList faults;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), faults);
    return faults;
}

// A meet with something in every list: a team with a coach and two riders in the relay
// and class 1, a judge of both, and a placing.
void seedMeet(MeetFixture& meet) {
    const qint32 team = Seed::team(meet, "Lakeside", "B");
    Seed::coach(meet, team, "Cora", "Hale");
    const qint32 ann = Seed::rider(meet, team, "Ann", "Reed", 101);
    const qint32 bea = Seed::rider(meet, team, "Bea", "Lund", 102);
    Seed::entry(meet, ann, 1);
    Seed::entry(meet, ann, 17);
    Seed::pairing(meet, ann, bea);
    const qint32 judge = Seed::judge(meet, "Jo", "Marsh");
    Seed::assign(meet, judge, 1, "B");
    Seed::assign(meet, judge, 17, "B");
    Seed::placing(meet, judge, 1, "B", 1, ann);
}

using Opener = std::function<QWidget*(MeetFixture&, FrmMain&)>;

template <typename Window> Opener added() {
    return [](MeetFixture& meet, FrmMain&) -> QWidget* {
        auto* window = new Window(*meet.state);
        window->Initialize_Add();
        return window;
    };
}

const QList<std::pair<const char*, Opener>>& windows() {
    static const QList<std::pair<const char*, Opener>> all = {
        {"main window", [](MeetFixture&, FrmMain& main) -> QWidget* { return &main; }},
        {"settings", [](MeetFixture&, FrmMain& main) -> QWidget* { return main.Open_Settings(); }},
        {"utilities menu", [](MeetFixture& meet, FrmMain& main) -> QWidget* { return new FrmUtilities(*meet.state, &main); }},
        {"team", added<FrmTeam>()},
        {"rider", added<FrmRider>()},
        {"judge", added<FrmJudge>()},
        {"coach",
         [](MeetFixture& meet, FrmMain&) -> QWidget* {
             auto* window = new FrmCoach(*meet.state);
             window->Initialize_Add(1);
             return window;
         }},
        {"rider numbers", [](MeetFixture& meet, FrmMain&) -> QWidget* { return new FrmAssignNumbers(*meet.state); }},
        {"export", [](MeetFixture& meet, FrmMain&) -> QWidget* { return new FrmDataExport(*meet.state); }},
        {"import", [](MeetFixture& meet, FrmMain&) -> QWidget* { return new FrmDataImport(*meet.state); }},
        {"entry grid",
         [](MeetFixture& meet, FrmMain&) -> QWidget* {
             auto* window = new frmClassAssignments(*meet.state);
             window->InitializeForm(1);
             return window;
         }},
        {"judge grid",
         [](MeetFixture& meet, FrmMain&) -> QWidget* {
             auto* window = new FrmJudgeAssignments(*meet.state);
             window->InitializeForm("B");
             return window;
         }},
        {"class placings",
         [](MeetFixture& meet, FrmMain&) -> QWidget* {
             auto* window = new FrmPlaceAssign(*meet.state);
             window->InitializeForm("B", 17);
             return window;
         }},
        {"preview",
         [](MeetFixture& meet, FrmMain& main) -> QWidget* { return RegistrationReports::showRiderList(*meet.state, &main); }},
    };
    return all;
}
} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlSaysWhatItIs_data();
    void everyControlSaysWhatItIs();
    void aComboBoxKeepsItsNameWhateverItHolds();
};

void AccessibleNamesTest::everyControlSaysWhatItIs_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("activity");
    for (int i = 0; i < windows().size(); ++i)
        QTest::newRow(windows().at(i).first) << i << 0;
    for (int n = 1; n <= ActivityCatalog::Count; ++n)
        QTest::addRow("activity %d, %s", n, qPrintable(ActivityCatalog::get(n).caption)) << -1 << n;
}

// Each window of the program, as it opens, with lists filled: no control goes unnamed, and no
// box is named by what it holds.
void AccessibleNamesTest::everyControlSaysWhatItIs() {
    QFETCH(int, window);
    QFETCH(int, activity);
    MeetFixture meet;
    seedMeet(meet);
    FrmMain main(*meet.state);
    main.show();
    QPointer<QWidget> opened = activity > 0 ? createActivityWindow(activity, *meet.state, &main)
                                            : windows().at(window).second(meet, main);
    QVERIFY(opened);
    if (auto* activityWindow = qobject_cast<ActivityWindow*>(opened.data()))
        activityWindow->Set_Division("B");
    opened->show();
    const QStringList faults = unnamedControls(opened);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    VERIFY_MESSAGES(meet.messages);
    if (opened != &main)
        delete opened;
}

// The twenty place boxes read as their judge and place, not as "N/A" or a rider.
void AccessibleNamesTest::aComboBoxKeepsItsNameWhateverItHolds() {
    MeetFixture meet;
    seedMeet(meet);
    FrmPlaceAssign window(*meet.state);
    QVERIFY(window.InitializeForm("B", 1));
    QComboBox* first = window.placeList(1, 1);
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(first);
    QCOMPARE(box->text(QAccessible::Value), QString("101 - Ann Reed"));
    const QString name = box->text(QAccessible::Name);
    first->setCurrentIndex(0);
    QCOMPARE(box->text(QAccessible::Value), QString("N/A"));
    QCOMPARE(box->text(QAccessible::Name), name);
    QVERIFY2(name.contains("First Place") && name.contains("judge 1"), qPrintable(name));
}

CORRAVIN_TEST(AccessibleNamesTest)
#include "accessible_names_test.moc"
