#include "exchange/frm_data_import.h"

#include "exchange/import_data.h"
#include "ui/error_reporter.h"
#include "ui/file_dialogs.h"
#include "ui/guarded_connect.h"
#include "ui/keyed_entries.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

FrmDataImport::FrmDataImport(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("FrmDataImport"), QStringLiteral("Data Import Wizard"), 8400, 6600, parent) {
    addTitleLabel(QStringLiteral("Data Import Wizard"), 240, 600)->setObjectName(QStringLiteral("LblTitle"));
    m_TVImportSelect = new QTreeWidget(this);
    m_TVImportSelect->setObjectName(QStringLiteral("TVImportSelect"));
    m_TVImportSelect->setHeaderHidden(true);
    m_TVImportSelect->setAccessibleName(QStringLiteral("District file content"));
    WindowGeometry::place(m_TVImportSelect, 600, 1080, 7200, 4320);
    auto* import = new QPushButton(QStringLiteral("Import"), this);
    import->setObjectName(QStringLiteral("CmdImport"));
    WindowGeometry::place(import, 2160, 5700, 1560, 480);
    connectGuarded(m_state.messages, import, &QPushButton::clicked, this, &FrmDataImport::CmdImport_Click);
    addKeyButtons(import, nullptr);
    addCancelButton({4680, 5700, 1560, 480});
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
}

QString FrmDataImport::districtIdentifier(const QString& fileName) {
    const qsizetype at = fileName.lastIndexOf(QLatin1String("District"));
    const QString tail = at < 0 ? QString() : fileName.mid(at);
    if (tail.size() > 17 && tail.endsWith(QLatin1String("-2006.MDB"), Qt::CaseInsensitive))
        return tail.mid(8, tail.size() - 17);
    return QFileInfo(fileName).completeBaseName();
}

bool FrmDataImport::Import_Data() {
    QString path;
    if (!runOwnDialog([&] {
            path = m_state.fileDialogs.openFile(this, QStringLiteral("Select Import File"), m_state.ProgramFolder,
                                                QStringLiteral("Corravin Export File (District*-2006.MDB)"));
        }))
        return false;
    if (path.isEmpty() || !Load_Import_Tree(path)) {
        close();
        return false;
    }
    return true;
}

bool FrmDataImport::Load_Import_Tree(const QString& path) {
    const DistrictFile::Read read = DistrictFile::read(path, m_state.meetDatabasePath());
    if (!read.problem.isEmpty()) {
        m_state.messages.notice(Messages::appTitle(), read.problem, Messages::Icon::Exclamation);
        return false;
    }
    m_content = read.content;
    m_TVImportSelect->clear();
    auto* root = new QTreeWidgetItem(m_TVImportSelect, {QStringLiteral("District ") +
                                                        districtIdentifier(QFileInfo(path).fileName())});
    // Coaches and riders hang under their team's nodes by team code: each row gets a node
    // of its own, even when two riders share a number or two coaches a code.
    QHash<qint64, std::pair<QTreeWidgetItem*, QTreeWidgetItem*>> branches;
    for (const QVariantMap& team : std::as_const(m_content.teams)) {
        const qint64 code = team.value(QStringLiteral("TeamCode")).toLongLong();
        auto* node = new QTreeWidgetItem(root, {team.value(QStringLiteral("Division")).toString() +
                                                QStringLiteral(" - ") + team.value(QStringLiteral("TeamName")).toString()});
        KeyedEntries::setKey(node, code);
        auto* coaches = new QTreeWidgetItem(node, {QStringLiteral("Coaches")});
        auto* riders = new QTreeWidgetItem(node, {QStringLiteral("Riders")});
        if (!branches.contains(code))
            branches.insert(code, {coaches, riders});
    }
    for (const QVariantMap& coach : std::as_const(m_content.coaches))
        if (auto branch = branches.find(coach.value(QStringLiteral("TeamCode")).toLongLong()); branch != branches.end())
            new QTreeWidgetItem(branch->first, {coach.value(QStringLiteral("FirstName")).toString() + u' ' +
                                                coach.value(QStringLiteral("LastName")).toString() +
                                                QStringLiteral(" - ") + coach.value(QStringLiteral("Position")).toString()});
    for (const QVariantMap& rider : std::as_const(m_content.riders))
        if (auto branch = branches.find(rider.value(QStringLiteral("TeamCode")).toLongLong()); branch != branches.end())
            new QTreeWidgetItem(branch->second, {rider.value(QStringLiteral("FirstName")).toString() + u' ' +
                                                 rider.value(QStringLiteral("LastName")).toString()});
    m_TVImportSelect->expandAll();
    return true;
}

void FrmDataImport::CmdImport_Click() {
    QStringList clashes;
    if (!runReportingErrors(m_state.messages,
                            [&] { clashes = ImportData::importAll(m_state.db(), m_content).clashes; }))
        return;
    QString text = QStringLiteral("Data Import Successful");
    if (!clashes.isEmpty())
        text += QStringLiteral("\n\nThese imported riders have back numbers that riders of the meet already have; "
                               "give them new numbers:\n") +
                clashes.join(u'\n');
    m_state.messages.notice(Messages::appTitle(), text);
    close();
}
