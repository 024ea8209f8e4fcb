#include "startup/frm_main.h"

#include "database/divisions.h"
#include "startup/activity_catalog.h"
#include "startup/frm_settings.h"
#include "startup/frm_utilities.h"
#include "ui/guarded_connect.h"
#include "ui/run_state.h"
#include "ui/clickable_label.h"
#include "ui/entry_window.h"
#include "ui/messages.h"
#include "ui/sub_windows.h"
#include "ui/twips.h"
#include "ui/window_geometry.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
const QColor LightGrey(0xC0, 0xC0, 0xC0);
const QColor DarkGrey(0x80, 0x80, 0x80);
const QColor LinkText(0x40, 0x40, 0x40);

constexpr int ClientWidth = 11685;
constexpr int ClientHeight = 8280;
constexpr int ActivityLeft = 3070;
constexpr int ActivityTop = 1620;
constexpr int ActivityWidth = 8625;
constexpr int ActivityHeight = 6405;

constexpr int PanelLeft = 120;
constexpr int ButtonWidth = 2700;
constexpr int ButtonHeight = 450;
constexpr int ButtonStep = 540;
constexpr int ActivityIndent = 240;

const char* const MenuButtonNames[] = {"CmdAdmin", "CmdMeetSetup", "CmdEntryBooth", "CmdReports"};
const char* const PanelNames[] = {"FraMainMenu", "FraAdmin", "FraMeetSetup", "FraEntryBooth", "FraReports"};

void setButtonColour(QPushButton* button, const QColor& colour) {
    WindowGeometry::setColours(button, colour, colour == DarkGrey ? Qt::white : Qt::black);
}
} // namespace

FrmMain::FrmMain(RunState& state, ActivityFactory factory, QWidget* parent)
    : QWidget(parent), m_state(state), m_factory(std::move(factory)) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Main"));
    setFont(QFont(QStringLiteral("Times New Roman"), 10));
    WindowGeometry::setClientSize(this, ClientWidth, ClientHeight);
    setFixedSize(size());
    buildHeader();
    buildPanels();
    Form_Initialize();
    WindowGeometry::centre(this, m_state.ScreenWidth, m_state.ScreenHeight, 200);
    m_state.host = this;
}

FrmMain::~FrmMain() {
    delete m_settings;
    if (m_state.host == this)
        m_state.host = nullptr;
}

void FrmMain::buildHeader() {
    m_ShpHeader = new QFrame(this);
    m_ShpHeader->setObjectName(QStringLiteral("ShpHeader"));
    m_ShpHeader->setFrameShape(QFrame::Box);
    WindowGeometry::place(m_ShpHeader, 120, 120, ClientWidth - 240, 900);

    m_LblTitle = new QLabel(this);
    m_LblTitle->setObjectName(QStringLiteral("LblTitle"));
    m_LblTitle->setFont(QFont(QStringLiteral("Times New Roman"), 22, QFont::Bold));
    WindowGeometry::place(m_LblTitle, 360, 240, 7800, 660);

    // Where the meet lives: with stations sharing a server, which meet this window works on.
    m_LblMeetLocation = new QLabel(this);
    m_LblMeetLocation->setObjectName(QStringLiteral("LblMeetLocation"));
    m_LblMeetLocation->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    WindowGeometry::place(m_LblMeetLocation, ActivityLeft, 1140, ClientWidth - ActivityLeft - 60, 330);
    const QString where = QStringLiteral("Meet: ") + m_state.meetLocation().description();
    m_LblMeetLocation->setText(
        m_LblMeetLocation->fontMetrics().elidedText(where, Qt::ElideMiddle, m_LblMeetLocation->width()));
    m_LblMeetLocation->setToolTip(where);
    m_LblMeetLocation->setAccessibleName(where);

    m_LblSettings = new ClickableLabel(QStringLiteral("Settings"), this);
    m_LblSettings->setObjectName(QStringLiteral("LblSettings"));
    m_LblUtilities = new ClickableLabel(QStringLiteral("Utilities"), this);
    m_LblUtilities->setObjectName(QStringLiteral("LblUtilities"));
    int left = 9240;
    for (ClickableLabel* link : {m_LblSettings, m_LblUtilities}) {
        link->setAlignment(Qt::AlignCenter);
        WindowGeometry::setColours(link, LightGrey, LinkText);
        WindowGeometry::place(link, left, 420, 1020, 300);
        left += 1140;
    }
    m_LblSettings->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    m_LblUtilities->setShortcut(QKeySequence(Qt::ALT | Qt::Key_U));
    connectGuarded(m_state.messages, m_LblSettings, &ClickableLabel::clicked, this, &FrmMain::LblSettings_Click);
    connectGuarded(m_state.messages, m_LblUtilities, &ClickableLabel::clicked, this, &FrmMain::LblUtilities_Click);

    auto* divisionLabel = new QLabel(QStringLiteral("Division"), this);
    divisionLabel->setObjectName(QStringLiteral("LblDivision"));
    WindowGeometry::place(divisionLabel, PanelLeft + 120, 1140, 900, 330);
    m_CbDivision = new QComboBox(this);
    m_CbDivision->setObjectName(QStringLiteral("CbDivision"));
    m_CbDivision->setAccessibleName(QStringLiteral("Division"));
    divisionLabel->setBuddy(m_CbDivision);
    WindowGeometry::place(m_CbDivision, PanelLeft + 1020, 1110, 1200, 360);
    connectGuarded(m_state.messages, m_CbDivision, &QComboBox::activated, this, &FrmMain::CbDivision_Click);

    auto* activityArea = new QFrame(this);
    activityArea->setObjectName(QStringLiteral("ShpActivityArea"));
    activityArea->setFrameShape(QFrame::StyledPanel);
    WindowGeometry::place(activityArea, ActivityLeft, ActivityTop, ClientWidth - ActivityLeft - 60, ActivityHeight);
}

