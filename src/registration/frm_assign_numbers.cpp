#include "registration/frm_assign_numbers.h"

#include "database/db_exception.h"
#include "database/back_number.h"
#include "database/meet_backup.h"
#include "registration/numbering_data.h"
#include "registration/rider_data.h"
#include "registration/team_data.h"
#include "ui/guarded_connect.h"
#include "ui/run_state.h"
#include "ui/error_reporter.h"
#include "ui/keyed_entries.h"
#include "ui/messages.h"
#include "ui/window_geometry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {
constexpr int KeyRole = Qt::UserRole;
constexpr int FrameLeft = 5160;
constexpr int FrameTop = 1080;
constexpr int FrameWidth = 3960;
constexpr int FrameHeight = 3600;

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                       int width = 1560) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    WindowGeometry::place(button, left, top, width, 450);
    return button;
}

QString riderText(const QString& number, const QString& first, const QString& last) {
    return u'(' + number + QStringLiteral(") ") + first + u' ' + last;
}
} // namespace

FrmAssignNumbers::FrmAssignNumbers(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("FrmAssignNumbers"), QStringLiteral("Assign Numbers"), 9480, 6600, parent) {
    addTitleLabel(QStringLiteral("Assign Rider Numbers"));
    m_TVNumberAssign = new QTreeWidget(this);
    m_TVNumberAssign->setObjectName(QStringLiteral("TVNumberAssign"));
    m_TVNumberAssign->setAccessibleName(QStringLiteral("Teams and riders"));
    m_TVNumberAssign->setHeaderHidden(true);
    m_TVNumberAssign->setSortingEnabled(false);
    m_TVNumberAssign->setUniformRowHeights(true);
    WindowGeometry::place(m_TVNumberAssign, 240, FrameTop, 4680, 5280);
    // A rider is taken for a new number with the mouse, or with Enter on the highlighted rider.
    connectGuarded(m_state.messages, m_TVNumberAssign, &QTreeWidget::itemClicked, this, &FrmAssignNumbers::TVNumberAssign_NodeClick);
    connectGuarded(m_state.messages, m_TVNumberAssign, &QTreeWidget::itemActivated, this, &FrmAssignNumbers::TVNumberAssign_NodeClick);
    buildFrames();
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
    Load_Tree();
}

QGroupBox* FrmAssignNumbers::buildRangeFrame(const RangeFrameParts& parts, QLineEdit*& from, QLineEdit*& to) {
    auto* frame = new QGroupBox(parts.caption, this);
    frame->setObjectName(parts.frame);
    WindowGeometry::place(frame, FrameLeft, FrameTop, FrameWidth, FrameHeight);
    auto* range = new QLabel(QStringLiteral("Number Range:"), frame);
    WindowGeometry::place(range, 240, 420, 2400, 300);
    auto* fromLabel = new QLabel(QStringLiteral("From:"), frame);
    WindowGeometry::place(fromLabel, 480, 960, 900, 300);
    from = new QLineEdit(frame);
    from->setObjectName(parts.fromBox);
    from->setAccessibleName(QStringLiteral("Number range from"));
    fromLabel->setBuddy(from);
    WindowGeometry::place(from, 1440, 930, 1200, 360);
    auto* toLabel = new QLabel(QStringLiteral("To:"), frame);
    WindowGeometry::place(toLabel, 480, 1560, 900, 300);
    to = new QLineEdit(frame);
    to->setObjectName(parts.toBox);
    to->setAccessibleName(QStringLiteral("Number range to"));
    toLabel->setBuddy(to);
    WindowGeometry::place(to, 1440, 1530, 1200, 360);
    QPushButton* submit = addButton(frame, parts.submit, QStringLiteral("Submit"), 240, 2640, 1680);
    QPushButton* cancel = addButton(frame, parts.cancel, QStringLiteral("Cancel"), 2040, 2640, 1680);
    connectGuarded(m_state.messages, submit, &QPushButton::clicked, this, parts.onSubmit);
    connectGuarded(m_state.messages, cancel, &QPushButton::clicked, this, parts.onCancel);
    addKeyButtons(submit, cancel);
    frame->hide();
    return frame;
}

