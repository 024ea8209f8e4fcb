#pragma once

#include "startup/activity_catalog.h"
#include "startup/activity_windows.h"
#include "ui/activity_host.h"
#include "ui/activity_window.h"
#include "ui/key_buttons.h"

#include <QPointer>
#include <QWidget>
#include <array>

class ClickableLabel;
class FrmSettings;
class FrmUtilities;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class RunState;

// The main window: region title, division chooser, four menu panels with their activity
// buttons, and the one open activity window placed over its right-hand part.
class FrmMain : public QWidget, public ActivityHost {
    Q_OBJECT
public:
    FrmMain(RunState& state, ActivityFactory factory = createActivityWindow, QWidget* parent = nullptr);
    ~FrmMain() override;

    int CurrentMenu() const { return m_currentMenu; }
    int CurrentActivity() const override { return m_currentActivity; }
    void setHostEnabled(bool enabled) override { setEnabled(enabled); }
    QWidget* hostWindow() override { return this; }
    ActivityWindow* activityWindow() const { return m_activityWindow; }
    QString panelTag(int menu) const { return m_panelTags.at(menu); }
    QString divisionText() const;
    FrmSettings* settingsWindow() const;

    // Opens the region settings window, which the main window keeps and closes with itself.
    FrmSettings* Open_Settings();

public slots:
    void Form_Initialize();
    void Close_Current_Activity() override;
    void Show_Menu(int menu);
    void Select_Activity(int n);
    void CbDivision_Click();
    void LblSettings_Click();
    void LblUtilities_Click();
    // Runs when the settings window closes.
    void Settings_Closed();
    // Runs when the utilities menu closes.
    void Utilities_Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildHeader();
    void buildPanels();
    QPushButton* makeButton(const QString& objectName, const QString& caption, QWidget* parent);
    bool Division_Selected();
    bool Activity_May_Close();
    void Open_Activity(int n);
    void Unload_Activity();
    void Position_Activity();
    void paintActivityButton(int n, bool selected);

    RunState& m_state;
    ActivityFactory m_factory;
    int m_currentMenu = 0;
    int m_currentActivity = 0;
    bool m_closing = false;
    std::array<QString, 5> m_panelTags{"0", "0", "0", "0", "0"};
    QPointer<ActivityWindow> m_activityWindow;
    QPointer<FrmSettings> m_settings;
    QPointer<FrmUtilities> m_utilities;
    KeyButtons m_keys{this}; // Enter presses the focused button

    QFrame* m_ShpHeader = nullptr;
    QLabel* m_LblTitle = nullptr;
    QLabel* m_LblMeetLocation = nullptr;
    QComboBox* m_CbDivision = nullptr;
    ClickableLabel* m_LblSettings = nullptr;
    ClickableLabel* m_LblUtilities = nullptr;
    std::array<QFrame*, 5> m_panels{};
    std::array<QPushButton*, ActivityCatalog::Count + 1> m_CmdActivity{}; // by activity number
};