QPushButton* FrmMain::makeButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::TabFocus);
    setButtonColour(button, LightGrey);
    return button;
}

// Each panel stacks the four menu buttons; on a menu's own panel its button is dark and
// its activity buttons stand, indented, right below it.
void FrmMain::buildPanels() {
    for (int panel = 0; panel <= 4; ++panel) {
        QFrame* frame = new QFrame(this);
        frame->setObjectName(QString::fromLatin1(PanelNames[panel]));
        m_panels[panel] = frame;
        WindowGeometry::place(frame, PanelLeft, ActivityTop, ActivityLeft - PanelLeft - 120, ActivityHeight);
        int top = 0;
        for (int menu = 1; menu <= 4; ++menu) {
            QPushButton* button = makeButton(QStringLiteral("%1_%2").arg(QLatin1String(MenuButtonNames[menu - 1])).arg(panel),
                                             ActivityCatalog::menuCaption(menu), frame);
            WindowGeometry::place(button, 0, top, ButtonWidth, ButtonHeight);
            if (menu == panel)
                setButtonColour(button, DarkGrey);
            connectGuarded(m_state.messages, button, &QPushButton::clicked, this, [this, menu] { Show_Menu(menu); });
            top += ButtonStep;
            if (menu != panel)
                continue;
            for (int n : ActivityCatalog::ofMenu(menu)) {
                QPushButton* activity =
                    makeButton(QStringLiteral("CmdActivity_%1").arg(n), ActivityCatalog::get(n).caption, frame);
                WindowGeometry::place(activity, ActivityIndent, top, ButtonWidth - ActivityIndent, ButtonHeight);
                connectGuarded(m_state.messages, activity, &QPushButton::clicked, this, [this, n] { Select_Activity(n); });
                m_CmdActivity[n] = activity;
                top += ButtonStep;
            }
        }
    }
}

FrmSettings* FrmMain::settingsWindow() const { return m_settings.data(); }

QString FrmMain::divisionText() const { return m_CbDivision->currentIndex() < 0 ? QString() : m_CbDivision->currentText(); }

void FrmMain::Form_Initialize() {
    m_LblTitle->setText(QStringLiteral("Region ") + m_state.CurrentRegion + QStringLiteral(" Data Tracker"));
    for (int panel = 0; panel <= 4; ++panel)
        m_panels[panel]->setVisible(panel == 0);
    m_CbDivision->clear();
    m_CbDivision->addItems(Divisions::letters());
    m_CbDivision->setCurrentIndex(-1);
    m_currentMenu = 0;
    m_currentActivity = 0;
}

void FrmMain::Show_Menu(int menu) {
    if (m_currentActivity != 0 && !Activity_May_Close())
        return;
    // The keyboard stays on the menu's button, which stands on the panel shown next.
    const int shownPanel = menu != m_currentMenu ? menu : 0;
    const bool keyboardOnPanel = m_panels[m_currentMenu]->isAncestorOf(focusWidget());
    if (menu != m_currentMenu) {
        m_panels[m_currentMenu]->hide();
        m_panels[menu]->show();
        Select_Activity(m_panelTags[menu].toInt());
        m_currentMenu = menu;
    } else {
        m_panels[menu]->hide();
        m_panels[0]->show();
        Select_Activity(0);
        m_currentMenu = 0;
    }
    if (keyboardOnPanel)
        if (auto* button = m_panels[shownPanel]->findChild<QPushButton*>(
                QStringLiteral("%1_%2").arg(QLatin1String(MenuButtonNames[menu - 1])).arg(shownPanel)))
            button->setFocus(Qt::OtherFocusReason);
}

void FrmMain::Select_Activity(int n) {
    if (n == m_currentActivity) {
        if (n == 0 || !Activity_May_Close())
            return;
        paintActivityButton(n, false);
        Unload_Activity();
        m_panelTags[ActivityCatalog::get(n).menu] = QStringLiteral("0");
        m_currentActivity = 0;
        return;
    }
    if (n != 0 && ActivityCatalog::get(n).needsDivision && !Division_Selected())
        return;
    if (m_currentActivity != 0 && !Activity_May_Close())
        return;
    if (m_currentActivity != 0) {
        paintActivityButton(m_currentActivity, false);
        Unload_Activity();
    }
    if (n != 0)
        paintActivityButton(n, true);
    m_currentActivity = n;
    if (n != 0) {
        m_panelTags[ActivityCatalog::get(n).menu] = QString::number(n);
        Open_Activity(n);
    }
}