void FrmAssignNumbers::buildFrames() {
    m_FraButtons = new QFrame(this);
    m_FraButtons->setObjectName(QStringLiteral("FraButtons"));
    WindowGeometry::place(m_FraButtons, FrameLeft, FrameTop, FrameWidth, FrameHeight + 1680);
    connectGuarded(m_state.messages, addButton(m_FraButtons, QStringLiteral("CmdRandom"), QStringLiteral("Randomly"), 600, 240, 2760),
            &QPushButton::clicked, this, &FrmAssignNumbers::CmdRandom_Click);
    connectGuarded(m_state.messages, addButton(m_FraButtons, QStringLiteral("cmdSequential"), QStringLiteral("Sequentially"), 600, 960, 2760),
            &QPushButton::clicked, this, &FrmAssignNumbers::cmdSequential_Click);
    connectGuarded(m_state.messages, addButton(m_FraButtons, QStringLiteral("CmdIndividual"), QStringLiteral("Individually"), 600, 1680, 2760),
            &QPushButton::clicked, this, &FrmAssignNumbers::CmdIndividual_Click);
    m_CmdClose = addButton(m_FraButtons, QStringLiteral("CmdClose"), QStringLiteral("Close"), 600, 4560, 2760);
    connectGuarded(m_state.messages, m_CmdClose, &QPushButton::clicked, this, &FrmAssignNumbers::CmdClose_Click);
    addKeyButtons(nullptr, m_CmdClose);

    m_FraRandom = buildRangeFrame({QStringLiteral("FraRandom"), QStringLiteral("Randomly"),
                                   QStringLiteral("TxtRandRange1"), QStringLiteral("TxtRandRange2"),
                                   QStringLiteral("CmdRandSubmit"), QStringLiteral("CmdRandCancel"),
                                   &FrmAssignNumbers::CmdRandSubmit_Click, &FrmAssignNumbers::CmdRandCancel_Click},
                                  m_TxtRandRange1, m_TxtRandRange2);
    m_FraSequential = buildRangeFrame({QStringLiteral("FraSequential"), QStringLiteral("Sequentially"),
                                       QStringLiteral("TxtSeqRange1"), QStringLiteral("TxtSeqRange2"),
                                       QStringLiteral("CmdSeqSubmit"), QStringLiteral("CmdSeqCancel"),
                                       &FrmAssignNumbers::CmdSeqSubmit_Click, &FrmAssignNumbers::CmdSeqCancel_Click},
                                      m_TxtSeqRange1, m_TxtSeqRange2);

    m_FraIndividual = new QFrame(this);
    m_FraIndividual->setObjectName(QStringLiteral("FraIndividual"));
    WindowGeometry::place(m_FraIndividual, FrameLeft, FrameTop, FrameWidth, FrameHeight);
    auto* guide =
        new QLabel(QStringLiteral("Click on the Individual above to change their rider number."), m_FraIndividual);
    guide->setWordWrap(true);
    WindowGeometry::place(guide, 240, 240, 3480, 900);
    QPushButton* exit =
        addButton(m_FraIndividual, QStringLiteral("CmdIndividualExit"), QStringLiteral("Exit"), 1200, 2640);
    connectGuarded(m_state.messages, exit, &QPushButton::clicked, this, &FrmAssignNumbers::CmdIndividualExit_Click);
    addKeyButtons(nullptr, exit);
    m_FraIndividual->hide();

    m_FraEditNumber = new QGroupBox(QStringLiteral("Individually"), this);
    m_FraEditNumber->setObjectName(QStringLiteral("FraEditNumber"));
    WindowGeometry::place(m_FraEditNumber, FrameLeft, FrameTop, FrameWidth, FrameHeight);
    auto* numberLabel = new QLabel(QStringLiteral("Rider Number:"), m_FraEditNumber);
    WindowGeometry::place(numberLabel, 240, 960, 1500, 300);
    m_TxtRiderNumber = new QLineEdit(m_FraEditNumber);
    m_TxtRiderNumber->setObjectName(QStringLiteral("TxtRiderNumber"));
    m_TxtRiderNumber->setAccessibleName(QStringLiteral("Rider Number"));
    numberLabel->setBuddy(m_TxtRiderNumber);
    WindowGeometry::place(m_TxtRiderNumber, 1800, 930, 1200, 360);
    QPushButton* editSubmit =
        addButton(m_FraEditNumber, QStringLiteral("CmdEditSubmit"), QStringLiteral("Submit"), 240, 2640, 1680);
    QPushButton* editCancel =
        addButton(m_FraEditNumber, QStringLiteral("CmdEditCancel"), QStringLiteral("Cancel"), 2040, 2640, 1680);
    connectGuarded(m_state.messages, editSubmit, &QPushButton::clicked, this, &FrmAssignNumbers::CmdEditSubmit_Click);
    connectGuarded(m_state.messages, editCancel, &QPushButton::clicked, this, &FrmAssignNumbers::CmdEditCancel_Click);
    addKeyButtons(editSubmit, editCancel);
    m_FraEditNumber->hide();
}

