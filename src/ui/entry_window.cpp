#include "ui/entry_window.h"

#include "ui/error_reporter.h"
#include "ui/guarded_connect.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/standard_questions.h"
#include "ui/tab_order.h"
#include "ui/twips.h"
#include "ui/window_geometry.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int CaptionHeight = 280;
constexpr int CaptionAboveGap = 300; // from the caption's top to the box's top
constexpr int CaptionLeftWidth = 1300;
constexpr int CaptionLeftGap = 40;
} // namespace

EntryWindow::EntryWindow(RunState& state, const QString& objectName, const QString& title, int widthTwips,
                         int heightTwips, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state) {
    setObjectName(objectName);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(QStringLiteral("Times New Roman"), 10));
    WindowGeometry::setClientSize(this, widthTwips, heightTwips);
    setFixedSize(size());
}

void EntryWindow::centreOn(int screenWidthTwips, int screenHeightTwips) {
    WindowGeometry::centre(this, screenWidthTwips, screenHeightTwips);
}

QLabel* EntryWindow::addTitleLabel(const QString& caption, int topTwips, int heightTwips) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("LblFormTitle"));
    label->setFont(QFont(QStringLiteral("Times New Roman"), 16, QFont::Bold));
    label->setAlignment(Qt::AlignCenter);
    WindowGeometry::place(label, 120, topTwips, Twips::fromPixels(width()) - 240, heightTwips);
    return label;
}

QLabel* EntryWindow::addCaption(const QString& caption, QRect twips) {
    auto* label = new QLabel(caption, this);
    WindowGeometry::place(label, twips.x(), twips.y(), twips.width(), twips.height());
    return label;
}

QLabel* EntryWindow::placeCaption(const QString& caption, QRect boxTwips, CaptionAt at) {
    if (at == CaptionAt::Above)
        return addCaption(caption,
                          QRect(boxTwips.x(), boxTwips.y() - CaptionAboveGap, boxTwips.width(), CaptionHeight));
    return addCaption(caption, QRect(boxTwips.x() - CaptionLeftGap - CaptionLeftWidth, boxTwips.y() + 45,
                                     CaptionLeftWidth, 300));
}

QLineEdit* EntryWindow::addTextBox(const QString& objectName, const QString& caption, QRect boxTwips, int maxLength,
                                   CaptionAt at) {
    QLabel* label = placeCaption(caption, boxTwips, at);
    auto* box = new QLineEdit(this);
    label->setBuddy(box);
    box->setObjectName(objectName);
    box->setMaxLength(maxLength);
    box->setAccessibleName(caption);
    WindowGeometry::place(box, boxTwips.x(), boxTwips.y(), boxTwips.width(), boxTwips.height());
    return box;
}

QComboBox* EntryWindow::addComboBox(const QString& objectName, const QString& caption, QRect boxTwips,
                                    CaptionAt at) {
    QLabel* label = placeCaption(caption, boxTwips, at);
    auto* box = new QComboBox(this);
    label->setBuddy(box);
    box->setObjectName(objectName);
    box->setAccessibleName(caption);
    WindowGeometry::place(box, boxTwips.x(), boxTwips.y(), boxTwips.width(), boxTwips.height());
    return box;
}

QPushButton* EntryWindow::addSubmitButton(const QString& objectName, const QString& caption, QRect twips) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    WindowGeometry::place(button, twips.x(), twips.y(), twips.width(), twips.height());
    connectGuarded(m_state.messages, button, &QPushButton::clicked, this, &EntryWindow::CmdSubmit_Click);
    m_keys.add(button, nullptr);
    return button;
}

QPushButton* EntryWindow::addCancelButton(QRect twips) {
    auto* button = new QPushButton(QStringLiteral("Cancel"), this);
    button->setObjectName(QStringLiteral("CmdCancel"));
    WindowGeometry::place(button, twips.x(), twips.y(), twips.width(), twips.height());
    connectGuarded(m_state.messages, button, &QPushButton::clicked, this, &EntryWindow::CmdCancel_Click);
    m_keys.add(nullptr, button);
    return button;
}

QString EntryWindow::saveQuestion() const { return StandardQuestions::saveText(); }

bool EntryWindow::Validate_Input() {
    const QString error = validationError();
    if (error.isEmpty())
        return true;
    m_state.messages.notice(QStringLiteral("Submit Error"), error);
    return false;
}

bool EntryWindow::refuse(const QString& text) {
    m_state.messages.notice(Messages::appTitle(), text);
    return false;
}

bool EntryWindow::storeRecord(const std::function<bool()>& write, const QString& goneTitle, const QString& goneText) {
    bool stored = false;
    if (!runReportingErrors(m_state.messages, [&] { stored = write(); }))
        return false;
    if (!stored)
        m_state.messages.notice(goneTitle, goneText);
    return stored;
}

void EntryWindow::CmdSubmit_Click() {
    if (!m_state.messages.ask(Messages::confirmTitle(), saveQuestion()))
        return;
    if (Validate_Input() && Store_Input())
        close();
}

bool EntryWindow::Query_Close() {
    activateWindow();
    return StandardQuestions::confirmCancel(m_state.messages);
}

// Cancel asks what closing from outside asks: a window with nothing to lose asks nothing.
void EntryWindow::CmdCancel_Click() {
    if (Query_Close())
        close();
}

bool EntryWindow::runOwnDialog(const std::function<void()>& dialog) {
    ++m_ownDialogs;
    dialog();
    --m_ownDialogs;
    if (!m_closedUnderDialog)
        return true;
    if (m_ownDialogs == 0 && m_deleteAfterDialog)
        deleteLater();
    return false;
}

// Deleted under a running picker, the window would take the picker (its child) with it
// while the code that waits for the picker still runs on both.
void EntryWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!event->isAccepted())
        return;
    if (m_ownDialogs > 0) {
        m_closedUnderDialog = true;
        m_deleteAfterDialog = m_deleteAfterDialog || testAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_DeleteOnClose, false);
        for (QDialog* picker : findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
            if (picker->isVisible())
                picker->reject();
    }
    emit closed();
}

void EntryWindow::showEvent(QShowEvent* event) {
    if (m_tabsFollowLayout) {
        TabOrder::followLayout(this);
        m_tabsFollowLayout = false;
    }
    QWidget::showEvent(event);
}

void EntryWindow::keyPressEvent(QKeyEvent* event) {
    if (!m_keys.handle(event))
        QWidget::keyPressEvent(event);
}