// The open activity's windows with input ask their cancel question first.
bool FrmMain::Activity_May_Close() { return !m_activityWindow || m_activityWindow->Query_Unload(); }

bool FrmMain::Division_Selected() {
    if (m_CbDivision->currentIndex() >= 0)
        return true;
    m_state.messages.notice(Messages::appTitle(),
                            QStringLiteral("You must select a division before you can use this option"));
    return false;
}

void FrmMain::Open_Activity(int n) {
    const Activity& activity = ActivityCatalog::get(n);
    ActivityWindow* window = m_factory(n, m_state, this);
    if (!window)
        return;
    window->setObjectName(window->objectName().isEmpty() ? QStringLiteral("Activity_%1").arg(n) : window->objectName());
    m_activityWindow = window;
    Position_Activity();
    if (activity.takesDivision)
        window->Set_Division(divisionText());
    window->show();
    window->raise();
    window->unsetCursor();
    if (activity.loadsReport && m_activityWindow)
        window->Load_Report();
}

void FrmMain::Position_Activity() {
    if (m_activityWindow)
        WindowGeometry::place(m_activityWindow, ActivityLeft, ActivityTop, ActivityWidth, ActivityHeight);
}

void FrmMain::Unload_Activity() {
    if (!m_activityWindow)
        return;
    ActivityWindow* window = m_activityWindow;
    m_activityWindow = nullptr;
    window->hide();
    // Deferred: the activity may be closing itself from one of its own handlers.
    window->deleteLater();
}

void FrmMain::paintActivityButton(int n, bool selected) {
    setButtonColour(m_CmdActivity[n], selected ? DarkGrey : LightGrey);
}

void FrmMain::Close_Current_Activity() { Select_Activity(m_currentActivity); }

void FrmMain::CbDivision_Click() {
    if (m_currentActivity != 0 && ActivityCatalog::get(m_currentActivity).takesDivision && m_activityWindow)
        m_activityWindow->Set_Division(divisionText());
}

void FrmMain::LblSettings_Click() {
    // The settings close the open activity; its windows with input are asked first.
    if (!Activity_May_Close())
        return;
    WindowGeometry::setColours(m_LblSettings, DarkGrey, LinkText);
    Open_Settings();
    setEnabled(false);
}

FrmSettings* FrmMain::Open_Settings() {
    // Not a child: disabling the main window must not disable the settings window.
    m_settings = new FrmSettings(m_state);
    connectGuarded(m_state.messages, m_settings.data(), &EntryWindow::closed, this, &FrmMain::Settings_Closed);
    SubWindows::showOwned(m_settings, this);
    m_settings->unsetCursor();
    return m_settings;
}

void FrmMain::Settings_Closed() {
    if (m_closing)
        return;
    Form_Initialize();
    show();
    unsetCursor();
    setEnabled(true);
    WindowGeometry::setColours(m_LblSettings, LightGrey, LinkText);
}

void FrmMain::LblUtilities_Click() {
    WindowGeometry::setColours(m_LblUtilities, DarkGrey, palette().color(QPalette::WindowText));
    const QPoint below = mapToGlobal(QPoint(m_LblUtilities->x() + Twips::toPixels(60),
                                            m_ShpHeader->y() + m_ShpHeader->height() + Twips::toPixels(400)));
    if (!m_utilities) {
        m_utilities = new FrmUtilities(m_state, this);
        connectGuarded(m_state.messages, m_utilities.data(), &FrmUtilities::closed, this, &FrmMain::Utilities_Closed);
    }
    m_utilities->popup(below);
    m_utilities->setActiveAction(m_utilities->actions().value(0)); // the keyboard starts on the first entry
}

void FrmMain::Utilities_Closed() { WindowGeometry::setColours(m_LblUtilities, LightGrey, LinkText); }

void FrmMain::keyPressEvent(QKeyEvent* event) {
    if (!m_keys.handle(event))
        QWidget::keyPressEvent(event);
}

// The windows the main window owns close before it, and before the meet database: each
// with input asks its cancel question first, and one "No" keeps the program open.
void FrmMain::closeEvent(QCloseEvent* event) {
    const QList<QWidget*> owned = SubWindows::ownedBy(this);
    for (QWidget* window : owned) {
        auto* entry = qobject_cast<EntryWindow*>(window);
        if (entry && !entry->Query_Close()) {
            event->ignore();
            return;
        }
    }
    m_closing = true;
    for (QWidget* window : owned)
        window->close();
    if (m_currentActivity != 0)
        Close_Current_Activity();
    m_state.MeetDb.close();
    QWidget::closeEvent(event);
}