QString FrmAssignNumbers::keyOf(const QTreeWidgetItem* node) {
    return node ? node->data(0, KeyRole).toString() : QString();
}

QTreeWidgetItem* FrmAssignNumbers::node(const QString& key) const {
    return m_nodes.value(key);
}

// Builds the nodes apart from the tree and hands each level over at once, which keeps a
// meet of thousands of riders quick to show.
void FrmAssignNumbers::Load_Tree() {
    m_TVNumberAssign->setUpdatesEnabled(false);
    m_TVNumberAssign->clear();
    m_nodes.clear();
    m_riderNames.clear();
    m_loadedRiders = RowSnapshot();
    m_editedNode = nullptr;
    m_riderCount = 0;
    auto makeNode = [this](const QString& key, const QString& text, qint64 recordKey = -1) {
        auto* item = new QTreeWidgetItem(QStringList{text});
        item->setData(0, KeyRole, key);
        KeyedEntries::setKey(item, recordKey);
        m_nodes.insert(key, item);
        return item;
    };
    QTreeWidgetItem* root = makeNode(QStringLiteral("Root"), QStringLiteral("Region ") + m_state.CurrentRegion);
    runReportingErrors(m_state.messages, [&] {
        QList<QTreeWidgetItem*> teams;
        QHash<qint32, QList<QTreeWidgetItem*>> ridersOfTeam;
        QList<QTreeWidgetItem*> withoutTeam;
        for (const TeamRow& team : TeamList::byDivisionAndName(m_state.db())) {
            teams << makeNode(QStringLiteral("Team%1").arg(team.TeamCode),
                              team.Division + QStringLiteral(" - ") + team.TeamName, team.TeamCode);
            ridersOfTeam.insert(team.TeamCode, {});
        }
        const QList<RiderRow> riders = RiderData::byTeam(m_state.db());
        m_riderCount = static_cast<int>(riders.size());
        m_nodes.reserve(riders.size() + teams.size() + 1);
        m_riderNames.reserve(riders.size());
        m_loadedRiders = RiderData::snapshotOf(riders);
        for (const RiderRow& rider : riders) {
            QTreeWidgetItem* node = makeNode(QStringLiteral("Rider") + QString::number(rider.RiderIndex),
                                             riderText(rider.RiderNumber, rider.FirstName, rider.LastName),
                                             rider.RiderIndex);
            m_riderNames.insert(rider.RiderIndex, {rider.FirstName, rider.LastName});
            // A rider whose team is gone still shows, under the root, so that it can be found.
            auto team = ridersOfTeam.find(rider.TeamCode);
            (team != ridersOfTeam.end() ? *team : withoutTeam) << node;
        }
        for (QTreeWidgetItem* team : teams)
            team->addChildren(ridersOfTeam.value(static_cast<qint32>(KeyedEntries::keyOf(team))));
        root->addChildren(teams);
        root->addChildren(withoutTeam);
    });
    m_TVNumberAssign->addTopLevelItem(root);
    root->setExpanded(true);
    m_TVNumberAssign->setUpdatesEnabled(true);
    unsetCursor();
}

void FrmAssignNumbers::startRangeMode(QWidget* frame, QLineEdit* from, QLineEdit* to) {
    m_FraButtons->hide();
    from->clear();
    to->clear();
    frame->show();
    from->setFocus();
}

void FrmAssignNumbers::endRangeMode(QWidget* frame, QLineEdit* from, QLineEdit* to) {
    from->clear();
    to->clear();
    frame->hide();
    m_FraButtons->show();
    m_CmdClose->setFocus();
}

void FrmAssignNumbers::CmdRandom_Click() {
    startRangeMode(m_FraRandom, m_TxtRandRange1, m_TxtRandRange2);
}
void FrmAssignNumbers::CmdRandCancel_Click() {
    endRangeMode(m_FraRandom, m_TxtRandRange1, m_TxtRandRange2);
}
void FrmAssignNumbers::cmdSequential_Click() {
    startRangeMode(m_FraSequential, m_TxtSeqRange1, m_TxtSeqRange2);
}
void FrmAssignNumbers::CmdSeqCancel_Click() {
    endRangeMode(m_FraSequential, m_TxtSeqRange1, m_TxtSeqRange2);
}

void FrmAssignNumbers::CmdRandSubmit_Click() {
    submitRange(m_TxtRandRange1, m_TxtRandRange2, Order::Random,
                QStringLiteral("The random number assignment was successful."));
}

void FrmAssignNumbers::CmdSeqSubmit_Click() {
    submitRange(m_TxtSeqRange1, m_TxtSeqRange2, Order::Sequential,
                QStringLiteral("The sequential number assignment was successful."));
}

// The boxes may hold the range in either order. A range must hold at least as many
// numbers as the meet has riders; a run writes every rider's number or none.
void FrmAssignNumbers::submitRange(QLineEdit* from, QLineEdit* to, Order order, const QString& success) {
    Messages& messages = m_state.messages;
    const std::optional<qint16> first = BackNumber::value(from->text());
    const std::optional<qint16> second = BackNumber::value(to->text());
    const int low = first && second ? std::min(*first, *second) : 0;
    const int high = first && second ? std::max(*first, *second) : 0;
    if (!first || !second || high - low + 1 > std::numeric_limits<qint16>::max()) {
        messages.notice(Messages::appTitle(),
                        QStringLiteral("The range provided is invalid. Please check it and try again."));
        return;
    }
    const NumberArrangement arrangement = order == Order::Random
                                              ? NumberArrangements::random(m_riderCount, low, high)
                                              : NumberArrangements::sequential(m_riderCount, low, high);
    if (!arrangement.usable) {
        messages.notice(Messages::appTitle(),
                        QStringLiteral("The range provided is not large enough for the current number of riders"));
        return;
    }
    if (!Write_Numbers(arrangement))
        return;
    messages.notice(Messages::appTitle(), success);
    endRangeMode(order == Order::Random ? static_cast<QWidget*>(m_FraRandom) : m_FraSequential, from, to);
}

bool FrmAssignNumbers::Write_Numbers(const NumberArrangement& arrangement) {
    if (!runReportingErrors(m_state.messages, [&] {
            MeetBackup::beforeBulkChange(m_state.MeetDb, m_state.meetDatabasePath(), QStringLiteral("numbering"));
        }))
        return false;
    bool written = false;
    try {
        written = NumberingData::writeNumbers(m_state.db(), m_loadedRiders, arrangement.numbers);
        if (!written)
            m_state.messages.notice(
                Messages::appTitle(),
                QStringLiteral("The riders of the meet were changed at another station since this window showed "
                               "them, so no numbers were given. The list now shows the riders as they are; submit "
                               "the range again to number them."));
    } catch (const DbException& error) {
        if (error.conflictsWithAnotherStation() || error.connectionLost())
            reportDbError(m_state.messages, error);
        else
            m_state.messages.notice(Messages::appTitle(),
                                    QStringLiteral("A unexpected error has occurred. Please try your request again."));
    }
    Load_Tree();
    return written;
}

void FrmAssignNumbers::CmdIndividual_Click() {
    m_FraButtons->hide();
    m_FraIndividual->show();
    m_TVNumberAssign->setFocus();
}

void FrmAssignNumbers::markNode(QTreeWidgetItem* node, bool editing) {
    QFont font = node->font(0);
    font.setBold(editing);
    node->setFont(0, font);
    node->setForeground(0, editing ? QBrush(Qt::red) : QBrush());
}

// Only in one-by-one mode, and only rider nodes, open the number for editing.
void FrmAssignNumbers::TVNumberAssign_NodeClick(QTreeWidgetItem* Node) {
    if (!m_FraIndividual->isVisibleTo(this) || !keyOf(Node).startsWith(QLatin1String("Rider")))
        return;
    m_editedNode = Node;
    markNode(Node, true);
    m_FraEditNumber->show();
    m_FraIndividual->hide();
    m_TVNumberAssign->setEnabled(false);
    m_TxtRiderNumber->setFocus();
}

void FrmAssignNumbers::CmdEditSubmit_Click() {
    Messages& messages = m_state.messages;
    if (!m_editedNode)
        return;
    if (m_TxtRiderNumber->text().isEmpty()) {
        messages.notice(Messages::appTitle(), QStringLiteral("You must provide a valid rider number."));
        return;
    }
    const auto riderIndex = static_cast<qint32>(KeyedEntries::keyOf(m_editedNode));
    const std::optional<QString> number = BackNumber::plain(m_TxtRiderNumber->text());
    auto refuse = [&](const QString& text) {
        messages.notice(Messages::appTitle(), text);
        m_TxtRiderNumber->clear();
        m_TxtRiderNumber->setFocus();
    };
    if (!number || number->size() > BackNumber::MaxLength) {
        refuse(QStringLiteral("The specified rider number is invalid"));
        return;
    }
    NumberingData::NumberChange change{};
    if (!runReportingErrors(messages,
                            [&] { change = NumberingData::updateRiderNumber(m_state.db(), riderIndex, *number); }))
        return;
    if (change == NumberingData::NumberChange::HeldByOther) {
        refuse(QStringLiteral("The specified number is already in use by another rider."));
        return;
    }
    if (change == NumberingData::NumberChange::RiderGone) {
        messages.notice(Messages::appTitle(), QStringLiteral("The selected rider no longer exists."));
        CmdEditCancel_Click();
        Load_Tree();
        return;
    }
    const RiderName name = m_riderNames.value(riderIndex);
    m_editedNode->setText(0, riderText(*number, name.first, name.last));
    CmdEditCancel_Click();
}

void FrmAssignNumbers::CmdEditCancel_Click() {
    if (m_editedNode)
        markNode(m_editedNode, false);
    m_editedNode = nullptr;
    m_TxtRiderNumber->clear();
    m_FraEditNumber->hide();
    m_FraIndividual->show();
    m_TVNumberAssign->setEnabled(true);
    m_TVNumberAssign->setFocus();
}

void FrmAssignNumbers::CmdIndividualExit_Click() {
    m_FraIndividual->hide();
    m_FraButtons->show();
    m_CmdClose->setFocus();
}

void FrmAssignNumbers::CmdClose_Click() {
    close();
}
